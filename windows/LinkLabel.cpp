#include "LinkLabel.h"

#include <QMouseEvent>

namespace windows {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setAccessibleName(text);
}

void LinkLabel::click()
{
    // A link out of sight, such as the offer behind the other, is no link.
    if (isVisible())
        emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only if released over the label.
    const bool inside = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (inside)
        click();
}

}  // namespace windows
