#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The texts of the banner and the two offers, which the entry and result
// windows both show.
QString bannerText();
QString fullBrandOfferText();
QString coBrandOfferText();

// The menu bar of the entry and result windows. The items that open a web
// page are wired here, the same in both windows; the window connects the rest.
struct ProgramMenus {
    enum class Window { Entry, Result };

    QMenu* file;
    QAction* firstFileItem;  // "Find My &Ardentis" in the entry window, "&Back" in the result window
    QAction* exit;
    QMenu* help;
    QAction* onlineHelp;
    QAction* visitUs;
    QAction* checkForUpdate;
    QAction* about;
    QAction* donate;
    QAction* makeMoneyOnline;

    static ProgramMenus build(QMenuBar* bar, Window window);
};
