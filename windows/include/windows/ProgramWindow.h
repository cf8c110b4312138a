#pragma once

#include <QMainWindow>

class QPushButton;

namespace windows {

struct ProgramMenus;

// What the entry and result windows share: an "&Exit" button that is both
// their default and their cancel button, "E&xit" and "&About Software" in
// their menus and a close box, each of which asks for the window to go.
// Each keeps the size its layout gives it as it opens: the window manager
// can neither enlarge nor shrink it.
class ProgramWindow : public QMainWindow {
    Q_OBJECT
signals:
    // The exit button, the Exit item or the close box.
    void exitRequested();
    void aboutRequested();

protected:
    explicit ProgramWindow(QWidget* parent = nullptr);

    // Wires the exit button and the menus' Exit and About items.
    void connectExitAndAbout(QPushButton* exitButton, const ProgramMenus& menus);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_exitButton = nullptr;
};

}  // namespace windows
