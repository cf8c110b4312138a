#pragma once

#include "sign/Sign.h"
#include "windows/ProgramWindow.h"

#include <optional>

class QLabel;
class QPushButton;

// The result window (frmDisplay): the warrior sign and its reading. Loaded
// afresh for every find.
class ResultWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit ResultWindow(QWidget* parent = nullptr);

    // Shows the sign's name and reading. Without a sign the name is empty and
    // the reading keeps what it showed.
    void showSign(std::optional<sign::Sign> warriorSign);

    void aboutToUnload() override;

private:
    // "&Back": this window goes, the entry window comes back as it was left.
    void goBack();

    QLabel* m_warriorSign;
    QLabel* m_reading;
    bool m_goingBack = false;
};
