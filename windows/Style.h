// The colours, fonts and frames the windows are drawn with.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QPalette;
class QWidget;

namespace style {

// A colour as the light look has it and its counterpart in the dark look.
// On a dark desktop the windows turn dark as a whole: the panels take dark
// shades and the texts lighter shades of the same hues, so that every text
// stays as readable against its panel as in the light look.
struct Tone {
    QColor light;
    QColor dark;
};

// The windows' own surface and the face of their buttons and lists, each
// with its text. Fixed here, not taken from the desktop, because every
// coloured text of a window is drawn on one of them.
inline const Tone Surface{QColor(0xEF, 0xEF, 0xEF), QColor(0x30, 0x30, 0x30)};
inline const Tone SurfaceText{QColor(0x00, 0x00, 0x00), QColor(0xF2, 0xF2, 0xF2)};
inline const Tone Face{QColor(0xEF, 0xEF, 0xEF), QColor(0x3C, 0x3C, 0x3C)};
inline const Tone FaceText{QColor(0x00, 0x00, 0x00), QColor(0xF2, 0xF2, 0xF2)};

// Panels.
inline const Tone White{QColor(0xFF, 0xFF, 0xFF), QColor(0x1E, 0x1E, 0x1E)};
inline const Tone LightGreen{QColor(0xC0, 0xFF, 0xC0), QColor(0x1D, 0x3B, 0x1D)};
inline const Tone LightPink{QColor(0xFF, 0xC0, 0xC0), QColor(0x4D, 0x1F, 0x1F)};
inline const Tone LightYellow{QColor(0xFF, 0xFF, 0xC0), QColor(0x3B, 0x3B, 0x1C)};
inline const Tone Navy{QColor(0x00, 0x00, 0x80), QColor(0x00, 0x00, 0x80)};

// Texts, each readable at 4.5:1 or better on the panel it is drawn on.
// Red and dark green are a shade darker than pure red (#FF0000) and
// #008000, which read at under 4.5:1 on the light surface.
inline const Tone Red{QColor(0xD0, 0x00, 0x00), QColor(0xFF, 0x8A, 0x8A)};
inline const Tone RedOnPink{QColor(0xB0, 0x00, 0x00), QColor(0xFF, 0xB0, 0xB0)};
inline const Tone DarkRed{QColor(0x80, 0x00, 0x00), QColor(0xFF, 0xA8, 0xA8)};
inline const Tone DarkGreen{QColor(0x00, 0x74, 0x00), QColor(0x8F, 0xE0, 0x8F)};
inline const Tone DarkGreenOnYellow{QColor(0x00, 0x80, 0x00), QColor(0xA8, 0xE6, 0xA8)};
inline const Tone Blue{QColor(0x00, 0x00, 0xFF), QColor(0x8C, 0xAE, 0xFF)};
// On a button: styles draw a dark button's face up to a third lighter than
// the palette has it, so the dark shade is pale enough for the face drawn.
inline const Tone LinkBlue{QColor(0x00, 0x00, 0xC0), QColor(0xBD, 0xD0, 0xFF)};
inline const Tone Black{QColor(0x00, 0x00, 0x00), QColor(0xF2, 0xF2, 0xF2)};
inline const Tone WhiteOnNavy{QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF)};
inline const Tone YellowOnNavy{QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00)};

// The WCAG 2.1 contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);
// A dark palette: its window colour is darker than its text.
bool isDark(const QPalette& palette);
// Whether the desktop's palette is a dark one.
bool desktopIsDark();

QFont verdana(qreal pointSize = 8.25, bool bold = false);

// Gives the window the program's surface and button face, in the
// desktop's look, and gives it and every control coloured below again
// their colours in the other look when the desktop turns dark or light.
void followDesktop(QWidget* window);
// Text colour of a label, frame caption or button.
void setTextColor(QWidget* widget, const Tone& tone);
// An opaque background behind the widget.
void setBackground(QWidget* widget, const Tone& tone);

// The colour of the focus ring drawn round a control whose face is the
// given colour: at least 3:1 against it.
QColor focusRingColor(const QColor& face);

// Windows of this program have a close box but no minimise or maximise box.
void setFixedFrame(QWidget* window);

// The program icon, in the sizes it is drawn at.
QIcon programIcon();

}  // namespace style
