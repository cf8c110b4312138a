#include "platform/MessageBox.h"

namespace platform {

namespace {
// Until a real or fake box is wired in, nothing is shown and the safe answer
// comes back: OK, or No to a question.
MessageAnswer answerWithoutAsking(const QString&, MessageStyle style)
{
    return style.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

MessageBoxHandler& handler()
{
    static MessageBoxHandler current = answerWithoutAsking;
    return current;
}
}  // namespace

MessageAnswer showMessage(const QString& text, MessageStyle style)
{
    return handler()(text, style);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler next)
{
    MessageBoxHandler previous = std::move(handler());
    handler() = next ? std::move(next) : MessageBoxHandler(answerWithoutAsking);
    return previous;
}

}  // namespace platform
