#include "forms/frmNagScreen2.h"

#include "forms/LinkLabel.h"
#include "forms/Style.h"
#include "links/modHelp.h"
#include "links/modTellAFriend.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The dialog is drawn in twips: 15 to a pixel at 96 dots per inch.
int px(int twips)
{
    return (twips + 7) / 15;
}

QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// The fonts this dialog was drawn for may be missing; a wider stand-in gets a
// smaller size rather than a cut-off text.
void fitWidth(QWidget* widget, const QString& text, int padding)
{
    QFont font = widget->font();
    while (font.pointSizeF() > 6.0
           && QFontMetrics(font).horizontalAdvance(text) > widget->width() - padding)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

const QString suiteText = QStringLiteral(
    "If you have enjoyed this software you will surely be interested in our other Quillon Softwares. From a "
    "single software, we have now grown to become the world\u2019s largest resource of quillon softwares. Be it "
    "astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a "
    "wide choice depending on their interests.")
    + QString(61, u' ')
    + QStringLiteral("All the programs in the Quillon Softwares suite are simple and easy to use. They are not "
                     "only fun to use but also very informative. Try them out today and share your experience "
                     "with your friends and family. ");

}  // namespace

QString frmNagScreen2::AppealText(int k)
{
    switch (k) {
    case 0:
        return QStringLiteral("Quillon Softwares, such as this can be created and maintained only with your "
                              "support. The best way to support Quillon Board is to visit Zentrova regularly "
                              "and take part in the discussions and other activities on the board.");
    case 1:
        return QStringLiteral("Visit Zentrova regularly. Support Zentrova by taking part in the discussions and "
                              "other activities. These softwares cannot be supported and maintained, without "
                              "you regularly visiting Zentrova");
    case 2:
        return QStringLiteral("Zentrova is a FREE online discussion forum for all things quillon. To help "
                              "Zentrova develop and maintain this software visit Zentrova regularly.");
    default:
        return QStringLiteral("Zentrova needs your help. All you need to do is visit Zentrova regularly and take "
                              "part in the various discussions and activites to help us maintain and develop "
                              "more Quillon Softwares.");
    }
}

frmNagScreen2::frmNagScreen2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    style::setFixedFrame(this);
    // Kept above every other window, the browser windows its links open too.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFixedSize(px(11115), px(4725));
    style::setBackground(this, style::White);

    picNagscreen2Icon = new QLabel(this);
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setGeometry(twips(360, 120, 540, 540));
    picNagscreen2Icon->setAlignment(Qt::AlignCenter);

    lblNagScreen2Caption = new QLabel(this);
    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    QFont captionFont(QStringLiteral("MS Sans Serif"));
    captionFont.setPointSize(18);
    lblNagScreen2Caption->setFont(captionFont);
    lblNagScreen2Caption->move(px(1080), px(240));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips(120, 840, 6975, 1095));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(style::Verdana(9.75, true));
    style::setTextColor(Label2, style::Black);

    Check1 = new QPushButton(QStringLiteral("Click Here To Visit Zentrova Now"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setCheckable(true);  // drawn as a button that stays down while checked
    Check1->setGeometry(twips(30, 2040, 7185, 555));
    Check1->setFont(style::Verdana(14.25));
    Check1->setCursor(Qt::PointingHandCursor);
    Check1->setAutoDefault(false);
    style::setTextColor(Check1, style::LinkBlue);

    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twips(6000, 2760, 1245, 375));

    const auto navyFrame = [this](const char* name, const QString& title, const QRect& geometry) {
        auto* frame = new QGroupBox(title, this);
        frame->setObjectName(QLatin1String(name));
        frame->setGeometry(geometry);
        frame->setFont(style::Verdana(9.75, true));
        style::setBackground(frame, style::Navy);
        style::setTextColor(frame, style::White);
        return frame;
    };
    Frame2 = navyFrame("Frame2", QStringLiteral("Refer A Friend"), twips(120, 3240, 7065, 1455));

    const auto box = [this](const char* name, const QString& placeholder, const QRect& geometry) {
        auto* edit = new QLineEdit(placeholder, Frame2);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(geometry);
        edit->setFont(style::Verdana(8.25));
        edit->setAccessibleName(placeholder);
        edit->installEventFilter(this);
        return edit;
    };
    txtName = box("txtName", QStringLiteral("Your Name"), twips(85, 360, 3375, 285));
    txtEmail = box("txtEmail", QStringLiteral("Your Email Address"), twips(3600, 360, 3375, 285));
    txtFriendName = box("txtFriendName", QStringLiteral("Friend's Name"), twips(85, 720, 3375, 285));
    txtFriendEmail = box("txtFriendEmail", QStringLiteral("Friend's Email Address"), twips(3600, 720, 3375, 285));

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setGeometry(twips(1920, 1080, 3375, 285));
    cmdSubmit->setFont(style::Verdana(8.25, true));
    style::setTextColor(cmdSubmit, style::Black);

    // Placed below the frame's visible area, as it always was: reachable only
    // with Tab, and sent as it stands when left alone.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(twips(4800, 3600, 1815, 495));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setAccessibleName(QStringLiteral("Your Message"));
    txtMessage->installEventFilter(this);
    setTextOf(txtMessage, QStringLiteral("Your Message\r\n"));

    Frame6 = navyFrame("Frame6", QStringLiteral("Download Quillon Softwares"), twips(7320, 120, 3735, 4575));
    Label3 = new QLabel(suiteText, Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips(120, 360, 3495, 3855));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setFont(style::Verdana(9));
    style::setTextColor(Label3, style::White);

    lblGoToHome = new LinkLabel(QStringLiteral("Click Here To Visit Quillon Softwares"), Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setGeometry(twips(75, 4250, 3585, 210));
    QFont linkFont = style::Verdana(9, true);
    linkFont.setUnderline(true);
    lblGoToHome->setFont(linkFont);
    style::setTextColor(lblGoToHome, style::Yellow);
    fitWidth(lblGoToHome, lblGoToHome->text(), 2);
    fitWidth(Check1, Check1->text(), 16);
    fitWidth(cmdSubmit, cmdSubmit->text(), 12);

    for (QWidget* unfocused : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3)})
        unfocused->setFocusPolicy(Qt::NoFocus);
    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    cmdClose->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(Check1, &QPushButton::clicked, this, &frmNagScreen2::Check1_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(lblGoToHome, &LinkLabel::clicked, this, &modHelp::OpenSoftwaresPage);

    Form_Load();
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(QLatin1String(style::WindowCaption));
    lblNagScreen2Caption->setText(QLatin1String(style::WindowCaption));
    lblNagScreen2Caption->adjustSize();
    const QIcon icon = style::ProgramIcon();
    setWindowIcon(icon);
    picNagscreen2Icon->setPixmap(icon.pixmap(32, 32));
    platform::Randomize();
    const int k = std::min(static_cast<int>(platform::Rnd() * 4.0), 3);
    Label2->setText(AppealText(k));
}

