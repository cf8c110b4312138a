#include "shell/LoadedWindows.h"

namespace shell {

LoadedWindows::~LoadedWindows()
{
    for (QWidget* window : inLoadOrder())
        delete window;
}

void LoadedWindows::unload(QWidget* window, const std::function<void()>& unloading)
{
    if (!window || !m_windows.removeOne(window))
        return;
    if (unloading)
        unloading();
    window->hide();
    window->deleteLater();
}

QList<QWidget*> LoadedWindows::inLoadOrder() const
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : m_windows) {
        if (window)
            windows.append(window);
    }
    return windows;
}

}  // namespace shell
