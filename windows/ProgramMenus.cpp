#include "ProgramMenus.h"

#include "links/WebPages.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace windows {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

ProgramMenus ProgramMenus::build(QMenuBar* bar, Window window)
{
    const bool entry = window == Window::Entry;
    ProgramMenus menus{};
    menus.file = bar->addMenu(QStringLiteral("&File"));
    menus.file->setObjectName(QStringLiteral("mnuFile"));
    if (entry)
        menus.find = item(menus.file, "mnuFindWarriorSign", QStringLiteral("Find My &Ardentis"));
    else
        menus.back = item(menus.file, "mnuFileBack", QStringLiteral("&Back"));
    menus.exit = item(menus.file, "mnuExit", QStringLiteral("E&xit"));

    menus.help = bar->addMenu(QStringLiteral("&Help"));
    menus.help->setObjectName(QStringLiteral("mnuHelp"));
    menus.onlineHelp = item(menus.help, "mnuOnline", QStringLiteral("&Online Help"));
    menus.visitUs = item(menus.help, "mnuVisit", QStringLiteral("&Visit Us Online"));
    separator(menus.help, entry ? "mnuHelp1" : "mnuFileSep1");
    menus.checkForUpdate =
        item(menus.help, "mnuUpdate",
             entry ? QStringLiteral("Check for Software &Update") : QStringLiteral("&Check for Software Update"));
    separator(menus.help, entry ? "mnuHelp2" : "mnuFileSep2");
    menus.about = item(menus.help, "mnuAbout", QStringLiteral("&About Software"));

    menus.donate = bar->addAction(QStringLiteral("&Donate"));
    menus.donate->setObjectName(QStringLiteral("mnuDonate"));
    menus.makeMoneyOnline = bar->addAction(QStringLiteral("Make Money &Online"));
    menus.makeMoneyOnline->setObjectName(QStringLiteral("mnuMakeMoneyOnline"));
    menus.makeMoneyOnline->setEnabled(false);  // switched off; it would open the full-brand offer

    QObject::connect(menus.onlineHelp, &QAction::triggered, bar, &links::openOnlineHelpPage);
    QObject::connect(menus.visitUs, &QAction::triggered, bar, &links::openHomePage);
    QObject::connect(menus.checkForUpdate, &QAction::triggered, bar, &links::openDownloadPage);
    QObject::connect(menus.donate, &QAction::triggered, bar, &links::openDonatePage);
    QObject::connect(menus.makeMoneyOnline, &QAction::triggered, bar, &links::openFullBrandPage);
    return menus;
}

}  // namespace windows
