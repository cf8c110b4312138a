#include "platform/InstanceLock.h"

#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
const QString lockName = QStringLiteral("ardentis.lock");
}

InstanceLock::InstanceLock(QString directory) : m_directory(std::move(directory)) {}

QString InstanceLock::filePath() const
{
    return QDir(m_directory).filePath(lockName);
}

QString InstanceLock::defaultDirectory()
{
#ifdef Q_OS_WIN
    return QString();  // a session-local named mutex needs no folder
#else
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo info(runtime);
    if (!runtime.isEmpty() && info.isAbsolute() && info.isDir() && info.isWritable()
        && info.ownerId() == ::getuid())
        return runtime;
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QLatin1Char('/') + QLatin1String(program::SettingsName);
#endif
}

#ifdef Q_OS_WIN

InstanceLock::~InstanceLock()
{
    if (m_handle)
        ::CloseHandle(static_cast<HANDLE>(m_handle));
}

InstanceLock::State InstanceLock::tryAcquire()
{
    // "Local\" keeps the name within the user's own session.
    HANDLE handle = ::CreateMutexW(nullptr, FALSE, L"Local\\QX-Ardentis-one-copy");
    if (!handle)
        return State::Unavailable;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(handle);
        return State::HeldByOther;
    }
    m_handle = handle;
    return State::Acquired;
}

#else

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);  // closing lets go of the lock
}

InstanceLock::State InstanceLock::tryAcquire()
{
    if (m_fd >= 0)
        return State::Acquired;
    QDir().mkpath(m_directory);
    const QByteArray path = QFile::encodeName(filePath());
    // Close-on-exec: a browser started from here must not inherit the lock
    // and keep the next start from running after this copy has ended.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return State::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? State::HeldByOther : State::Unavailable;
    }
    // Whatever an earlier copy left in the file, it now names this one.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const auto written = ::write(fd, pid.constData(), static_cast<size_t>(pid.size()));
    }
    m_fd = fd;
    return State::Acquired;
}

#endif

}  // namespace platform