void frmNagScreen2::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void frmNagScreen2::cmdClose_Click()
{
    modHelp::EndProgram();
}

void frmNagScreen2::Form_Unload()
{
    modHelp::EndProgram();
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    event->accept();
    Forms::Unload(this);
}

void frmNagScreen2::keyPressEvent(QKeyEvent* event)
{
    // No cancel button here: Escape does not leave the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmNagScreen2::Check1_Click()
{
    // The button pops back up after every click, and every click opens the page.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        modHelp::OpenHomePage();
    }
}

QString frmNagScreen2::placeholderOf(const QObject* box) const
{
    if (box == txtName) return QStringLiteral("Your Name");
    if (box == txtEmail) return QStringLiteral("Your Email Address");
    if (box == txtFriendName) return QStringLiteral("Friend's Name");
    if (box == txtFriendEmail) return QStringLiteral("Friend's Email Address");
    if (box == txtMessage) return QStringLiteral("Your Message");
    return QString();
}

QString frmNagScreen2::textOf(const QObject* box) const
{
    // The message box keeps its line breaks as carriage return and line feed.
    if (box == txtMessage)
        return txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    return static_cast<const QLineEdit*>(box)->text();
}

void frmNagScreen2::setTextOf(QObject* box, const QString& text)
{
    if (box == txtMessage) {
        txtMessage->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return;
    }
    static_cast<QLineEdit*>(box)->setText(text);
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event)
{
    const QString placeholder = placeholderOf(watched);
    if (placeholder.isEmpty())
        return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only moves within the dialog count; a message box or another
        // application taking the focus for a while does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString trimmed = modTellAFriend::TrimSpaces(textOf(watched));
        if (event->type() == QEvent::FocusIn && trimmed == placeholder)
            setTextOf(watched, QString());
        else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            setTextOf(watched, placeholder);
        break;
    }
    case QEvent::KeyPress:
        if ((watched == txtEmail || watched == txtFriendEmail)
            && static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
            platform::MsgBox(QStringLiteral("Email Address Cannot Contain Space"),
                             platform::vbOKOnly + platform::vbCritical);
            static_cast<QWidget*>(watched)->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmNagScreen2::cmdSubmit_Click()
{
    using namespace modTellAFriend;
    strReferrerName = TrimSpaces(textOf(txtName));
    strReferrerEmail = TrimSpaces(textOf(txtEmail));
    strReferralMessage = TrimSpaces(textOf(txtMessage));
    strFriendName = TrimSpaces(textOf(txtFriendName));
    strFriendEmail = TrimSpaces(textOf(txtFriendEmail));
    const auto refuse = [](const char16_t* message) {
        platform::MsgBox(QString::fromUtf16(message), platform::vbOKOnly + platform::vbCritical);
    };
    if (strFriendEmail == strReferrerEmail) {
        refuse(u"Please Enter Distinct Email Addresses");
        return;
    }
    if (!strReferrerEmail.contains(u'@') || !strFriendEmail.contains(u'@')) {
        refuse(u"Please Enter Proper Email Address");
        return;
    }
    if (!strReferrerEmail.contains(u'.') || !strFriendEmail.contains(u'.')) {
        refuse(u"Please Enter Proper Email Address");
        return;
    }
    SubmitReferral();
}
