#include "windows/WindowRegistry.h"

#include "platform/Exit.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QPointer>

namespace windows {

namespace {

struct Registry {
    QPointer<EntryWindow> entry;
    QPointer<ResultWindow> result;
    QPointer<FarewellDialog> farewell;
    QList<QPointer<QWidget>> order;
    bool quiet = false;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

template <class Window>
Window* load(QPointer<Window>& slot)
{
    if (!slot) {
        slot = new Window;
        registry().order.append(slot.data());
    }
    return slot.data();
}

void forget(QWidget* window)
{
    Registry& r = registry();
    if (r.entry == window)
        r.entry.clear();
    if (r.result == window)
        r.result.clear();
    if (r.farewell == window)
        r.farewell.clear();
    r.order.removeAll(window);
}

}  // namespace

EntryWindow* entryWindow() { return load(registry().entry); }
ResultWindow* resultWindow() { return load(registry().result); }
FarewellDialog* farewellDialog() { return load(registry().farewell); }

EntryWindow* loadedEntryWindow() { return registry().entry.data(); }
ResultWindow* loadedResultWindow() { return registry().result.data(); }
FarewellDialog* loadedFarewellDialog() { return registry().farewell.data(); }

QList<QWidget*> loadOrder()
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : registry().order) {
        if (window)
            windows.append(window.data());
    }
    return windows;
}

void unload(QWidget* window)
{
    if (!window || !registry().order.contains(window))
        return;
    // Out of the registry first: a handler that refers to this window again
    // gets a fresh copy, and a second unload of it does nothing.
    forget(window);
    if (!registry().quiet) {
        if (auto* handler = dynamic_cast<UnloadHandler*>(window))
            handler->aboutToUnload();
    }
    window->hide();
    window->deleteLater();
}

void unloadAllQuietly()
{
    Registry& r = registry();
    const bool wasQuiet = r.quiet;
    r.quiet = true;
    // Hide everything first, so nothing flickers while the rest goes.
    const QList<QWidget*> windows = loadOrder();
    for (QWidget* window : windows)
        window->hide();
    for (QWidget* window : windows)
        unload(window);
    r.quiet = wasQuiet;
}

void endProgram()
{
    static bool ending = false;
    if (ending) {
        // Called again from a window's unload on the way out: end right here.
        platform::endProcess(0);
        return;
    }
    ending = true;
    unloadAllQuietly();
    ending = false;  // matters only where the end is observed, not real
    platform::endProcess(0);
}

}  // namespace windows
