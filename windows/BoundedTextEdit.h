#pragma once

#include <QPlainTextEdit>

namespace windows {

// A text box of several lines that takes no more than a given number of
// characters, however they come: typed, pasted, dropped or composed. What
// would go past the limit is left out and inputRejected() tells the window,
// as a line edit with a maximum length does.
class BoundedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    BoundedTextEdit(int maxLength, QWidget* parent = nullptr);
    int maxLength() const { return m_maxLength; }

signals:
    void inputRejected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // How many more characters fit, the selection being replaced.
    int room() const;

    int m_maxLength;
};

// What a box at its limit says.
QString tooLongMessage(int maxLength);

}  // namespace windows
