// The program's shell: its flow from start to end, the update reminder and
// the promotional draw.
#pragma once

#include "sign/Sign.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

namespace platform {
class InstanceLock;
}

namespace windows {
class EntryWindow;
class ResultWindow;
class FarewellDialog;
class ProgramWindow;
}  // namespace windows

namespace shell {

// Owns the program's windows and moves between them as the user asks: which
// window loads, shows, hides and unloads when, from the start to the end of
// the program. The windows behave like loaded forms: referring to one that
// is not loaded loads it (its load work runs as it is made); hiding keeps it
// and what it holds; unloading destroys it, and the next reference loads a
// fresh copy.
class ProgramFlow : public QObject {
    Q_OBJECT
public:
    explicit ProgramFlow(QObject* parent = nullptr);
    // Unloads whatever is still loaded, without its unload work.
    ~ProgramFlow() override;

    // Refuses to run beside another copy of the program, and then ends it.
    // Otherwise seeds the random generator, gives the update reminder its
    // turn, shows the entry window and draws the offer in front. False when
    // the program was refused and has ended.
    bool start(platform::InstanceLock& lock);

    // Unloads every loaded window in load order and ends the process.
    void end();

protected:
    // The windows as the flow refers to them: referring loads.
    windows::EntryWindow* entryWindow();
    windows::ResultWindow* resultWindow();
    windows::FarewellDialog* farewellDialog();
    // The window if it is loaded, without loading it.
    windows::EntryWindow* loadedEntryWindow() const;
    windows::ResultWindow* loadedResultWindow() const;
    windows::FarewellDialog* loadedFarewellDialog() const;
    // The loaded windows, oldest first.
    QList<QWidget*> loadedWindows() const;

private:
    // Carries out `work` when the window asks for it with `request`.
    template <class Window, class Request, class Work>
    void follow(Window* window, Request request, Work work);

    // A find: the entry window checks and looks up its date, and the result
    // window shows the sign, in the entry window's place.
    void find();
    void showResult(std::optional<sign::Sign> warriorSign);
    // Back: the result window goes, the entry window comes back as it was.
    void goBack();
    // Exit from the entry or result window: it goes, the farewell dialog comes.
    void leave(QWidget* window);
    void showAbout(QWidget* window);
    // The entry or result window's Exit and About, wherever they are asked for.
    void followExitAndAbout(windows::ProgramWindow* window);

    // Takes the window out of the loaded ones, runs `work` (what its unload
    // does), then hides and destroys it. Does nothing to a window that is
    // not loaded.
    void unload(QWidget* window, const std::function<void()>& work = {});
    void loaded(QWidget* window);

    QPointer<windows::EntryWindow> m_entry;
    QPointer<windows::ResultWindow> m_result;
    QPointer<windows::FarewellDialog> m_farewell;
    QList<QPointer<QWidget>> m_loaded;
};

}  // namespace shell
