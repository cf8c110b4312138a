#include "platform/OneCopyLock.h"

#include "platform/PrivateFolder.h"
#include "platform/ProgramInfo.h"

#include <QStandardPaths>

namespace platform {

OneCopyLock::OneCopyLock(const QString& folder) : QLockFile(folder + QStringLiteral("/ardentis.lock"))
{
    makePrivateFolder(folder);
}

bool OneCopyLock::acquire()
{
    // A live holder keeps its file locked (flock), so however long it has
    // run, its lock is never taken for stale; a lock whose holder is gone
    // is taken over at once, and an unreadable one once Qt's stale time
    // (30 s) has passed.
    return tryLock(0) || error() != LockFailedError;
}

QString OneCopyLock::userFolder()
{
    // Not the runtime folder: whether there is one depends on how the
    // program was started, and one copy must find the other either way.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QLatin1Char('/')
           + QLatin1String(program::SettingsName);
}

}  // namespace platform
