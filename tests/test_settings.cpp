// The settings file and the stored setting's encoding: what is read, what a
// write keeps and changes, and what no file on disk can make the store do.
#include "settings/Codec.h"
#include "settings/Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

TEST(SettingsCodec, roundTripsAnyTextKeepsEmptyEmptyAndUsesNoCapitals)
{
    EXPECT_EQ(settings::encode(QString()), QString());
    EXPECT_EQ(settings::decode(QString()), QString());
    for (const QString& text : {QStringLiteral("Duration"), QStringLiteral("2026-12-07"), QStringLiteral("a"),
                                QStringLiteral("\u00e9\u674e\U0001F600"), QString(300, u'x')}) {
        const QString encoded = settings::encode(text);
        EXPECT_NE(encoded, text);
        EXPECT_FALSE(encoded.contains(text));
        EXPECT_EQ(encoded, encoded.toLower());
        EXPECT_EQ(settings::decode(encoded), text);
        EXPECT_EQ(settings::decode(encoded.toUpper()), text);  // keys read back in other case
    }
    EXPECT_NE(settings::encode(QStringLiteral("Duration")), settings::encode(QStringLiteral("duration")));
    for (const QString& junk :
         {QStringLiteral("abc"), QStringLiteral("zz"), QStringLiteral("12/07/26"), QStringLiteral("\u00e9\u00e9")})
        EXPECT_FALSE(settings::decode(junk).has_value()) << junk.toStdString();
}

namespace {

class Store : public ::testing::Test {
protected:
    QString file() const { return folder.filePath(QStringLiteral("Ardentis.conf")); }
    void write(const QByteArray& content) const
    {
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
    }
    QByteArray content() const
    {
        QFile in(file());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(unreadable)");
    }
    QTemporaryDir folder;
};

}  // namespace

TEST_F(Store, readsWhatSettingsFilesHoldAndChangesOnlyItsOwnLine)
{
    {
        QSettings written(file(), QSettings::IniFormat);
        written.setValue(QStringLiteral("Settings/abc123"), QStringLiteral("00ff"));
        written.setValue(QStringLiteral("Other/key"), QStringLiteral("a value, with \"quotes\""));
    }
    const QByteArray before = content();
    settings::Store store(file());
    EXPECT_EQ(store.value(QStringLiteral("Settings"), QStringLiteral("abc123")), QStringLiteral("00ff"));
    EXPECT_EQ(store.value(QStringLiteral("Settings"), QStringLiteral("missing")), QString());
    EXPECT_EQ(store.value(QStringLiteral("Other"), QStringLiteral("abc123")), QString());

    // A value of another length: QSettings in this process tells a file it read from a new one by size and time.
    store.setValue(QStringLiteral("Settings"), QStringLiteral("abc123"), QStringLiteral("0a0b0c"));
    ASSERT_TRUE(store.sync());
    QByteArray expected = before;
    expected.replace("abc123=00ff", "abc123=0a0b0c");
    EXPECT_EQ(content(), expected);
    QSettings reread(file(), QSettings::IniFormat);
    EXPECT_EQ(reread.value(QStringLiteral("Settings/abc123")).toString(), QStringLiteral("0a0b0c"));
    EXPECT_EQ(reread.value(QStringLiteral("Other/key")).toString(), QStringLiteral("a value, with \"quotes\""));

    // A section of its own when there was none; the rest kept, line ends and all.
    write("# the user's note\r\n[Other]\r\nkey=1");
    settings::Store fresh(file());
    fresh.setValue(QStringLiteral("Settings"), QStringLiteral("abc123"), QStringLiteral("01"));
    ASSERT_TRUE(fresh.sync());
    EXPECT_EQ(content(), QByteArray("# the user's note\r\n[Other]\r\nkey=1\n\n[Settings]\nabc123=01\n"));
}

