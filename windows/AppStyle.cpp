#include "windows/AppStyle.h"

#include "windows/Style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <memory>

namespace windows {

namespace {

// Stands in for one of the base style's icons and asks for it when it is
// first drawn or measured.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* base, QStyle::StandardPixmap which)
        : m_state(std::make_shared<State>(State{base, which, {}, false}))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Asked while buttons are sized: the base styles always have these
    // icons, so the answer needs no files until one is drawn.
    bool isNull() override { return m_state->made && m_state->icon.isNull(); }
    QString key() const override { return QStringLiteral("ArdentisDeferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct State {
        QPointer<QStyle> base;
        QStyle::StandardPixmap which;
        QIcon icon;
        bool made;
    };

    const QIcon& icon()
    {
        State& state = *m_state;
        if (!state.made && state.base) {
            state.icon = state.base->standardIcon(state.which);
            state.made = true;
        }
        return state.icon;
    }

    // Shared by the copies a QIcon makes, so the files are read once.
    std::shared_ptr<State> m_state;
};

}  // namespace

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (!option
        && (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

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
