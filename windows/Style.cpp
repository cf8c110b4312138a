#include "windows/Style.h"

#include "windows/ProgramIconPixels.h"

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace style {

QFont verdana(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QIcon programIcon()
{
    // Made once: Qt's pixmap cache keeps what an icon drew under the
    // pixmaps' own keys, so every new copy of the icon (one per about box)
    // would leave another entry behind.
    static const QIcon icon = [] {
        QIcon made;
        const auto add = [&made](const std::uint32_t* pixels, int size) {
            const QImage image(reinterpret_cast<const uchar*>(pixels), size, size, QImage::Format_ARGB32);
            made.addPixmap(QPixmap::fromImage(image));
        };
        add(iconpixels::Icon32, 32);
        add(iconpixels::Icon64, 64);
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

}  // namespace style
