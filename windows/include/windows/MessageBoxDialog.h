#pragma once

#include "platform/MessageBox.h"

namespace windows {

// The real message box: modal, captioned with the program title, with the
// icon and buttons of the style. Returns the button pressed.
platform::MessageAnswer showMessageBoxDialog(const QString& text, platform::MessageStyle style);

}  // namespace windows
