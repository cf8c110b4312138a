#include "windows/Style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyleHints>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace windows::style {

QFont verdana(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

namespace {

// The colours fixed on a widget, in both looks, kept on the widget so that
// they can be given again when the desktop's look changes.
struct FixedColors {
    std::optional<Tone> text;
    std::optional<Tone> background;
    bool surface = false;
};

const char* const FixedColorsProperty = "ardentisFixedColors";

double luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Texts are fixed for the enabled window, active or not; a switched-off
// control keeps the desktop's greyed text, so that it still looks off.
void setText(QPalette& palette, QPalette::ColorRole role, const QColor& color)
{
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
}

void apply(QWidget* widget, const FixedColors& fixed, bool dark)
{
    const auto in = [dark](const Tone& tone) { return dark ? tone.dark : tone.light; };
    QPalette palette = widget->palette();
    if (fixed.surface) {
        palette.setColor(QPalette::Window, in(Surface));
        palette.setColor(QPalette::Button, in(Face));
        setText(palette, QPalette::WindowText, in(SurfaceText));
        setText(palette, QPalette::ButtonText, in(FaceText));
    }
    if (fixed.background)
        palette.setColor(QPalette::Window, in(*fixed.background));
    if (fixed.text)
        setText(palette, qobject_cast<QAbstractButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText,
                in(*fixed.text));
    widget->setPalette(palette);
}

void fix(QWidget* widget, const std::function<void(FixedColors&)>& change)
{
    auto fixed = widget->property(FixedColorsProperty).value<FixedColors>();
    change(fixed);
    widget->setProperty(FixedColorsProperty, QVariant::fromValue(fixed));
    apply(widget, fixed, desktopIsDark());
}

// Gives the window and its controls their colours in the desktop's look.
void followLook(QWidget* window)
{
    const bool dark = desktopIsDark();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        const QVariant fixed = widget->property(FixedColorsProperty);
        if (fixed.isValid())
            apply(widget, fixed.value<FixedColors>(), dark);
    }
}

// Qt tells only the windows that the application's palette has changed.
class DesktopFollower : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            followLook(static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isDark(const QPalette& palette)
{
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

bool desktopIsDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Where the desktop says which it is (GNOME, KDE, Windows); elsewhere,
    // and before Qt 6.5, its palette tells.
    if (const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme(); scheme != Qt::ColorScheme::Unknown)
        return scheme == Qt::ColorScheme::Dark;
#endif
    return isDark(QGuiApplication::palette());
}

void followDesktop(QWidget* window)
{
    static DesktopFollower follower;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    static const QMetaObject::Connection schemes =
        QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, &follower, [] {
            for (QWidget* shown : QApplication::topLevelWidgets())
                followLook(shown);
        });
#endif
    window->installEventFilter(&follower);
    fix(window, [](FixedColors& fixed) { fixed.surface = true; });
}

void setTextColor(QWidget* widget, const Tone& tone)
{
    fix(widget, [&tone](FixedColors& fixed) { fixed.text = tone; });
}

void setBackground(QWidget* widget, const Tone& tone)
{
    fix(widget, [&tone](FixedColors& fixed) { fixed.background = tone; });
    widget->setAutoFillBackground(true);
}

QColor focusRingColor(const QColor& face)
{
    // Blue where it reaches 3:1; on a face of middling lightness, where
    // neither blue does, black or white. The light blue is pale because
    // styles draw a dark face a few shades lighter than the palette has it.
    static const QColor darkBlue(0x0B, 0x3D, 0x91);
    static const QColor lightBlue(0xC6, 0xDB, 0xFF);
    const QColor blue = contrast(darkBlue, face) >= contrast(lightBlue, face) ? darkBlue : lightBlue;
    if (contrast(blue, face) >= 3.0)
        return blue;
    return contrast(Qt::black, face) >= contrast(Qt::white, face) ? QColor(Qt::black) : QColor(Qt::white);
}

QIcon programIcon()
{
    // Made once: Qt's pixmap cache keeps what an icon drew under the
    // pixmaps' own keys, so every new copy of the icon (one per about box)
    // would leave another entry behind.
    static const QIcon icon = [] {
        QIcon made(QStringLiteral(":/icons/ardentis-32.png"));
        made.addFile(QStringLiteral(":/icons/ardentis-64.png"));
        return made;
    }();
    return icon;
}

void setFixedFrame(QWidget* window)
{
    window->setWindowFlags(window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

}  // namespace windows::style
