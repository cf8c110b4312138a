#include "startup/Startup.h"

#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "startup/PromotionalDraw.h"
#include "startup/UpdateReminder.h"
#include "windows/EntryWindow.h"

#include <QLayout>

namespace startup {

bool run(platform::InstanceLock& lock)
{
    if (lock.tryAcquire() == platform::InstanceLock::State::HeldByOther) {
        platform::showMessage(QStringLiteral("Application is already running"), platform::Notice);
        windows::endProgram();
        return false;
    }
    platform::seedRandomFromClock();
    // The entry window is built, laid out and given its native window while
    // the reminder's record goes to disk; it is shown once both are done.
    checkUpdateReminder([] {
        EntryWindow* entry = windows::entryWindow();
        entry->ensurePolished();
        entry->layout()->activate();
        entry->winId();
    });
    EntryWindow* entry = windows::entryWindow();
    entry->show();
    drawFrontOffer(*entry);
    return true;
}

}  // namespace startup
