// The program's four windows, what they share, and the registry that loads
// and unloads them.
#pragma once

#include <QList>

class QWidget;
class EntryWindow;
class ResultWindow;
class FarewellDialog;

// A window whose unload runs work of its own.
class UnloadHandler {
public:
    virtual ~UnloadHandler() = default;
    virtual void aboutToUnload() = 0;
};

// The program's windows behave like loaded forms: referring to one that is not
// loaded creates it (its load work runs in the constructor); hiding keeps it
// and what it holds; unloading destroys it, and the next reference loads a
// fresh copy. The registry remembers the order in which they were loaded.
namespace windows {

EntryWindow* entryWindow();
ResultWindow* resultWindow();
FarewellDialog* farewellDialog();

// The window if it is loaded, without loading it.
EntryWindow* loadedEntryWindow();
ResultWindow* loadedResultWindow();
FarewellDialog* loadedFarewellDialog();

// The loaded windows, oldest first.
QList<QWidget*> loadOrder();

// Runs the window's unload handler, then hides and destroys it. Unloading a
// window that is not loaded, or is already on its way out, does nothing.
void unload(QWidget* window);

// Unloads every loaded window in load order without running their handlers:
// the program is ending and nothing may come into view on the way.
void unloadAllQuietly();

// Unloads every loaded window in load order and ends the process.
void endProgram();

}  // namespace windows