TEST_F(Store, whatIsNoRegularFileOfASaneSizeIsNeitherWaitedOnNorReplaced)
{
    // A named pipe, as a file and behind a link: reading would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
    {
        settings::Store store(file());
        EXPECT_EQ(store.value(QStringLiteral("Settings"), QStringLiteral("k")), QString());
        store.setValue(QStringLiteral("Settings"), QStringLiteral("k"), QStringLiteral("1"));
        EXPECT_FALSE(store.sync());
    }
    const QString link = folder.filePath(QStringLiteral("link.conf"));
    ASSERT_TRUE(QFile::link(file(), link));
    {
        settings::Store store(link);
        store.setValue(QStringLiteral("Settings"), QStringLiteral("k"), QStringLiteral("1"));
        EXPECT_FALSE(store.sync());
    }
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(file()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    QFile::remove(link);
    QFile::remove(file());

    // Bigger than anything the program writes: not read, and kept.
    const QByteArray big = "[Settings]\nk=1\n" + QByteArray(settings::Store::ReadLimit, '#');
    write(big);
    {
        settings::Store store(file());
        EXPECT_EQ(store.value(QStringLiteral("Settings"), QStringLiteral("k")), QString());
        store.setValue(QStringLiteral("Settings"), QStringLiteral("k"), QStringLiteral("2"));
        EXPECT_FALSE(store.sync());
    }
    EXPECT_EQ(content(), big);

    // A link to a regular file is followed, and stays a link.
    write("[Settings]\nk=1\n");
    ASSERT_TRUE(QFile::link(file(), link));
    settings::Store linked(link);
    EXPECT_EQ(linked.value(QStringLiteral("Settings"), QStringLiteral("k")), QStringLiteral("1"));
    linked.setValue(QStringLiteral("Settings"), QStringLiteral("k"), QStringLiteral("2"));
    EXPECT_TRUE(linked.sync());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(content(), QByteArray("[Settings]\nk=2\n"));
}

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Sets k=2 in [Settings] of the file at `path`; whether it was written.
bool recordAt(const QString& path)
{
    settings::Store store(path);
    store.setValue(QStringLiteral("Settings"), QStringLiteral("k"), QStringLiteral("2"));
    return store.sync();
}

}  // namespace

TEST_F(Store, theFoldersItMakesAreTheUsersAloneWhateverTheUmask)
{
    const mode_t saved = ::umask(0);
    const QString file = folder.filePath(QStringLiteral("config/Ardentis/Ardentis.conf"));
    EXPECT_TRUE(recordAt(file));
    ::umask(saved);
    EXPECT_EQ(modeOf(folder.filePath(QStringLiteral("config"))), 0700u);
    EXPECT_EQ(modeOf(folder.filePath(QStringLiteral("config/Ardentis"))), 0700u);
    EXPECT_EQ(modeOf(file) & 022, 0u);
}

TEST_F(Store, theUsersOwnLinksAreFollowedAndNoPermissionIsLoosened)
{
    // A dotfile kept elsewhere, readable by the user alone.
    const QString kept = folder.filePath(QStringLiteral("dotfiles/Ardentis.conf"));
    QDir().mkpath(QFileInfo(kept).absolutePath());
    QFile out(kept);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("the user's own file\n");
    out.close();
    ::chmod(QFile::encodeName(kept).constData(), 0600);
    ASSERT_TRUE(QFile::link(kept, file()));
    EXPECT_TRUE(recordAt(file()));
    EXPECT_TRUE(QFileInfo(file()).isSymLink());
    EXPECT_EQ(modeOf(kept), 0600u);
    EXPECT_TRUE(content().endsWith("[Settings]\nk=2\n"));
}

TEST_F(Store, aLeadingByteOrderMarkIsReadAsQtReadsIt)
{
    write("\xEF\xBB\xBF[Settings]\r\nk=1\r\n");
    EXPECT_EQ(settings::Store(file()).value(QStringLiteral("Settings"), QStringLiteral("k")), QStringLiteral("1"));
    ASSERT_TRUE(recordAt(file()));
    EXPECT_EQ(content(), QByteArray("\xEF\xBB\xBF[Settings]\r\nk=2\r\n"));
    EXPECT_EQ(QSettings(file(), QSettings::IniFormat).value(QStringLiteral("Settings/k")), QStringLiteral("2"));
}

