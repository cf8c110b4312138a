#include "windows/AppStyle.h"

#include "windows/Style.h"

#include <QPainter>
#include <QStyleOption>

namespace windows {

namespace {

// Draws the focus ring inside the rectangle, for a control of that face.
void drawFocusRing(QPainter* painter, const QRect& rect, const QColor& face)
{
    // One pixel in from the edge, where the base styles draw the control's
    // outline, so that the ring lies on the control's own face.
    const QRect ring = rect.adjusted(1, 1, -1, -1);
    if (ring.width() < 4 || ring.height() < 4)
        return;
    const QColor color = style::focusRingColor(face);
    painter->fillRect(QRect(ring.left(), ring.top(), ring.width(), 2), color);
    painter->fillRect(QRect(ring.left(), ring.bottom() - 1, ring.width(), 2), color);
    painter->fillRect(QRect(ring.left(), ring.top(), 2, ring.height()), color);
    painter->fillRect(QRect(ring.right() - 1, ring.top(), 2, ring.height()), color);
}

}  // namespace

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
        if (!m_ringedControl)
            drawFocusRing(painter, option->rect.adjusted(-1, -1, 1, 1), option->palette.color(QPalette::Window));
        return;
    case PE_PanelLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state & State_HasFocus)
            drawFocusRing(painter, option->rect, option->palette.color(QPalette::Base));
        return;
    default: QProxyStyle::drawPrimitive(element, option, painter, widget); return;
    }
}

void AppStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const
{
    if (element != CE_PushButton) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    m_ringedControl = true;
    QProxyStyle::drawControl(element, option, painter, widget);
    m_ringedControl = false;
    if (option->state & State_HasFocus)
        drawFocusRing(painter, option->rect, option->palette.color(QPalette::Button));
}

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (control != CC_ComboBox) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    m_ringedControl = true;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    m_ringedControl = false;
    if (option->state & State_HasFocus)
        drawFocusRing(painter, option->rect, option->palette.color(QPalette::Button));
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const
{
    // Frame captions are drawn in the window text colour, the one the
    // windows fix for them, whatever the base style would take.
    if (hint == SH_GroupBox_TextLabelColor && option)
        return static_cast<int>(option->palette.color(QPalette::WindowText).rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace windows
