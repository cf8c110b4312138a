#include "app/Startup.h"

#include "app/CoBrand.h"
#include "app/UpdateReminder.h"
#include "forms/LinkLabel.h"
#include "forms/frmMain.h"
#include "links/modHelp.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

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
    modHelp::CheckUpdateReminder();
    Forms::Main()->show();
    CoBrand_Randomize();
    return true;
}

}  // namespace startup
