#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace links {
struct Referral;
}

namespace windows {

class BoundedTextEdit;

// The farewell dialog (frmNagScreen2): the last window, with the
// refer-a-friend form. Leaving it in any way ends the program.
class FarewellDialog : public QDialog {
    Q_OBJECT
public:
    explicit FarewellDialog(QWidget* parent = nullptr);

    // The four appeals, one of them drawn when the dialog loads.
    static QString appealText(int k);

signals:
    // E&xit or the close box: the program ends.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void makeHeading();
    QPushButton* makeReferralForm();
    void makeSoftwaresPanel();
    QGroupBox* makeNavyFrame(const char* name, const QString& title, const QRect& geometry);
    void drawAppeal();
    // "Refer A Friend &Now": checks the form and sends the request.
    void referFriend();
    links::Referral referral() const;
    // The form's boxes show a placeholder while they are left empty.
    QString placeholderOf(const QObject* box) const;
    QString textOf(const QObject* box) const;
    void setTextOf(QObject* box, const QString& text);

    QLabel* m_icon;
    QLabel* m_caption;
    QLabel* m_appeal;
    QPushButton* m_visitButton;
    QLineEdit* m_referrerNameBox;
    QLineEdit* m_referrerEmailBox;
    QLineEdit* m_friendNameBox;
    QLineEdit* m_friendEmailBox;
    BoundedTextEdit* m_messageText;
    bool m_centred = false;
};

}  // namespace windows
