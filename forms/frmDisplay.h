#pragma once

#include "forms/Forms.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class LinkLabel;

// The result window: the warrior sign and its reading. Loaded afresh for
// every find; the find action fills its two result labels.
class frmDisplay : public QMainWindow, public UnloadHandler {
    Q_OBJECT
public:
    explicit frmDisplay(QWidget* parent = nullptr);

    void cmdBack_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void Form_Unload() override;

    QGroupBox* Frame2;
    LinkLabel* Label61;
    QGroupBox* fraWarriorSign;
    QLabel* Label2;
    QLabel* Label12;
    QLabel* lblWarriorSign;
    QLabel* lblSignDesc;
    QPushButton* cmdBack;
    QPushButton* cmdExit;
    QGroupBox* Frame5;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;

    QMenu* mnuFile;
    QAction* mnuFileBack;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mnuMakeMoneyOnline;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
