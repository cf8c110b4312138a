#include "platform/InstanceLock.h"

#include "platform/PrivateFolder.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
const QString lockName = QStringLiteral("ardentis.lock");
}

InstanceLock::InstanceLock(QString name, QString directory) : m_name(std::move(name)), m_directory(std::move(directory))
{
}

QString InstanceLock::filePath() const
{
    return QDir(m_directory).filePath(lockName);
}

QString InstanceLock::defaultName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Local\\QX-Ardentis-one-copy");  // "Local\" keeps it within the user's session
#else
    return QString::fromLatin1(program::SettingsName).toLower() + QLatin1Char('-') + QString::number(::getuid());
#endif
}

QString InstanceLock::defaultDirectory()
{
#ifdef Q_OS_WIN
    return QString();  // a session-local named mutex needs no folder
#else
    // Not the runtime folder: whether there is one depends on how the
    // program was started, and one copy must find the other either way.
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
    if (m_handle)
        return State::Acquired;
    HANDLE handle = ::CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(m_name.utf16()));
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
    m_callers.reset();
    // Closing lets go of the name and the lock.
    if (m_socket >= 0)
        ::close(m_socket);
    if (m_fd >= 0)
        ::close(m_fd);
}

InstanceLock::State InstanceLock::tryAcquire()
{
    if (m_socket >= 0 || m_fd >= 0)
        return State::Acquired;
    const Name name = claimName();
    if (name == Name::TheUsers)
        return State::HeldByOther;
    const State file = lockFile();
    if (file == State::HeldByOther) {
        // A copy that started while someone else sat on the name.
        m_callers.reset();
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
        return State::HeldByOther;
    }
    return name == Name::Ours ? State::Acquired : file;
}

InstanceLock::Name InstanceLock::claimName()
{
#ifdef Q_OS_LINUX
    // An abstract name: a leading zero byte, no file behind it.
    const QByteArray name = m_name.toUtf8();
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) + 1 > sizeof(address.sun_path))
        return Name::NotOurs;
    std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()));
    const auto* at = reinterpret_cast<const sockaddr*>(&address);

    // Close-on-exec: a browser started from here must not inherit the name
    // and keep the next start from running after this copy has ended.
    const int own = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (own < 0)
        return Name::NotOurs;
    if (::bind(own, at, length) == 0 && ::listen(own, 16) == 0) {
        m_socket = own;
        // Whoever asks is let in and let go at once, so asking never waits.
        m_callers = std::make_unique<QSocketNotifier>(own, QSocketNotifier::Read);
        QObject::connect(m_callers.get(), &QSocketNotifier::activated, [own] {
            int caller;
            while ((caller = ::accept4(own, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
                ::close(caller);
        });
        return Name::Ours;
    }
    const int error = errno;
    ::close(own);
    if (error != EADDRINUSE)
        return Name::NotOurs;

    // Taken: only a holder with this user's id is a running copy.
    Name holder = Name::NotOurs;
    const int asking = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (asking >= 0 && ::connect(asking, at, length) == 0) {
        ucred peer {};
        socklen_t size = sizeof(peer);
        if (::getsockopt(asking, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid())
            holder = Name::TheUsers;
    }
    if (asking >= 0)
        ::close(asking);
    return holder;
#else
    return Name::NotOurs;
#endif
}

InstanceLock::State InstanceLock::lockFile()
{
    // The folder must be the user's alone, or another user could plant the
    // lock or take it away.
    if (!makePrivateFolder(m_directory))
        return State::Unavailable;
    struct stat info {};
    const QByteArray path = QFile::encodeName(filePath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return State::Unavailable;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
        ::close(fd);
        return State::Unavailable;
    }
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
