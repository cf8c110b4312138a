#include "platform/PrivateFolder.h"

#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr mode_t OthersWrite = S_IWGRP | S_IWOTH;

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
    if (!makeFolders(folder))
        return false;
    const QByteArray name = QFile::encodeName(folder);
    // A link to the folder, as dotfile managers make them, is followed when it is the user's own.
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0 || info.st_uid != ::getuid())
        return false;
    const bool linked = S_ISLNK(info.st_mode);
    if (linked && ::stat(name.constData(), &info) != 0)
        return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    if (!(info.st_mode & OthersWrite))
        return true;
    return !linked && QFileInfo(folder).fileName() == QLatin1String(program::SettingsName)
           && ::chmod(name.constData(), info.st_mode & 07777 & ~OthersWrite) == 0;
}

}  // namespace platform
