// The one-copy lock: who holds it, where the next copy finds the running one,
// and what a damaged or misplaced lock file or folder does to it.
#include "platform/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A name of this test's own for the running copy, apart from any real copy's.
QString uniqueName()
{
    static int count = 0;
    return QStringLiteral("ardentis-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
}

}  // namespace

TEST(InstanceLock, onlyALiveHolderKeepsTheNextCopyOut)
{
    QTemporaryDir folder;
    const QString name = uniqueName();
    {
        platform::InstanceLock first(name, folder.path());
        ASSERT_EQ(first.tryAcquire(), platform::InstanceLock::State::Acquired);
        platform::InstanceLock second(name, folder.path());
        EXPECT_EQ(second.tryAcquire(), platform::InstanceLock::State::HeldByOther);
    }
    // The holder is gone: the lock file is left behind, and means nothing.
    ASSERT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("ardentis.lock"))));
    platform::InstanceLock next(name, folder.path());
    EXPECT_EQ(next.tryAcquire(), platform::InstanceLock::State::Acquired);
}

TEST(InstanceLock, theRunningCopyIsFoundWhereverTheNextOneLooksAndWhateverWasDeleted)
{
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString name = uniqueName();
    platform::InstanceLock first(name, folder.path());
    ASSERT_EQ(first.tryAcquire(), platform::InstanceLock::State::Acquired);
    ASSERT_TRUE(QDir(folder.path()).removeRecursively());
    platform::InstanceLock afterDeletion(name, folder.path());
    EXPECT_EQ(afterDeletion.tryAcquire(), platform::InstanceLock::State::HeldByOther);
    platform::InstanceLock otherFolder(name, elsewhere.path());
    EXPECT_EQ(otherFolder.tryAcquire(), platform::InstanceLock::State::HeldByOther);

    // Whether or not the session has a runtime folder, the name and the folder are the same.
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", elsewhere.path().toLocal8Bit());
    const QString nameWith = platform::InstanceLock::defaultName();
    const QString folderWith = platform::InstanceLock::defaultDirectory();
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(platform::InstanceLock::defaultName(), nameWith);
    EXPECT_EQ(platform::InstanceLock::defaultDirectory(), folderWith);
    EXPECT_TRUE(nameWith.endsWith(QLatin1Char('-') + QString::number(::getuid())));
    // In the user's own home, not a shared temporary folder (the test's home
    // may itself lie under /tmp, with the checkout).
    EXPECT_TRUE(folderWith.startsWith(QDir::homePath() + QLatin1Char('/'))) << folderWith.toStdString();
    if (!saved.isNull())
        qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(InstanceLock, aGarbledOrEmptyLockFileWithNoHolderIsTakenOverAndCleared)
{
    for (const QByteArray& leftover :
         {QByteArray(), QByteArray("\xff\xfe garbage\n\0\x01", 14), QByteArray(100000, 'x')}) {
        QTemporaryDir folder;
        platform::InstanceLock lock(uniqueName(), folder.path());
        QFile file(QDir(folder.path()).filePath(QStringLiteral("ardentis.lock")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(leftover);
        file.close();
        ASSERT_EQ(lock.tryAcquire(), platform::InstanceLock::State::Acquired);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }
}

TEST(InstanceLock, aFolderThatCannotHoldTheLockLeavesItToTheName)
{
    QTemporaryDir folder;
    const QString notAFolder = QDir(folder.path()).filePath(QStringLiteral("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString name = uniqueName();
    platform::InstanceLock first(name, notAFolder + QStringLiteral("/below"));
    EXPECT_EQ(first.tryAcquire(), platform::InstanceLock::State::Acquired);
    platform::InstanceLock second(name, notAFolder + QStringLiteral("/below"));
    EXPECT_EQ(second.tryAcquire(), platform::InstanceLock::State::HeldByOther);
}

TEST(InstanceLock, underAnyUmaskTheLockFolderIsTheUsersAloneAndHoldsTheLock)
{
    const auto modeOf = [](const QString& path) {
        struct stat info = {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
    };
    QTemporaryDir home;
    for (const mode_t mask : {mode_t(002), mode_t(000), mode_t(0277)}) {
        const mode_t saved = ::umask(mask);
        const QString folder = home.filePath(QStringLiteral("cache%1/Ardentis").arg(mask));
        platform::InstanceLock lock(uniqueName(), folder);
        EXPECT_EQ(lock.tryAcquire(), platform::InstanceLock::State::Acquired);
        ::umask(saved);
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("ardentis.lock")))) << folder.toStdString();
        EXPECT_EQ(modeOf(folder), 0700u);
        EXPECT_EQ(modeOf(QFileInfo(folder).absolutePath()), 0700u);
    }
}
