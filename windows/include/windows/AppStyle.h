// The look of every window: the desktop's own style, with a focus ring that
// always shows.
#pragma once

#include <QProxyStyle>

namespace windows {

// The control with the keyboard focus gets a 2-pixel ring inside its edge,
// in a colour at least 3:1 against its face: the desktop styles of Qt 6.4 and
// 6.8 (Fusion, and GTK's look through it) mark focus with a 1-pixel line or,
// on the default button, not at all.
class AppStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    // Set while a control that gets the ring round its edge is drawn: the
    // base style's own smaller focus frame inside it is left out.
    mutable bool m_ringedControl = false;
};

}  // namespace windows
