// The look of every window: the desktop's own style, with one saving.
#pragma once

#include <QProxyStyle>

// A menu bar gets an overflow button the moment it is made, and the button
// its icon, read from image files. The entry window's menus always fit, so
// the icon is only read if the button is ever drawn.
class AppStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
