#pragma once

#include <QDialog>

class QLayout;
class QVBoxLayout;

namespace windows {

// The about box (frmAbout): shown modally, loaded fresh at each opening.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

private:
    QLayout* makeHeading();
    void makeTexts(QVBoxLayout* column);
};

}  // namespace windows
