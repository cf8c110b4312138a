#include "app/Startup.h"
#include "forms/Style.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/QtMessageBox.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ardentis"));
    QApplication::setOrganizationName(QStringLiteral("Ardentis"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(style::ProgramIcon());
    // Only the farewell dialog ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::setMsgBoxHandler(platform::ShowQtMessageBox);

    platform::InstanceLock lock;
    if (!startup::Run(lock))
        return 0;
    return QApplication::exec();
}