TEST_F(Store, aFileBeyond64KiBIsReadAndWrittenAndOneNearTheLimitStillTakesTheProgramsLine)
{
    const auto filled = [](qsizetype size, const QByteArray& end) {
        QByteArray bytes = "[Other]\n";
        while (bytes.size() < size - end.size())
            bytes += QByteArray(std::min<qsizetype>(79, size - end.size() - bytes.size() - 1), '#') + '\n';
        return bytes + end;
    };
    write(filled(65530, ""));
    ASSERT_TRUE(recordAt(file()));
    EXPECT_GT(content().size(), 65536);
    EXPECT_EQ(settings::Store(file()).value(QStringLiteral("Settings"), QStringLiteral("k")), QStringLiteral("2"));
    write(filled(65537, "[Settings]\nk=2020\n"));
    EXPECT_EQ(settings::Store(file()).value(QStringLiteral("Settings"), QStringLiteral("k")), QStringLiteral("2020"));

    const QByteArray nearTheLimit = filled(settings::Store::MaxFileSize - 4, "");
    write(nearTheLimit);
    EXPECT_TRUE(recordAt(file()));
    EXPECT_TRUE(content().startsWith(nearTheLimit));
    EXPECT_EQ(settings::Store(file()).value(QStringLiteral("Settings"), QStringLiteral("k")), QStringLiteral("2"));
}

TEST_F(Store, twoCopiesWithTheSameProcessIdWritingAtOnceLeaveTheFileWholeWithTheUsersLines)
{
    // Each writer is process 1 of a process-id namespace of its own, as
    // sandboxed copies sharing one home are.
    write("[Other]\nmine=1\n");
    const auto startWriter = [this](const QString& value) {
        const pid_t helper = ::fork();
        if (helper != 0)
            return helper;
        if (::unshare(CLONE_NEWPID) != 0)
            ::_exit(2);
        const pid_t writer = ::fork();
        if (writer == 0) {
            int failed = 0;
            for (int i = 0; i < 300; ++i) {
                settings::Store store(file());
                store.setValue(QStringLiteral("Settings"), QStringLiteral("k"), value);
                failed += store.sync() ? 0 : 1;
            }
            ::_exit(failed == 0 ? 0 : 1);
        }
        int status = 0;
        ::waitpid(writer, &status, 0);
        ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 3);
    };
    const QString longer(2000, u'2');
    const pid_t writers[] = {startWriter(QStringLiteral("1")), startWriter(longer)};
    int looks = 0;
    int withoutTheUsersLines = 0;
    for (int running = 2; running > 0; ++looks) {
        withoutTheUsersLines += content().startsWith("[Other]\nmine=1\n") ? 0 : 1;
        running = 0;
        for (const pid_t writer : writers)
            running += ::waitpid(writer, nullptr, WNOHANG) == 0 ? 1 : 0;
    }
    QList<int> statuses;
    for (const pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        statuses.append(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    if (statuses == QList<int>{2, 2})
        GTEST_SKIP() << "no process-id namespace can be made here (needs root)";
    EXPECT_EQ(statuses, QList<int>({0, 0}));
    EXPECT_EQ(withoutTheUsersLines, 0) << "of " << looks << " looks";
    EXPECT_TRUE(content() == "[Other]\nmine=1\n\n[Settings]\nk=1\n"
                || content() == "[Other]\nmine=1\n\n[Settings]\nk=" + longer.toLatin1() + '\n')
        << content().toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Ardentis.conf")});
}

TEST_F(Store, aFileTheUserMadeReadOnlyIsLeftAsItWas)
{
    write("[Settings]\nk=1\n");
    ::chmod(QFile::encodeName(file()).constData(), 0444);
    EXPECT_FALSE(recordAt(file()));
    EXPECT_EQ(content(), QByteArray("[Settings]\nk=1\n"));
    EXPECT_EQ(modeOf(file()), 0444u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Ardentis.conf")});
}
