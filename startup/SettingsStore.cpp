#include "startup/SettingsStore.h"

#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace startup {

#ifdef Q_OS_WIN

SettingsStore::SettingsStore(const QString&)
{
    const QString name = QLatin1String(program::SettingsName);
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::userFilePath()
{
    return QString();
}

QString SettingsStore::value(const QString& section, const QString& key) const
{
    return m_settings->value(section + QLatin1Char('/') + key).toString();
}

void SettingsStore::setValue(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(section + QLatin1Char('/') + key, value);
}

bool SettingsStore::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

#else

namespace {

// The file's bytes: empty when there is no file, nothing when something is
// there that is not a regular file of a sane size, or cannot be read.
std::optional<QByteArray> readSettingsFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    // A link is followed; what it names must be a regular file too, and
    // checking first means a device or a pipe is never even opened.
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > SettingsStore::MaxFileSize)
        return std::nullopt;
    // Without waiting, should a pipe have taken the file's place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> content;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        QByteArray bytes(SettingsStore::MaxFileSize + 1, Qt::Uninitialized);
        qsizetype total = 0;
        ssize_t got = 0;
        while (total < bytes.size()
               && (got = ::read(fd, bytes.data() + total, size_t(bytes.size() - total))) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                break;
            total += got;
        }
        if (got >= 0 && total <= SettingsStore::MaxFileSize)
            content = bytes.left(total);
    }
    ::close(fd);
    return content;
}

bool isSectionHeader(const QByteArray& trimmed)
{
    return trimmed.startsWith('[') && trimmed.endsWith(']');
}

// The key of a "key=value" line, or nothing.
std::optional<QByteArray> keyOf(const QByteArray& trimmed)
{
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return trimmed.left(equals).trimmed();
}

// The file with the key's line set to the value: the last line of the key in
// its section is replaced, or a line is added at the section's start, or the
// section at the end. Every other byte stays as it was.
QByteArray withValue(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value)
{
    QList<QByteArray> lines = content.split('\n');
    const QByteArray header = '[' + section + ']';
    const QByteArray line = key + '=' + value;
    qsizetype headerAt = -1;
    qsizetype keyAt = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray trimmed = lines[i].trimmed();
        if (isSectionHeader(trimmed)) {
            inSection = trimmed == header;
            if (inSection && headerAt < 0)
                headerAt = i;
        } else if (inSection && keyOf(trimmed) == key) {
            keyAt = i;
        }
    }
    if (keyAt >= 0) {
        lines[keyAt] = line + (lines[keyAt].endsWith('\r') ? "\r" : "");
        return lines.join('\n');
    }
    if (headerAt >= 0) {
        lines.insert(headerAt + 1, line);
        return lines.join('\n');
    }
    QByteArray added = content;
    if (!added.isEmpty() && !added.endsWith('\n'))
        added += '\n';
    if (!added.isEmpty())
        added += '\n';
    return added + header + '\n' + line + '\n';
}

}  // namespace

SettingsStore::SettingsStore(const QString& filePath) : m_path(filePath), m_content(readSettingsFile(filePath)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::userFilePath()
{
    const QString name = QLatin1String(program::SettingsName);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name
           + QLatin1Char('/') + name + QStringLiteral(".conf");
}

QString SettingsStore::value(const QString& section, const QString& key) const
{
    const auto changed = m_changes.constFind({section, key});
    if (changed != m_changes.cend())
        return *changed;
    if (!m_content)
        return QString();
    const QByteArray header = '[' + section.toUtf8() + ']';
    const QByteArray wanted = key.toUtf8();
    QString found;
    bool inSection = false;
    for (const QByteArray& line : m_content->split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (isSectionHeader(trimmed)) {
            inSection = trimmed == header;
            continue;
        }
        if (!inSection || keyOf(trimmed) != wanted)
            continue;
        QByteArray value = trimmed.mid(trimmed.indexOf('=') + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        found = QString::fromUtf8(value);
    }
    return found;
}

void SettingsStore::setValue(const QString& section, const QString& key, const QString& value)
{
    m_changes.insert({section, key}, value);
}

bool SettingsStore::sync()
{
    if (m_changes.isEmpty())
        return true;
    // What could not be read is not replaced by something it was not.
    if (!m_content)
        return false;
    QByteArray content = *m_content;
    for (auto change = m_changes.cbegin(); change != m_changes.cend(); ++change)
        content = withValue(content, change.key().first.toUtf8(), change.key().second.toUtf8(), change->toUtf8());
    const QFileInfo file(m_path);
    if (!file.dir().exists() && !QDir().mkpath(file.absolutePath()))
        return false;
    // The new file takes the old one's place whole, or not at all.
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit())
        return false;
    m_content = content;
    m_changes.clear();
    return true;
}

#endif

}  // namespace startup
