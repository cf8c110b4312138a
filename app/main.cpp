#include "platform/OneCopyLock.h"
#include "platform/ProgramInfo.h"
#include "platform/QtWarnings.h"
#include "shell/ProgramFlow.h"
#include "windows/Accessibility.h"
#include "windows/AppStyle.h"
#include "windows/MessageBoxDialog.h"
#include "windows/Style.h"

#include <QApplication>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// Started without HOME (by a service, cron or `env -i`), Qt would take "/" for
// the home folder and put the settings and the one-copy lock there. The
// account's own home folder is where they belong.
void ensureHome()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return;
    const passwd* account = ::getpwuid(::getuid());
    if (account && account->pw_dir && account->pw_dir[0] == '/' && account->pw_dir[1] != '\0')
        qputenv("HOME", QByteArray(account->pw_dir));
#endif
}

// Qt 6.4 and 6.8 take the scale factor as it stands: with zero, or one too
// small, they run without ever showing a window; a negative one crashes them;
// a very large one asks for gigabytes. Such a factor is left out, and stderr
// says why. This can go once Qt checks the factor itself.
void leaveOutUnusableScaleFactor()
{
    const QByteArray given = qgetenv("QT_SCALE_FACTOR");
    if (given.isEmpty())
        return;
    bool isNumber = false;
    const double factor = QString::fromLocal8Bit(given).toDouble(&isNumber);  // as Qt reads it
    if (isNumber && factor >= 0.1 && factor <= 10)
        return;
    std::fprintf(stderr, "ardentis: QT_SCALE_FACTOR=%s ignored: not a number from 0.1 to 10\n", given.constData());
    qunsetenv("QT_SCALE_FACTOR");
}

// The program's own ways, once the application object exists.
void setUpApplication()
{
    QApplication::setStyle(new windows::AppStyle);
    QApplication::setApplicationName(QLatin1String(program::SettingsName));
    QApplication::setOrganizationName(QLatin1String(program::SettingsName));
    QApplication::setApplicationDisplayName(QString());
    // Lets the desktop tie the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(program::ApplicationId));
    QApplication::setWindowIcon(windows::style::programIcon());
    // Only the farewell dialog ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::setMessageBoxHandler(windows::showMessageBoxDialog);
    windows::installAccessibility();
}

}  // namespace

int main(int argc, char* argv[])
{
    // What the program sets in its environment is set here, before Qt starts
    // threads of its own: a variable set beside another thread's getenv can
    // pull the environment from under it.
    ensureHome();
    platform::keepOutRuntimeFolderWarning();
    // Where the session has no message bus (D-Bus), the bus library would
    // start one for Qt's accessibility and menus, which outlives the program.
    // An address of no known kind makes it report no bus at once, here and
    // in the browser started from here, which has none in this session either.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    // Qt's GTK platform theme (Qt 6.4 and 6.8) starts GTK 3, whose own
    // accessibility bridge would put a second, empty entry for this program
    // beside Qt's on the accessibility bus. The bridge reads this when GTK
    // starts; Qt's own does not read it. It can go once Qt's theme no longer
    // starts GTK's bridge.
    const bool atBridgeSet = qEnvironmentVariableIsSet("NO_AT_BRIDGE");
    if (!atBridgeSet)
        qputenv("NO_AT_BRIDGE", "1");
    leaveOutUnusableScaleFactor();
    QApplication app(argc, argv);
    // The browser started from here hears the accessibility bus as usual.
    // Taking a variable out frees nothing, and Qt's threads by now (the X
    // connection's reader) read no environment.
    if (!atBridgeSet)
        qunsetenv("NO_AT_BRIDGE");
    setUpApplication();

    platform::OneCopyLock lock;
    shell::ProgramFlow flow;
    if (!flow.start(lock))
        return 0;
    return QApplication::exec();
}
