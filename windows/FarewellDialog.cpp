#include "windows/FarewellDialog.h"

#include "LinkLabel.h"
#include "links/Referral.h"
#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"
#include "platform/Random.h"
#include "windows/Style.h"

#include <QAccessible>
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

namespace windows {

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
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(text) > widget->width() - padding)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

const QString suiteText =
    QStringLiteral(
        "If you have enjoyed this software you will surely be interested in our other Quillon Softwares. From a "
        "single software, we have now grown to become the world\u2019s largest resource of quillon softwares. Be it "
        "astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a "
        "wide choice depending on their interests.")
    + QString(61, u' ')
    + QStringLiteral("All the programs in the Quillon Softwares suite are simple and easy to use. They are not "
                     "only fun to use but also very informative. Try them out today and share your experience "
                     "with your friends and family. ");

// The four appeals, one of them drawn as the dialog loads.
const char16_t* const appeals[] = {
    u"Quillon Softwares, such as this can be created and maintained only with your support. The best way to "
    u"support Quillon Board is to visit Zentrova regularly and take part in the discussions and other activities "
    u"on the board.",
    u"Visit Zentrova regularly. Support Zentrova by taking part in the discussions and other activities. These "
    u"softwares cannot be supported and maintained, without you regularly visiting Zentrova",
    u"Zentrova is a FREE online discussion forum for all things quillon. To help Zentrova develop and maintain this "
    u"software visit Zentrova regularly.",
    u"Zentrova needs your help. All you need to do is visit Zentrova regularly and take part in the various "
    u"discussions and activites to help us maintain and develop more Quillon Softwares.",
};

// Where each box of the referral form sits, in the order of links::ReferralFields.
const QRect boxPlaces[] = {twips(85, 360, 3375, 285), twips(3600, 360, 3375, 285), twips(4800, 3600, 1815, 495),
                           twips(85, 720, 3375, 285), twips(3600, 720, 3375, 285)};

}  // namespace

FarewellDialog::FarewellDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    style::setFixedFrame(this);
    // Kept above every other window, the browser windows its links open too.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFixedSize(px(11115), px(4725));
    style::followDesktop(this);
    style::setBackground(this, style::White);
    style::setTextColor(this, style::Black);  // the caption's, on the dialog's own white

    makeHeading();
    m_visitButton = new QPushButton(QStringLiteral("Click Here To Visit Zentrova Now"), this);
    m_visitButton->setObjectName(QStringLiteral("Check1"));
    // A plain button that pops back up after every press; a screen reader's
    // Press opens the page as a click does.
    m_visitButton->setGeometry(twips(30, 2040, 7185, 555));
    m_visitButton->setFont(style::verdana(14.25));
    m_visitButton->setCursor(Qt::PointingHandCursor);
    style::setTextColor(m_visitButton, style::LinkBlue);
    fitWidth(m_visitButton, m_visitButton->text(), 16);

    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("cmdClose"));
    exitButton->setGeometry(twips(6000, 2760, 1245, 375));

    QPushButton* referButton = makeReferralForm();
    makeSoftwaresPanel();
    // No default button: Enter presses the button that has the focus. The
    // dialog would make the first of these after Exit its default as it shows.
    exitButton->setAutoDefault(true);
    for (QPushButton* button : {m_visitButton, referButton})
        button->setAutoDefault(false);

    setTabOrder(exitButton, m_visitButton);
    setTabOrder(m_visitButton, m_boxes[links::ReferrerName]);
    setTabOrder(m_boxes[links::ReferrerName], referButton);
    QWidget* previous = referButton;
    for (const int box : {links::ReferrerEmail, links::FriendEmail, links::FriendName, links::Message})
        setTabOrder(std::exchange(previous, m_boxes[box]), m_boxes[box]);
    exitButton->setFocus();

    connect(exitButton, &QPushButton::clicked, this, &FarewellDialog::exitRequested);
    connect(m_visitButton, &QPushButton::clicked, this, &links::openHomePage);
    connect(referButton, &QPushButton::clicked, this, &FarewellDialog::refer);

    setWindowTitle(QLatin1String(program::WindowCaption));
    m_caption->setText(QLatin1String(program::WindowCaption));
    m_caption->adjustSize();
    const QIcon icon = style::programIcon();
    setWindowIcon(icon);
    m_icon->setPixmap(icon.pixmap(32, 32));
    drawAppeal();
}

