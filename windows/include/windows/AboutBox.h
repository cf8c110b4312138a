#pragma once

#include <QDialog>

namespace windows {

// The about box (frmAbout): shown modally, loaded fresh at each opening.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace windows
