#pragma once

#include "windows/WindowRegistry.h"

#include <QMainWindow>

class QPushButton;
struct ProgramMenus;

// What the entry and result windows share: an "&Exit" button that is both
// their default and their cancel button, "E&xit" and "&About Software" in
// their menus, a close box that unloads them, and the farewell dialog coming
// up when they go. Their controls sit at fixed places, so each keeps the size
// it opens with: the window manager can neither enlarge nor shrink it.
class ProgramWindow : public QMainWindow, public UnloadHandler {
    Q_OBJECT
public:
    void aboutToUnload() override;

protected:
    explicit ProgramWindow(QWidget* parent = nullptr);

    // Wires the exit button and the menus' Exit and About items.
    void connectExitAndAbout(QPushButton* exitButton, const ProgramMenus& menus);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void exitWindow();
    void showAboutBox();

    QPushButton* m_exitButton = nullptr;
};
