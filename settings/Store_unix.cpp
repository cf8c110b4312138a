// The user's settings on Linux and other Unix systems: one INI file, read
// and written here.
#include "settings/Store.h"

#include "platform/PrivateFolder.h"
#include "platform/ProgramInfo.h"

#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

// Qt's reader of settings files passes over one at the start of the file.
constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF", 3);

// The file's bytes: empty when there is no file, nothing when something is
// there that is not a regular file of a sane size, or cannot be read.
std::optional<QByteArray> readSettingsFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    // A link is followed; what it names must be a regular file too, and
    // checking first means a device or a pipe is never even opened.
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > Store::ReadLimit)
        return std::nullopt;
    // Without waiting, should a pipe have taken the file's place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> content;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        QByteArray bytes;
        char chunk[4096];
        ssize_t got = 0;
        while (bytes.size() <= Store::ReadLimit && (got = ::read(fd, chunk, sizeof chunk)) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                break;
            bytes.append(chunk, got);
        }
        if (got >= 0 && bytes.size() <= Store::ReadLimit)
            content = std::move(bytes);
    }
    ::close(fd);
    return content;
}

bool isSectionHeader(QByteArrayView trimmed)
{
    return trimmed.startsWith('[') && trimmed.endsWith(']');
}

// The key of a "key=value" line, or nothing.
std::optional<QByteArrayView> keyOf(QByteArrayView trimmed)
{
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return trimmed.first(equals).trimmed();
}

// Where a key's line is in the file, or where it would go.
struct Place {
    qsizetype keyStart = -1;  // the key's last line in its section, without the line's end
    qsizetype keyEnd = -1;
    qsizetype headerEnd = -1;  // the end of the section's first header line
};

Place find(QByteArrayView content, QByteArrayView section, QByteArrayView key)
{
    Place place;
    bool inSection = false;
    qsizetype start = content.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    for (;;) {
        const qsizetype newline = content.indexOf('\n', start);
        const qsizetype end = newline < 0 ? content.size() : newline;
        const QByteArrayView trimmed = content.sliced(start, end - start).trimmed();
        if (isSectionHeader(trimmed)) {
            inSection = trimmed.sliced(1, trimmed.size() - 2) == section;
            if (inSection && place.headerEnd < 0)
                place.headerEnd = end;
        } else if (inSection && keyOf(trimmed) == key) {
            place.keyStart = start;
            place.keyEnd = end;
        }
        if (newline < 0)
            return place;
        start = newline + 1;
    }
}

// The file with the key's line set to the value: the last line of the key in
// its section is replaced, or a line is added at the section's start, or the
// section at the end. Every other byte stays as it was.
QByteArray withValue(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value)
{
    const Place place = find(content, section, key);
    const QByteArray line = key + '=' + value;
    if (place.keyStart >= 0) {
        const qsizetype end = content.at(place.keyEnd - 1) == '\r' ? place.keyEnd - 1 : place.keyEnd;
        return content.first(place.keyStart) + line + content.sliced(end);
    }
    if (place.headerEnd >= 0)
        return content.first(place.headerEnd) + '\n' + line + content.sliced(place.headerEnd);
    QByteArray added = content;
    if (!added.isEmpty() && !added.endsWith('\n'))
        added += '\n';
    if (!added.isEmpty())
        added += '\n';
    return added + '[' + section + "]\n" + line + '\n';
}

// Writes a new file beside `target` and puts it in target's place, so the
// file is either whole or as it was; a step that fails (a full disk, above
// all) leaves nothing behind. The new file is this write's alone: a fresh
// name, made only if nothing has it, so no other write ever shares it, not
// even one of a copy that has the same process id in a sandbox of its own.
// A file the user made read-only is left as it is. The new file takes
// target's permissions, or, new, follows the umask without write access for
// others.
//
// QSaveFile would do this, but Qt 6.4's (Debian 12) commit() reports a write
// to a full disk as done and leaves the file empty; from Qt 6.8 (Debian 13)
// it fails and keeps the old file. It can take this place once Debian 12 is
// no longer supported.
bool replaceFile(const QByteArray& target, const QByteArray& content)
{
    struct stat existing = {};
    const bool replaces = ::stat(target.constData(), &existing) == 0;
    if (replaces && !(existing.st_mode & S_IWUSR))
        return false;
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
        temporary = target + ".tmp-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool written = !replaces || ::fchmod(fd, existing.st_mode & 07777) == 0;
    for (qsizetype done = 0; written && done < content.size();) {
        const ssize_t count = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (count < 0 && errno == EINTR)
            continue;
        written = count > 0;
        done += written ? count : 0;
    }
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

}  // namespace

struct Store::Data {
    QString path;
    // What the file held; nothing when it is there but could not be read.
    std::optional<QByteArray> content;
    QMap<std::pair<QString, QString>, QString> changes;
};

Store::Store(const QString& filePath) : d(std::make_unique<Data>(Data{filePath, readSettingsFile(filePath), {}})) {}

Store::~Store() = default;

QString Store::userFilePath()
{
    const QString name = QLatin1String(program::SettingsName);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name
           + QLatin1Char('/') + name + QStringLiteral(".conf");
}

QString Store::value(const QString& section, const QString& key) const
{
    const auto changed = d->changes.constFind({section, key});
    if (changed != d->changes.cend())
        return *changed;
    if (!d->content)
        return QString();
    const Place place = find(*d->content, section.toUtf8(), key.toUtf8());
    if (place.keyStart < 0)
        return QString();
    const QByteArrayView line =
        QByteArrayView(*d->content).sliced(place.keyStart, place.keyEnd - place.keyStart).trimmed();
    QByteArrayView value = line.sliced(line.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.sliced(1, value.size() - 2);
    return QString::fromUtf8(value);
}

void Store::setValue(const QString& section, const QString& key, const QString& value)
{
    d->changes.insert({section, key}, value);
}

bool Store::sync()
{
    if (d->changes.isEmpty())
        return true;
    // What could not be read is not replaced by something it was not.
    if (!d->content)
        return false;
    QByteArray content = *d->content;
    for (auto change = d->changes.cbegin(); change != d->changes.cend(); ++change)
        content = withValue(content, change.key().first.toUtf8(), change.key().second.toUtf8(), change->toUtf8());
    // Never a file the program would not read again.
    if (content.size() > ReadLimit)
        return false;
    // Through the user's own links (dotfiles kept elsewhere) to the file they name.
    const QFileInfo file(d->path);
    const QString target = file.exists() ? file.canonicalFilePath() : d->path;
    if (!platform::makePrivateFolder(file.absolutePath()) || !replaceFile(QFile::encodeName(target), content))
        return false;
    d->content = content;
    d->changes.clear();
    return true;
}

}  // namespace settings
