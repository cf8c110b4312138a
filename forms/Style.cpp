#include "forms/Style.h"

#include <QPalette>
#include <QWidget>

namespace style {

QFont Verdana(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
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

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/ardentis-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/ardentis-64.png"), QSize(64, 64));
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
