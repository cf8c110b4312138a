#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace windows {

// The menu bar of the entry and result windows. The items that open a web
// page are wired here, the same in both windows; the window connects the rest.
struct ProgramMenus {
    enum class Window { Entry, Result };

    QMenu* file = nullptr;
    QAction* find = nullptr;  // "Find My &Ardentis", in the entry window
    QAction* back = nullptr;  // "&Back", in the result window
    QAction* exit = nullptr;
    QMenu* help = nullptr;
    QAction* onlineHelp = nullptr;
    QAction* visitUs = nullptr;
    QAction* checkForUpdate = nullptr;
    QAction* about = nullptr;
    QAction* donate = nullptr;
    QAction* makeMoneyOnline = nullptr;

    static ProgramMenus build(QMenuBar* bar, Window window);
};

}  // namespace windows
