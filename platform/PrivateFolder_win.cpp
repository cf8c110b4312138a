#include "platform/PrivateFolder.h"

#include <QDir>

namespace platform {

bool makePrivateFolder(const QString& path)
{
    return QDir().mkpath(path);  // a profile folder is the user's alone already
}

}  // namespace platform
