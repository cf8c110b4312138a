#pragma once

#include <QString>
#include <memory>

namespace settings {

// The user's settings: text values by section and key, kept under the
// program's settings name. On Windows they live in the registry, through
// QSettings. Elsewhere they are one INI file that is read and written here,
// because QSettings there (Qt 6.4 and 6.8) waits without end on a lock it
// cannot take and on a named pipe in the file's place, and reads every stored
// value, however deeply nested, on the stack: a damaged machine would keep the
// program from ever starting. So the file is read only if it is a regular
// file of a sane size, and never parsed beyond plain text. It is written whole
// to a new file that then takes its place, keeping every other line as it
// was, and not at all when what is there could not be read or the user made
// it read-only. QSettings can take its place once a supported Qt neither
// waits on such files nor recurses through their values (the fault tests,
// tests/test_faults.cpp, tell).
class Store {
public:
    explicit Store(const QString& filePath = userFilePath());
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Where the user's settings are kept (not used on Windows).
    static QString userFilePath();

    // Empty when absent, or when the store cannot be read.
    QString value(const QString& section, const QString& key) const;
    // The values kept are plain letters and digits. Held until sync().
    void setValue(const QString& section, const QString& key, const QString& value);
    // Writes what was set; false when it could not be written, which leaves
    // the store as it was.
    bool sync();

    // The largest file of the user's that is read and written. The program
    // keeps one short line in it, the rest of a file this big is someone
    // else's; that line may take the file past this size, up to ReadLimit,
    // which is read, so a file within MaxFileSize always takes it.
    static constexpr qint64 MaxFileSize = 1024 * 1024;
    static constexpr qint64 ReadLimit = MaxFileSize + 256;

private:
    // What the store holds, in the system's own terms (Store_unix.cpp,
    // Store_win.cpp).
    struct Data;
    std::unique_ptr<Data> d;
};

}  // namespace settings
