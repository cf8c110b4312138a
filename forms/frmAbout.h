#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class LinkLabel;

// The about box: shown modally, loaded fresh at each opening.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();

    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    QFrame* Line2;
    QLabel* Label6;
    LinkLabel* Label5;
    LinkLabel* lblHomePage;
    QPushButton* cmdOK;
};
