#pragma once

#include "sign/Sign.h"
#include "windows/ProgramWindow.h"

#include <optional>

class QLabel;

namespace windows {

// The result window (frmDisplay): the warrior sign and its reading.
class ResultWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit ResultWindow(QWidget* parent = nullptr);

    // Shows the sign's name and reading. Without a sign the name is empty and
    // the reading keeps what it showed.
    void showSign(std::optional<sign::Sign> warriorSign);

signals:
    // "&Back", the button or the menu item.
    void backRequested();

protected:
    bool event(QEvent* event) override;

private:
    QWidget* makeResultFrame(QWidget* parent);

    QString m_announcement;  // the result a screen reader is still to be told
    QLabel* m_warriorSign = nullptr;
    QLabel* m_reading = nullptr;
};

}  // namespace windows
