#include "platform/OneCopyLock.h"
#include "platform/ProgramInfo.h"
#include "platform/QtWarnings.h"
#include "platform/SessionBus.h"
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

#ifdef ARDENTIS_FONTCONFIG
#include <clocale>
#include <fontconfig/fontconfig.h>
#include <future>
#include <sys/resource.h>
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

const char scaleFactorVariable[] = "QT_SCALE_FACTOR";

// Qt takes the scale factor as it stands: with zero, or one too small, it
// runs without ever showing a window; a negative one crashes it; a very large
// one asks for gigabytes. Such a factor is kept from Qt, and stderr says why;
// returned, it is put back for the programs started from here.
QByteArray leaveOutUnusableScaleFactor()
{
    const QByteArray given = qgetenv(scaleFactorVariable);
    if (given.isEmpty())
        return QByteArray();
    bool isNumber = false;
    const double factor = QString::fromLocal8Bit(given).toDouble(&isNumber);  // as Qt reads it
    if (isNumber && factor >= 0.1 && factor <= 10)
        return QByteArray();
    std::fprintf(stderr, "ardentis: %s=%s ignored: not a number from 0.1 to 10\n", scaleFactorVariable,
                 given.constData());
    qunsetenv(scaleFactorVariable);
    return given;
}

#ifdef ARDENTIS_FONTCONFIG
// Reading the font configuration is the longest step before the first text
// can be drawn. It runs on a second core while Qt starts up, at a lower
// priority so that it takes only time the start-up and the X server leave
// unused. The locale is set first, as Qt sets it anyway, so that fontconfig,
// which reads numbers in it, never sees it change.
std::future<void> readFontConfigurationEarly()
{
    std::setlocale(LC_ALL, "");
    return std::async(std::launch::async, [] {
        ::setpriority(PRIO_PROCESS, 0, 10);  // this thread only, on Linux
        FcInit();
    });
}
#endif

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
    ensureHome();
    platform::keepOutRuntimeFolderWarning();
    // A message bus started for this program alone would outlive it.
    platform::noSessionBusOfOurOwn();
#ifdef ARDENTIS_FONTCONFIG
    std::future<void> fontConfiguration = readFontConfigurationEarly();
#endif
    // Qt's GTK platform theme starts GTK, whose own accessibility bridge
    // would put a second, empty entry for this program beside Qt's on the
    // accessibility bus. The bridge reads this when GTK starts; Qt's own
    // does not read it. Programs started from here, the browser above all,
    // get the environment as it was.
    const bool atBridgeSet = qEnvironmentVariableIsSet("NO_AT_BRIDGE");
    if (!atBridgeSet)
        qputenv("NO_AT_BRIDGE", "1");
    const QByteArray unusableScaleFactor = leaveOutUnusableScaleFactor();
    QApplication app(argc, argv);
    if (!atBridgeSet)
        qunsetenv("NO_AT_BRIDGE");
    if (!unusableScaleFactor.isEmpty())
        qputenv(scaleFactorVariable, unusableScaleFactor);
    setUpApplication();

#ifdef ARDENTIS_FONTCONFIG
    // Qt's first text needs it done: a second, simultaneous read would do
    // all the work again on this thread.
    if (fontConfiguration.valid())
        fontConfiguration.wait();
#endif
    platform::OneCopyLock lock;
    shell::ProgramFlow flow;
    if (!flow.start(lock))
        return 0;
    return QApplication::exec();
}
