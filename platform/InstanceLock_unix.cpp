// The one-copy lock on Linux and other Unix systems: an abstract socket name
// that is the user's across the machine, and a lock file in a folder only
// the user can write.
#include "platform/InstanceLock.h"

#include "platform/PrivateFolder.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

struct InstanceLock::Held {
    int socket = -1;  // the name, while this copy holds it
    int file = -1;    // the lock file, while this copy has it locked
    std::unique_ptr<QSocketNotifier> callers;

    ~Held()
    {
        // Closing lets go of the name and the lock.
        letGoOfName();
        if (file >= 0)
            ::close(file);
    }

    void letGoOfName()
    {
        callers.reset();
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
};

namespace {

enum class Name { Ours, TheUsers, NotOurs };

Name claimName(const QString& userName, InstanceLock::Held& held)
{
#ifdef Q_OS_LINUX
    // An abstract name: a leading zero byte, no file behind it.
    const QByteArray name = userName.toUtf8();
    sockaddr_un address{};
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
        held.socket = own;
        // Whoever asks is let in and let go at once, so asking never waits.
        held.callers = std::make_unique<QSocketNotifier>(own, QSocketNotifier::Read);
        QObject::connect(held.callers.get(), &QSocketNotifier::activated, [own] {
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
        ucred peer{};
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

InstanceLock::State lockFile(const QString& directory, const QString& path, InstanceLock::Held& held)
{
    if (!makePrivateFolder(directory))
        return InstanceLock::State::Unavailable;
    struct stat info = {};
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return InstanceLock::State::Unavailable;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return InstanceLock::State::Unavailable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? InstanceLock::State::HeldByOther : InstanceLock::State::Unavailable;
    }
    // Whatever an earlier copy left in the file, it now names this one.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const auto written = ::write(fd, pid.constData(), static_cast<size_t>(pid.size()));
    }
    held.file = fd;
    return InstanceLock::State::Acquired;
}

}  // namespace

InstanceLock::InstanceLock(QString name, QString directory)
    : m_held(std::make_unique<Held>()), m_name(std::move(name)), m_directory(std::move(directory))
{
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::defaultName()
{
    return QString::fromLatin1(program::SettingsName).toLower() + QLatin1Char('-') + QString::number(::getuid());
}

QString InstanceLock::defaultDirectory()
{
    // Not the runtime folder: whether there is one depends on how the
    // program was started, and one copy must find the other either way.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QLatin1Char('/')
           + QLatin1String(program::SettingsName);
}

InstanceLock::State InstanceLock::tryAcquire()
{
    if (m_held->socket >= 0 || m_held->file >= 0)
        return State::Acquired;
    const Name name = claimName(m_name, *m_held);
    if (name == Name::TheUsers)
        return State::HeldByOther;
    const State file = lockFile(m_directory, QDir(m_directory).filePath(QStringLiteral("ardentis.lock")), *m_held);
    if (file == State::HeldByOther) {
        // A copy that started while someone else sat on the name.
        m_held->letGoOfName();
        return State::HeldByOther;
    }
    return name == Name::Ours ? State::Acquired : file;
}

}  // namespace platform
