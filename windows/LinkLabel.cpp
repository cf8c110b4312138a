#include "windows/LinkLabel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : WrapLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setAccessibleName(text);
}

void LinkLabel::click()
{
    emit clicked();
}

bool LinkLabel::isCovered() const
{
    if (!parentWidget())
        return false;
    const QObjectList& siblings = parentWidget()->children();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
        if (above && above->isVisibleTo(parentWidget()) && above->autoFillBackground()
            && above->geometry().contains(geometry()))
            return true;
    }
    return false;
}

bool LinkLabel::event(QEvent* event)
{
    // Raised over a sibling or under one: a reader learns which of the
    // links in this place now shows.
    if (event->type() == QEvent::ZOrderChange && QAccessible::isActive() && isVisible() && parentWidget()) {
        for (QObject* sibling : parentWidget()->children()) {
            auto* link = qobject_cast<LinkLabel*>(sibling);
            if (!link || !link->isVisible())
                continue;
            QAccessibleEvent showing(link, link->isCovered() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&showing);
        }
    }
    return WrapLabel::event(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only if released over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    // Reached from the keyboard (where focus is allowed), Space opens the page.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit clicked();
        return;
    }
    WrapLabel::keyPressEvent(event);
}
