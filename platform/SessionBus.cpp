#include "platform/SessionBus.h"

#include <QByteArray>
#include <QtGlobal>

namespace platform {

namespace {

const char busVariable[] = "DBUS_SESSION_BUS_ADDRESS";
// An address of no known kind: the bus libraries report no bus at once
// instead of starting one.
const QByteArray noBus = QByteArrayLiteral("disabled:");

bool& markedAbsent()
{
    static bool marked = false;
    return marked;
}

}  // namespace

void noSessionBusOfOurOwn()
{
    if (!qEnvironmentVariableIsEmpty(busVariable))
        return;
    markedAbsent() = qputenv(busVariable, noBus);
}

void withGivenEnvironment(const std::function<void()>& start)
{
    if (!markedAbsent() || qgetenv(busVariable) != noBus) {
        start();
        return;
    }
    qunsetenv(busVariable);
    start();
    qputenv(busVariable, noBus);
}

}  // namespace platform
