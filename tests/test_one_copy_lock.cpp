// The one-copy lock: only another live holder keeps a copy out; a lock that
// cannot be had at all lets the program run. (A killed holder's lock, and
// copies started together, are tried with real copies in test_processes.)
#include "platform/OneCopyLock.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(OneCopyLock, onlyAnotherLiveHolderKeepsACopyOutAndAnUnusableFolderKeepsNoneOut)
{
    QTemporaryDir home;
    {
        platform::OneCopyLock first(home.path());
        ASSERT_TRUE(first.acquire());
        EXPECT_FALSE(platform::OneCopyLock(home.path()).acquire());
    }
    EXPECT_TRUE(platform::OneCopyLock(home.path()).acquire());

    QFile file(home.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(platform::OneCopyLock(file.fileName() + QStringLiteral("/below")).acquire());
}
