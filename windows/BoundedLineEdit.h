#pragma once

#include <QClipboard>
#include <QLineEdit>

// A line edit that takes no more than a given number of characters, counted
// as the user sees them (windows/CharacterLimit.h), however they come: typed,
// pasted, dropped, composed by an input method, undone or redone, or set
// through the accessibility interface. What would go past the limit is left
// out, never half a character, and inputRejected() tells the window.
//
// Every change a line edit makes passes its validator, which sees the text as
// it would become: this one compares it with the text before, cuts what was
// put in to what fits and leaves the rest of the text as it was. A text set
// whole is never cut short by the line edit itself, so nothing after the place
// of a change is lost; what the user pastes, drops or composes is shortened
// beforehand to what the box could ever take, so a huge text costs no time.
class BoundedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    BoundedLineEdit(int maxCharacters, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    class Limit;
    // Cuts what a change put into `text` to what fits; the validator's work.
    void fit(QString& text, int& cursor);
    void pasteShortened(QClipboard::Mode mode);
    void shown(const QString& text);

    int m_maxCharacters;
    QString m_shown;  // the text as it was before the change under way
    bool m_rejectionPending = false;
};
