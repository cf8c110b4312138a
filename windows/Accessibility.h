// What a screen reader is told of the program's own kinds of control.
#pragma once

namespace windows {

// Gives some controls interfaces of their own for assistive technology: a
// link label is a link that Press follows, not reported while another
// control covers it; a drop-down list tells its choice as its value and
// says so when the keyboard changes it; a message box's row of buttons does
// not claim the focus its button has. Call once, after the application
// object exists.
void installAccessibility();

}  // namespace windows
