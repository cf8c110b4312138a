#pragma once

#include <QList>

class QWidget;
class frmMain;
class frmDisplay;
class frmNagScreen2;

// A window whose unload runs a handler of its own.
class UnloadHandler {
public:
    virtual ~UnloadHandler() = default;
    virtual void Form_Unload() = 0;
};

// The program's windows behave like loaded forms: referring to one that is not
// loaded creates it (its load work runs in the constructor); hiding keeps it
// and what it holds; unloading destroys it, and the next reference loads a
// fresh copy. The registry remembers the order in which they were loaded.
namespace Forms {

frmMain* Main();
frmDisplay* Display();
frmNagScreen2* NagScreen2();

// The window if it is loaded, without loading it.
frmMain* LoadedMain();
frmDisplay* LoadedDisplay();
frmNagScreen2* LoadedNagScreen2();

// The loaded windows, oldest first.
QList<QWidget*> LoadOrder();

// Runs the window's unload handler, then hides and destroys it. Unloading a
// window that is not loaded, or is already on its way out, does nothing.
void Unload(QWidget* form);

// Unloads every loaded window in load order without running their handlers:
// the program is ending and nothing may come into view on the way.
void UnloadAllQuietly();

}  // namespace Forms
