#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace windows {

// The farewell dialog (frmNagScreen2): the last window, with the
// refer-a-friend form. Leaving it in any way ends the program.
class FarewellDialog : public QDialog {
    Q_OBJECT
public:
    explicit FarewellDialog(QWidget* parent = nullptr);

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
    // The referral form's boxes, by links::ReferralBox: which one is
    // `watched` (-1 for none), and the text of each as it is sent.
    int boxOf(const QObject* watched) const;
    QString textOf(int box) const;
    void setTextOf(int box, const QString& text);
    // Refer A Friend Now: the form's checks, then the request.
    void refer();

    QLabel* m_icon;
    QLabel* m_caption;
    QLabel* m_appeal;
    QPushButton* m_visitButton;
    std::array<QWidget*, 5> m_boxes{};
    bool m_centred = false;
};

}  // namespace windows