// The icon, the caption and the appeal at the top.
void FarewellDialog::makeHeading()
{
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    m_icon->setGeometry(twips(360, 120, 540, 540));
    m_icon->setAlignment(Qt::AlignCenter);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    QFont captionFont(QStringLiteral("MS Sans Serif"));
    captionFont.setPointSize(18);
    m_caption->setFont(captionFont);
    m_caption->move(px(1080), px(240));

    m_appeal = new QLabel(this);
    m_appeal->setObjectName(QStringLiteral("Label2"));
    m_appeal->setGeometry(twips(120, 840, 6975, 1095));
    m_appeal->setWordWrap(true);
    m_appeal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_appeal->setFont(style::verdana(9.75, true));
    m_appeal->setFocusPolicy(Qt::NoFocus);
    style::setTextColor(m_appeal, style::Black);
}

// The refer-a-friend form (Frame2): the five boxes and the button that
// sends them, which it returns.
QPushButton* FarewellDialog::makeReferralForm()
{
    QGroupBox* form = makeNavyFrame("Frame2", QStringLiteral("Refer A Friend"), twips(120, 3240, 7065, 1455));
    for (std::size_t box = 0; box < links::ReferralFields.size(); ++box) {
        const links::ReferralField& field = links::ReferralFields[box];
        const QString placeholder = QString::fromUtf16(field.placeholder);
        if (box == links::Message) {
            // Below the frame's visible area: reached only with Tab, and sent
            // as it stands when left alone.
            auto* message = new QPlainTextEdit(form);
            message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            message->setTabChangesFocus(true);
            // Broken into lines anywhere, not only between words, a pasted
            // mebibyte without a space is laid out in a moment, not minutes.
            message->setWordWrapMode(QTextOption::WrapAnywhere);
            m_boxes[box] = message;
        } else {
            auto* line = new QLineEdit(placeholder, form);
            line->setFont(style::verdana(8.25));
            m_boxes[box] = line;
        }
        m_boxes[box]->setObjectName(QLatin1String(field.boxName));
        m_boxes[box]->setGeometry(boxPlaces[box]);
        m_boxes[box]->setAccessibleName(placeholder);
        m_boxes[box]->installEventFilter(this);
    }
    setTextOf(links::Message, QStringLiteral("Your Message\r\n"));

    auto* referButton = new QPushButton(QStringLiteral("Refer A Friend &Now"), form);
    referButton->setObjectName(QStringLiteral("cmdSubmit"));
    referButton->setGeometry(twips(1920, 1080, 3375, 285));
    referButton->setFont(style::verdana(8.25, true));
    fitWidth(referButton, referButton->text(), 12);
    return referButton;
}

// The panel of the maker's other programs (Frame6), with its link.
void FarewellDialog::makeSoftwaresPanel()
{
    QGroupBox* panel =
        makeNavyFrame("Frame6", QStringLiteral("Download Quillon Softwares"), twips(7320, 120, 3735, 4575));
    auto* text = new QLabel(suiteText, panel);
    text->setObjectName(QStringLiteral("Label3"));
    text->setGeometry(twips(120, 360, 3495, 3855));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setFont(style::verdana(9));
    text->setFocusPolicy(Qt::NoFocus);
    style::setTextColor(text, style::WhiteOnNavy);

    auto* link = new LinkLabel(QStringLiteral("Click Here To Visit Quillon Softwares"), panel);
    link->setObjectName(QStringLiteral("lblGoToHome"));
    link->setGeometry(twips(75, 4250, 3585, 210));
    QFont linkFont = style::verdana(9, true);
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    style::setTextColor(link, style::YellowOnNavy);
    fitWidth(link, link->text(), 2);
    connect(link, &LinkLabel::clicked, this, &links::openSoftwaresPage);
}

