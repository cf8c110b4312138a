// The settings file as a damaged machine or a hostile user leaves it: reading
// whatever it holds never crashes and never answers with more than the file
// holds; recording a value keeps every other line byte for byte, and what was
// recorded reads back, also through a second reader.
#include "settings/Store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QByteArray& content)
{
    std::fprintf(stderr, "settings file: %s\n[%s]\n", what, content.toHex().constData());
    std::abort();
}

// Every line but those of the key in its section, and whether the section is there.
QList<QByteArray> otherLines(const QByteArray& content, bool* hasSection = nullptr)
{
    QList<QByteArray> kept;
    bool inSection = false;
    // A byte order mark at the start is no part of the first line, as Qt reads it.
    const QByteArray text = content.startsWith("\xEF\xBB\xBF") ? content.sliced(3) : content;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            inSection = trimmed == "[Settings]";
            if (inSection && hasSection)
                *hasSection = true;
        } else if (inSection && trimmed.indexOf('=') >= 0 && trimmed.left(trimmed.indexOf('=')).trimmed() == "k")
            continue;
        if (!line.isEmpty() && line != "\r")
            kept.append(line.endsWith('\r') ? line.chopped(1) : line);
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // In memory where there is such a folder: every write is flushed to disk.
    // A folder of its own there: the settings are never written into one
    // that others may write to.
    static QTemporaryDir folder(
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/fuzz_settings_file-XXXXXX"));
    static const QString path = folder.filePath(QStringLiteral("settings.conf"));
    if (size > size_t(settings::Store::MaxFileSize))
        return 0;
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            return 0;
    }
    settings::Store store(path);
    if (store.value(QStringLiteral("Settings"), QStringLiteral("k")).size() > content.size())
        fail("a value longer than the file", content);
    const QString other = store.value(QStringLiteral("Other"), QStringLiteral("k"));
    store.setValue(QStringLiteral("Settings"), QStringLiteral("k"), QStringLiteral("0a1b"));
    if (!store.sync())
        fail("a file of a sane size was not written", content);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("the written file cannot be read", content);
    const QByteArray written = file.readAll();
    bool hadSection = false;
    QList<QByteArray> expected = otherLines(content, &hadSection);
    if (!hadSection)
        expected.append("[Settings]");
    if (otherLines(written) != expected)
        fail("a line that is not the value's own changed", content);
    const settings::Store reread(path);
    if (reread.value(QStringLiteral("Settings"), QStringLiteral("k")) != QStringLiteral("0a1b"))
        fail("the value recorded does not read back", content);
    if (reread.value(QStringLiteral("Other"), QStringLiteral("k")) != other)
        fail("another section's value changed", content);
    return 0;
}
