#pragma once

#include <QLineEdit>

namespace windows {

// The entry window's name box (txtName): letters A to Z and spaces, always in
// capitals, however the text comes in (typed, pasted, dropped, composed or
// put in by an assistive tool): a validator turns small letters into
// capitals and refuses the rest. Keys that would type a control character
// (Ctrl+C, Ctrl+V ...) and paste keys are refused like any other key that
// types no letter; Ctrl+H and Ctrl+Space type a backspace and a space.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

signals:
    // Something other than a letter or a space was to go in.
    void refused();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_accepted;  // the text as the validator last accepted it
    bool m_handlingEvent = false;
    bool m_rejected = false;  // something was refused while handling an event
};

}  // namespace windows
