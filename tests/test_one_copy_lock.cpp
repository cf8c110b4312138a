// The one-copy lock: only a live holder keeps the next copy out, and a lock
// that cannot be had at all lets the program run.
#include "platform/OneCopyLock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
}

}  // namespace

TEST(OneCopyLock, onlyALiveHolderKeepsTheNextCopyOut)
{
    QTemporaryDir folder;
    {
        platform::OneCopyLock first(folder.path());
        ASSERT_TRUE(first.acquire());
        EXPECT_FALSE(platform::OneCopyLock(folder.path()).acquire());
    }
    // A holder killed outright leaves its file behind.
    const pid_t killed = ::fork();
    if (killed == 0) {
        platform::OneCopyLock lock(folder.path());
        ::_exit(lock.acquire() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(killed, &status, 0);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(QFile::exists(folder.filePath(QStringLiteral("ardentis.lock"))));
    EXPECT_TRUE(platform::OneCopyLock(folder.path()).acquire());
}

TEST(OneCopyLock, aFolderThatCannotHoldTheLockLetsTheProgramRun)
{
    QTemporaryDir home;
    QFile file(home.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(platform::OneCopyLock(file.fileName() + QStringLiteral("/below")).acquire());
}

TEST(OneCopyLock, underAnyUmaskTheLockFolderIsTheUsersAlone)
{
    QTemporaryDir home;
    for (const mode_t mask : {mode_t(002), mode_t(000), mode_t(0277)}) {
        const mode_t saved = ::umask(mask);
        const QString folder = home.filePath(QStringLiteral("cache%1/Ardentis").arg(mask));
        platform::OneCopyLock lock(folder);
        EXPECT_TRUE(lock.acquire());
        ::umask(saved);
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("ardentis.lock")))) << folder.toStdString();
        EXPECT_EQ(modeOf(folder), 0700u);
        EXPECT_EQ(modeOf(QFileInfo(folder).absolutePath()), 0700u);
    }
}
