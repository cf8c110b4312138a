// The colours, fonts and frames the windows are drawn with.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

namespace style {

// Colours the windows are drawn in.
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor DarkRed{0x80, 0x00, 0x00};
inline const QColor DarkGreen{0x00, 0x80, 0x00};
inline const QColor LightGreen{0xC0, 0xFF, 0xC0};
inline const QColor LightPink{0xFF, 0xC0, 0xC0};
inline const QColor LightYellow{0xFF, 0xFF, 0xC0};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor LinkBlue{0x00, 0x00, 0xC0};
inline const QColor Navy{0x00, 0x00, 0x80};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Black{0x00, 0x00, 0x00};

QFont verdana(qreal pointSize = 8.25, bool bold = false);

// Text colour of a label, frame caption or button.
void setTextColor(QWidget* widget, const QColor& color);
// An opaque background behind the widget.
void setBackground(QWidget* widget, const QColor& color);

// Windows of this program have a close box but no minimise or maximise box.
void setFixedFrame(QWidget* window);

// The program icon, in the sizes it is drawn at.
QIcon programIcon();

}  // namespace style
