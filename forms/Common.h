#pragma once

#include <QString>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;

// Texts and menus that the main and result windows share.
QString BannerText();
QString FullBrandText();
QString CobrandText();

enum class MenuVariant { Main, Display };

struct AppMenus {
    QMenu* file;
    QAction* fileFirst;  // "Find My &Ardentis" in the main window, "&Back" in the result window
    QAction* exit;
    QMenu* help;
    QAction* online;
    QAction* visit;
    QAction* update;
    QAction* about;
    QAction* donate;
    QAction* makeMoneyOnline;
};

// Builds the menu bar of either window. The items that open a web page are
// wired here, the same in both windows; the window connects the rest.
AppMenus buildMenus(QMenuBar* bar, MenuVariant variant);

// Escape, and Enter that no button took, mean Exit in the main and result windows.
bool IsExitKey(const QKeyEvent* event);
