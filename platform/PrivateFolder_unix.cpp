#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace platform {

namespace {

// Makes the folder and what is missing above it. A folder made here is
// set to 0700 afterwards, as the umask may have taken the owner's bits too.
bool makeFolders(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) == 0)
        return ::chmod(name.constData(), 0700) == 0;
    if (errno == EEXIST)
        return true;
    if (errno != ENOENT)
        return false;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent == path || !makeFolders(parent))
        return false;
    if (::mkdir(name.constData(), 0700) != 0)
        return errno == EEXIST;
    return ::chmod(name.constData(), 0700) == 0;
}

}  // namespace

bool makePrivateFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    return makeFolders(folder) && QFileInfo(folder).isDir();
}

}  // namespace platform
