#include "app/Startup.h"

#include "app/CoBrand.h"
#include "app/UpdateReminder.h"
#include "forms/LinkLabel.h"
#include "forms/frmMain.h"
#include "links/modHelp.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

#include <QLayout>

namespace startup {

void CoBrand_Randomize()
{
    const int n = cobrand::NumberFor(platform::Rnd());
    cobrand::intCoBrandRandomNumber = static_cast<qint16>(n);
    switch (cobrand::FrontFor(n)) {
    case cobrand::Front::FullBrand:
        Forms::Main()->lblFullBrand->raise();
        break;
    case cobrand::Front::Cobrand:
        Forms::Main()->lblCobrand->raise();
        break;
    case cobrand::Front::Unchanged:
        break;
    }
}

bool Run(platform::InstanceLock& lock)
{
    if (lock.tryAcquire() == platform::InstanceLock::State::HeldByOther) {
        platform::MsgBox(QStringLiteral("Application is already running"),
                         platform::vbOKOnly + platform::vbInformation);
        modHelp::EndProgram();
        return false;
    }
    platform::Randomize();
    // The main window is built, laid out and given its native window while
    // the reminder's record goes to disk; it is shown once both are done.
    modHelp::CheckUpdateReminder([] {
        frmMain* main = Forms::Main();
        main->ensurePolished();
        main->layout()->activate();
        main->winId();
    });
    Forms::Main()->show();
    CoBrand_Randomize();
    return true;
}

}  // namespace startup
