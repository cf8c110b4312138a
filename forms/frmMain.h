#pragma once

#include "forms/Forms.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class LinkLabel;

// The entry window: a name and a date of birth in, a warrior sign out.
class frmMain : public QMainWindow, public UnloadHandler {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    // Handlers, named after the control and the event they answer.
    void cmdNext_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    bool ValidateInput();
    // Filters one typed character; sets keyAscii to 0 to discard it.
    void txtName_KeyPress(int& keyAscii);
    void Form_Unload() override;

    QGroupBox* Frame2;
    LinkLabel* Label61;
    QGroupBox* Frame1;
    QLabel* Label3;
    QWidget* Picture1;
    QLabel* Label1;
    QLineEdit* txtName;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label6;
    QComboBox* cboDate;
    QComboBox* cboMonth;
    QComboBox* cboYear;
    QPushButton* cmdNext;
    QGroupBox* Frame5;
    QPushButton* cmdExit;
    LinkLabel* lblFullBrand;
    LinkLabel* lblCobrand;

    QMenu* mnuFile;
    QAction* mnuFindWarriorSign;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mnuMakeMoneyOnline;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void createMenus();
};
