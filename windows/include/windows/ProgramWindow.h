#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QPushButton;

namespace windows {

namespace style {
struct Tone;
}

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
    // A window of the program named `name`, with its caption, font, frame
    // and colours.
    ProgramWindow(const char* name, QWidget* parent);

    enum class Kind { Entry, Result };
    // The banner at the top (Frame2): the maker's discussion board, a link
    // to its home page.
    static QWidget* makeBanner(QWidget* parent);
    // A plain-text label named `name`, in Verdana 8.25, of the given colour.
    static QLabel* makeLabel(const char* name, const QString& text, const style::Tone& color, bool bold,
                             QWidget* parent);
    // The menu bar, the same in both windows but for the File menu's first
    // item, which it returns: "Find My &Ardentis" in the entry window,
    // "&Back" in the result window. Its web page items open their pages;
    // the exit button, Exit and About ask for the window to go or for the
    // about box.
    QAction* buildMenus(Kind kind, QPushButton* exitButton);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_exitButton = nullptr;
};

}  // namespace windows