QGroupBox* FarewellDialog::makeNavyFrame(const char* name, const QString& title, const QRect& geometry)
{
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFont(style::verdana(9.75, true));
    style::setBackground(frame, style::Navy);
    style::setTextColor(frame, style::WhiteOnNavy);
    return frame;
}

void FarewellDialog::drawAppeal()
{
    platform::seedRandomFromClock();
    const int k = std::min(static_cast<int>(platform::nextRandom() * 4.0), 3);
    m_appeal->setText(QString::fromUtf16(appeals[k]));
}

void FarewellDialog::showEvent(QShowEvent* event)
{
    // On Wayland the compositor places every window; asking to is refused
    // with a warning.
    if (!m_centred && !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        m_centred = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void FarewellDialog::closeEvent(QCloseEvent* event)
{
    // The program's flow decides whether and how the window goes.
    event->ignore();
    emit exitRequested();
}

void FarewellDialog::keyPressEvent(QKeyEvent* event)
{
    // No default and no cancel button here: Escape does nothing, and Enter
    // presses the button that has the focus or, in a box, nothing.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && key != Qt::Key_Escape)
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

int FarewellDialog::boxOf(const QObject* watched) const
{
    const auto found = std::find(m_boxes.begin(), m_boxes.end(), watched);
    return found == m_boxes.end() ? -1 : int(found - m_boxes.begin());
}

QString FarewellDialog::textOf(int box) const
{
    // The message box keeps its line breaks as carriage return and line feed.
    if (const auto* message = qobject_cast<const QPlainTextEdit*>(m_boxes[box]))
        return message->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    return qobject_cast<const QLineEdit*>(m_boxes[box])->text();
}

void FarewellDialog::setTextOf(int box, const QString& text)
{
    if (auto* message = qobject_cast<QPlainTextEdit*>(m_boxes[box]))
        message->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else
        qobject_cast<QLineEdit*>(m_boxes[box])->setText(text);
}

bool FarewellDialog::eventFilter(QObject* watched, QEvent* event)
{
    const int box = boxOf(watched);
    if (box < 0)
        return QDialog::eventFilter(watched, event);
    const QString placeholder = QString::fromUtf16(links::ReferralFields[box].placeholder);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only moves within the dialog count; a message box or another
        // application taking the focus for a while does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString trimmed = links::trimSpaces(textOf(box));
        if (event->type() == QEvent::FocusIn && trimmed == placeholder) {
            // Qt 6.4 and 6.8 tell a screen reader of the emptied text before
            // they tell of the focus, and Orca 43 and 48 then take the box as
            // announced and never name it. Untold, the empty box is read as
            // it is named. This can go once Qt tells of the focus first:
            // scripts/screen-reader.sh hears whether the box is named.
            const QAccessible::UpdateHandler told = QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
            setTextOf(box, QString());
            QAccessible::installUpdateHandler(told);
        } else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            setTextOf(box, placeholder);
        break;
    }
    case QEvent::KeyPress:
        if ((box == links::ReferrerEmail || box == links::FriendEmail)
            && static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
            platform::showMessage(QStringLiteral("Email Address Cannot Contain Space"), platform::Refusal);
            m_boxes[box]->setFocus();
            return true;
        }
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void FarewellDialog::refer()
{
    links::Referral values;
    for (std::size_t box = 0; box < values.size(); ++box)
        values[box] = textOf(int(box));
    if (const std::optional<links::ReferralProblem> problem = links::referralProblem(values)) {
        platform::showMessage(problem->message, platform::Refusal);
        if (problem->tooLong)
            m_boxes[*problem->tooLong]->setFocus();
        return;
    }
    links::sendReferral(values);
}

}  // namespace windows
