#pragma once

#include <QPlainTextEdit>

// A text box of several lines that takes no more than a given number of
// characters, counted as the user sees them (windows/CharacterLimit.h),
// however they come: typed, pasted, dropped, composed by an input method or
// put in through the accessibility interface. What would go past the limit is
// left out before it reaches the document, never half a character, and
// inputRejected() tells the window, as a line edit with a maximum length does.
class BoundedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    BoundedTextEdit(int maxLength, QWidget* parent = nullptr);
    int maxLength() const { return m_maxLength; }

    // Puts in place of the characters from `start` to `end` as much of `text`
    // as fits. What assistive technology changes goes through here.
    void replaceWithin(int start, int end, const QString& text);

signals:
    void inputRejected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    struct Fit {
        QString text;  // what goes in: the start of what was given, each line break as one
        bool whole;
    };
    // What fits of `text` in place of the range `at` selects.
    Fit fitting(const QTextCursor& at, const QString& text) const;
    void insertAtCursor(const QString& text);

    int m_maxLength;
};

// What a box at its limit says.
QString tooLongMessage(int maxLength);
