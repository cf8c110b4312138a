#include "platform/MessageBox.h"

namespace platform {

namespace {
// Until a real or fake box is wired in, nothing is shown and the safe answer
// comes back: OK, or No to a question.
int answerWithoutAsking(const QString&, int style)
{
    return (style & 0x7) == vbYesNo ? vbNo : vbOK;
}

MsgBoxHandler& handler()
{
    static MsgBoxHandler current = answerWithoutAsking;
    return current;
}
}  // namespace

int MsgBox(const QString& text, int style)
{
    return handler()(text, style);
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler next)
{
    MsgBoxHandler previous = std::move(handler());
    handler() = next ? std::move(next) : MsgBoxHandler(answerWithoutAsking);
    return previous;
}

}  // namespace platform
