#pragma once

#include "forms/Forms.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LinkLabel;

// The farewell dialog: the last window, with the refer-a-friend form. Leaving
// it in any way ends the program.
class frmNagScreen2 : public QDialog, public UnloadHandler {
    Q_OBJECT
public:
    explicit frmNagScreen2(QWidget* parent = nullptr);

    void cmdClose_Click();
    void Check1_Click();
    void cmdSubmit_Click();
    void Form_Unload() override;

    // The four appeals, one of them drawn when the dialog loads.
    static QString AppealText(int k);

    QLabel* picNagscreen2Icon;
    QLabel* lblNagScreen2Caption;
    QLabel* Label2;
    QPushButton* Check1;
    QPushButton* cmdClose;
    QGroupBox* Frame2;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPushButton* cmdSubmit;
    QPlainTextEdit* txtMessage;
    QGroupBox* Frame6;
    QLabel* Label3;
    LinkLabel* lblGoToHome;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    QString placeholderOf(const QObject* box) const;
    QString textOf(const QObject* box) const;
    void setTextOf(QObject* box, const QString& text);
    bool m_centred = false;
};
