#include "platform/QtWarnings.h"
#include "windows/Accessibility.h"
#include "windows/AppStyle.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

int main(int argc, char** argv)
{
    // What the tests make is closed to others' writing whatever umask the run
    // was started with: the settings are never written where others may write.
    ::umask(022);
    // Settings written by a test go to a test-only folder, never the user's,
    // and one of this process's own: ctest runs test processes side by side,
    // and a shared folder would let one case see another's stored date. It
    // lies in the build folder, as a user's home is no temporary folder.
    QTemporaryDir home(QDir::currentPath() + QStringLiteral("/home-XXXXXX"));
    if (home.isValid()) {
        qputenv("HOME", QFile::encodeName(home.path()));
        // Without a runtime folder Qt would make one in /tmp and leave it there.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
            && QDir(home.path())
                   .mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));
    }
    QStandardPaths::setTestModeEnabled(true);
    platform::keepOutRuntimeFolderWarning();  // as the program does
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setStyle(new windows::AppStyle);  // as the program does
    QApplication::setQuitOnLastWindowClosed(false);
    windows::installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
