#include "forms/Common.h"

#include "links/modHelp.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

QString BannerText()
{
    return QStringLiteral("The Most Popular Online Quillon Discussion Board. Best Resource For Everything "
                          "Quillon. Visit ")
           + modHelp::SiteAddress() + QStringLiteral(" Now");
}

QString FullBrandText()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                          "Get this software fully branded for your website. Click here for more details.");
}

QString CobrandText()
{
    // Two blanks after the first full stop, and one ampersand shown.
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                          "Put your site's name &  link here. See \"Help\" for details.Click Here for more "
                          "info on co-branding.");
}

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

AppMenus buildMenus(QMenuBar* bar, MenuVariant variant)
{
    const bool main = variant == MenuVariant::Main;
    AppMenus menus{};
    menus.file = bar->addMenu(QStringLiteral("&File"));
    menus.file->setObjectName(QStringLiteral("mnuFile"));
    menus.fileFirst = main ? item(menus.file, "mnuFindWarriorSign", QStringLiteral("Find My &Ardentis"))
                           : item(menus.file, "mnuFileBack", QStringLiteral("&Back"));
    menus.exit = item(menus.file, "mnuExit", QStringLiteral("E&xit"));

    menus.help = bar->addMenu(QStringLiteral("&Help"));
    menus.help->setObjectName(QStringLiteral("mnuHelp"));
    menus.online = item(menus.help, "mnuOnline", QStringLiteral("&Online Help"));
    menus.visit = item(menus.help, "mnuVisit", QStringLiteral("&Visit Us Online"));
    separator(menus.help, main ? "mnuHelp1" : "mnuFileSep1");
    menus.update = item(menus.help, "mnuUpdate",
                        main ? QStringLiteral("Check for Software &Update")
                             : QStringLiteral("&Check for Software Update"));
    separator(menus.help, main ? "mnuHelp2" : "mnuFileSep2");
    menus.about = item(menus.help, "mnuAbout", QStringLiteral("&About Software"));

    menus.donate = bar->addAction(QStringLiteral("&Donate"));
    menus.donate->setObjectName(QStringLiteral("mnuDonate"));
    menus.makeMoneyOnline = bar->addAction(QStringLiteral("Make Money &Online"));
    menus.makeMoneyOnline->setObjectName(QStringLiteral("mnuMakeMoneyOnline"));
    menus.makeMoneyOnline->setEnabled(false);  // switched off; it would open the full-brand offer

    QObject::connect(menus.online, &QAction::triggered, bar, &modHelp::OpenOnlineHelpPage);
    QObject::connect(menus.visit, &QAction::triggered, bar, &modHelp::OpenHomePage);
    QObject::connect(menus.update, &QAction::triggered, bar, &modHelp::OpenDownloadPage);
    QObject::connect(menus.donate, &QAction::triggered, bar, &modHelp::OpenDonatePage);
    QObject::connect(menus.makeMoneyOnline, &QAction::triggered, bar, &modHelp::OpenFullBrandPage);
    return menus;
}

bool IsExitKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    return event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
