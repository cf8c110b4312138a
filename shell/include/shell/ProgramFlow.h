// The program's shell: its flow from start to end, the update reminder and
// the promotional draw.
#pragma once

#include "shell/LoadedWindows.h"
#include "sign/Sign.h"

#include <QObject>

#include <optional>

namespace platform {
class OneCopyLock;
}

namespace windows {
class EntryWindow;
class ResultWindow;
class FarewellDialog;
class ProgramWindow;
}  // namespace windows

namespace shell {

// Moves between the program's windows as the user asks: which window loads,
// shows, hides and unloads when, from the start to the end of the program.
class ProgramFlow : public QObject {
    Q_OBJECT
public:
    explicit ProgramFlow(QObject* parent = nullptr);

    // Refuses to run beside another copy of the program, and then ends it.
    // Otherwise seeds the random generator, gives the update reminder its
    // turn, shows the entry window and draws the offer in front. False when
    // the program was refused and has ended.
    bool start(platform::OneCopyLock& lock);

    // Unloads every loaded window in load order and ends the process.
    void end();

private:
    // A window, as the program refers to it: referring to one that is not
    // loaded loads it.
    template <class Window>
    Window* window();

    void wire(windows::EntryWindow* entry);
    void wire(windows::ResultWindow* result);
    void wire(windows::FarewellDialog* farewell);
    void wireExitAndAbout(windows::ProgramWindow* programWindow);
    // Carries out `work` when the window asks for it with `request`.
    template <class Window, class Request, class Work>
    void follow(Window* asking, Request request, Work work);

    // Find: the entry window checks and looks up its date, and the result
    // window shows the sign in the entry window's place.
    void find();
    // Back: the result window goes, the entry window comes back as it was.
    void goBack();
    // Exit from the entry or result window: it goes, the farewell dialog comes.
    void leave(QWidget* leaving);
    void showAbout(QWidget* over);
    // Refers to the farewell dialog without showing it: the first reference
    // loads it, which draws its appeal.
    void keepFarewellHidden();

    LoadedWindows m_windows;
};

}  // namespace shell
