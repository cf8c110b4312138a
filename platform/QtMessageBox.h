#pragma once

#include <QString>

namespace platform {

// The real message box: modal, captioned with the program title, with the
// icon and buttons of the style. Returns the button pressed.
int ShowQtMessageBox(const QString& text, int style);

}  // namespace platform
