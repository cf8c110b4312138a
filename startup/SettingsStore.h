#pragma once

#include <QMap>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace startup {

// The user's settings: text values by section and key. On Windows they live
// in the registry, through QSettings. Elsewhere they are one INI file that is
// read and written here, because QSettings there waits without end on a lock
// it cannot take and on a named pipe in the file's place, and reads every
// stored value, however deeply nested, on the stack: a damaged machine would
// keep the program from ever starting. So the file is read only if it is a
// regular file of at most MaxFileSize, and never parsed beyond plain text. It
// is written whole to a new file that then takes its place, keeping every
// other line as it was, and not at all when what is there could not be read,
// when the result would be too big to read again, or when someone other than
// the user could change where the write goes.
class SettingsStore {
public:
    explicit SettingsStore(const QString& filePath = userFilePath());
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Where the user's settings are kept (not used on Windows).
    static QString userFilePath();

    // Empty when absent, or when the store cannot be read.
    QString value(const QString& section, const QString& key) const;
    // The values kept are plain letters and digits. Held until sync().
    void setValue(const QString& section, const QString& key, const QString& value);
    // Writes what was set; false when it could not be written, which leaves
    // the store as it was.
    bool sync();

    // The largest file that is read and written. The program keeps one short
    // line in it; the rest of a file this big is someone else's.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

private:
#ifdef Q_OS_WIN
    std::unique_ptr<QSettings> m_settings;
#else
    QString m_path;
    // What the file held; nothing when it is there but could not be read.
    std::optional<QByteArray> m_content;
    QMap<std::pair<QString, QString>, QString> m_changes;
#endif
};

}  // namespace startup
