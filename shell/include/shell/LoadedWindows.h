#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace shell {

// The program's windows as loaded forms: a window is made the first time
// anything refers to it, keeps what it holds while hidden, and is destroyed
// on unload, after which the next reference makes a fresh one. The loaded
// windows are kept in the order they were loaded.
class LoadedWindows {
public:
    LoadedWindows() = default;
    LoadedWindows(const LoadedWindows&) = delete;
    LoadedWindows& operator=(const LoadedWindows&) = delete;
    // Destroys whatever is still loaded, without its unload work.
    ~LoadedWindows();

    // The window of this kind, if one is loaded.
    template <class Window>
    Window* find() const;
    // The window of this kind, loaded now if it is not: made, then `load` run on it.
    template <class Window>
    Window* refer(const std::function<void(Window*)>& load);
    // Takes the window out of the loaded ones, runs `unloading` (which,
    // referring to the window's kind, would load a fresh copy), then hides
    // and destroys it. Does nothing to a window that is not loaded.
    void unload(QWidget* window, const std::function<void()>& unloading = {});

    QList<QWidget*> inLoadOrder() const;

private:
    QList<QPointer<QWidget>> m_windows;
};

template <class Window>
Window* LoadedWindows::find() const
{
    for (const QPointer<QWidget>& window : m_windows) {
        if (auto* found = qobject_cast<Window*>(window.data()))
            return found;
    }
    return nullptr;
}

template <class Window>
Window* LoadedWindows::refer(const std::function<void(Window*)>& load)
{
    if (Window* loaded = find<Window>())
        return loaded;
    auto* window = new Window;
    m_windows.append(window);
    load(window);
    return window;
}

}  // namespace shell
