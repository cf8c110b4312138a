// The thin seams where the program touches the machine: message boxes, the
// clock, the random generator, the end of the process and the one-copy lock.
// main() wires in the real ones; tests put in fakes so nothing blocks.
#pragma once

#include <QString>
#include <functional>

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Information, Critical };
enum class MessageAnswer { Ok, Yes, No };

struct MessageStyle {
    MessageButtons buttons;
    MessageIcon icon;
    bool operator==(const MessageStyle&) const = default;
};

// What the entry window's checks and the one-copy refusal show.
inline constexpr MessageStyle Notice{MessageButtons::Ok, MessageIcon::Information};
// What the referral checks show.
inline constexpr MessageStyle Refusal{MessageButtons::Ok, MessageIcon::Critical};
// The update question.
inline constexpr MessageStyle Question{MessageButtons::YesNo, MessageIcon::Information};

using MessageBoxHandler = std::function<MessageAnswer(const QString& text, MessageStyle style)>;

// Shows a modal message box captioned with the program title and returns
// the button pressed.
MessageAnswer showMessage(const QString& text, MessageStyle style);

// Replaces what showMessage does; returns the handler it replaced.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform
