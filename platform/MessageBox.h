// The thin seams where the program touches the machine: message boxes, the
// clock, the random generator, the end of the process and the one-copy lock.
// main() wires in the real ones; tests put in fakes so nothing blocks.
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Message box styles, combined by adding: buttons plus icon.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbInformation = 64,
};

// The button the user pressed.
enum MsgBoxResult : int {
    vbOK = 1,
    vbYes = 6,
    vbNo = 7,
};

// The caption of every message box of the program.
inline constexpr auto ProgramTitle = "QX Ardentis";

using MsgBoxHandler = std::function<int(const QString& text, int style)>;

// Shows a modal message box and returns the button pressed.
int MsgBox(const QString& text, int style);

// Replaces what MsgBox does; returns the handler it replaced.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

}  // namespace platform
