#include "windows/EntryWindow.h"

#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"
#include "sign/SignLookup.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ProgramMenus.h"
#include "windows/ResultWindow.h"
#include "windows/Style.h"
#include "windows/WrapLabel.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* makeLabel(const char* name, const QString& text, const style::Tone& color, bool bold, QWidget* parent)
{
    auto* label = new WrapLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(style::verdana(8.25, bold));
    style::setTextColor(label, color);
    return label;
}

QComboBox* makeList(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    return list;
}

QGroupBox* makeFrame(const char* name, QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

void showNotice(const char16_t* text)
{
    platform::showMessage(QString::fromUtf16(text), platform::Notice);
}

}  // namespace

EntryWindow::EntryWindow(QWidget* parent) : ProgramWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(program::WindowCaption));
    setFont(style::verdana());
    style::setFixedFrame(this);
    style::followDesktop(this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSizeConstraint(QLayout::SetFixedSize);

    QGroupBox* bannerFrame = makeFrame("Frame2", central);
    auto* bannerLink = new LinkLabel(bannerText(), bannerFrame);
    bannerLink->setObjectName(QStringLiteral("Label61"));
    bannerLink->setAlignment(Qt::AlignCenter);
    bannerLink->setWordWrap(true);
    style::setTextColor(bannerLink, style::Red);
    style::setBackground(bannerLink, style::White);
    (new QVBoxLayout(bannerFrame))->addWidget(bannerLink);
    column->addWidget(bannerFrame);

    QGroupBox* entryFrame = makeFrame("Frame1", central);
    auto* entryColumn = new QVBoxLayout(entryFrame);
    QLabel* description = makeLabel("Label3", QStringLiteral(
        "QX Free Ardentis describes your characteristics based on the placement of Pallas in your birth "
        "chart. Pallas is an asteroid which is considered to be the symbol of War. This sign describes your "
        "pattern recognition and problem solving skills and how you react in adverse situations."),
        style::DarkGreen, false, entryFrame);
    description->setAlignment(Qt::AlignCenter);
    description->setWordWrap(true);
    entryColumn->addWidget(description);

    auto* entryArea = new QFrame(entryFrame);
    entryArea->setFrameShape(QFrame::Box);
    entryArea->setObjectName(QStringLiteral("Picture1"));
    auto* grid = new QGridLayout(entryArea);
    QLabel* nameCaption = makeLabel("Label1", QStringLiteral("Name"), style::Red, true, entryArea);
    m_nameBox = new QLineEdit(entryArea);
    m_nameBox->setObjectName(QStringLiteral("txtName"));
    m_nameBox->setFont(style::verdana(8.25, true));
    m_nameBox->setAccessibleName(QStringLiteral("Name"));
    // Every character goes through the letter filter: no pasting round it,
    // no composing of characters it would refuse.
    m_nameBox->setContextMenuPolicy(Qt::NoContextMenu);
    m_nameBox->setDragEnabled(false);
    m_nameBox->setAcceptDrops(false);
    m_nameBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_nameBox->installEventFilter(this);
    nameCaption->setBuddy(m_nameBox);

    QLabel* dateOfBirthCaption = makeLabel("Label2", QStringLiteral("Date Of Birth"), style::Red, true, entryArea);
    QLabel* dayCaption = makeLabel("Label5", QStringLiteral("Date"), style::Red, false, entryArea);
    QLabel* monthCaption = makeLabel("Label7", QStringLiteral("Month"), style::Red, false, entryArea);
    QLabel* yearCaption = makeLabel("Label6", QStringLiteral("Year"), style::Red, false, entryArea);
    m_dayList = makeList("cboDate", QStringLiteral("Date of birth: day"), entryArea);
    m_monthList = makeList("cboMonth", QStringLiteral("Date of birth: month"), entryArea);
    m_yearList = makeList("cboYear", QStringLiteral("Date of birth: year"), entryArea);
    // Tied to their captions, which is how a reader on Linux names a list.
    dayCaption->setBuddy(m_dayList);
    monthCaption->setBuddy(m_monthList);
    yearCaption->setBuddy(m_yearList);

    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(m_nameBox, 0, 1, 1, 3);
    grid->addWidget(dayCaption, 1, 1);
    grid->addWidget(monthCaption, 1, 2);
    grid->addWidget(yearCaption, 1, 3);
    grid->addWidget(dateOfBirthCaption, 2, 0);
    grid->addWidget(m_dayList, 2, 1);
    grid->addWidget(m_monthList, 2, 2);
    grid->addWidget(m_yearList, 2, 3);
    entryColumn->addWidget(entryArea);

    m_findButton = new QPushButton(QStringLiteral("Find My &Ardentis"), entryFrame);
    m_findButton->setObjectName(QStringLiteral("cmdNext"));
    entryColumn->addWidget(m_findButton, 0, Qt::AlignHCenter);
    column->addWidget(entryFrame);

    QGroupBox* offerFrame = makeFrame("Frame5", central);
    auto* offerGrid = new QGridLayout(offerFrame);
    // The two offers share one cell; the one raised last is the one seen.
    m_fullBrandOffer = new LinkLabel(fullBrandOfferText(), offerFrame);
    m_fullBrandOffer->setObjectName(QStringLiteral("lblFullBrand"));
    m_coBrandOffer = new LinkLabel(coBrandOfferText(), offerFrame);
    m_coBrandOffer->setObjectName(QStringLiteral("lblCobrand"));
    for (LinkLabel* offer : {m_fullBrandOffer, m_coBrandOffer}) {
        offer->setWordWrap(true);
        offer->setFixedWidth(383);
        style::setTextColor(offer, style::Blue);
        style::setBackground(offer, style::Surface);  // the one in front hides the other
        offerGrid->addWidget(offer, 0, 0);
    }
    auto* exitButton = new QPushButton(QStringLiteral("&Exit"), offerFrame);
    exitButton->setObjectName(QStringLiteral("cmdExit"));
    offerGrid->addWidget(exitButton, 0, 1, Qt::AlignVCenter);
    column->addWidget(offerFrame);

    bannerLink->setFixedWidth(480);
    description->setFixedWidth(480);

    // Enter on a button presses that button; anywhere else it means Exit.
    m_findButton->setAutoDefault(true);
    exitButton->setAutoDefault(true);
    exitButton->setDefault(true);

    setCentralWidget(central);
    const ProgramMenus menus = ProgramMenus::build(menuBar(), ProgramMenus::Window::Entry);
    connect(menus.firstFileItem, &QAction::triggered, this, &EntryWindow::find);
    connectExitAndAbout(exitButton, menus);

    setTabOrder(m_nameBox, m_dayList);
    setTabOrder(m_dayList, m_monthList);
    setTabOrder(m_monthList, m_yearList);
    setTabOrder(m_yearList, m_findButton);
    setTabOrder(m_findButton, exitButton);
    m_nameBox->setFocus();

    connect(m_findButton, &QPushButton::clicked, this, &EntryWindow::find);
    connect(bannerLink, &LinkLabel::clicked, this, &links::openHomePage);
    connect(m_fullBrandOffer, &LinkLabel::clicked, this, &links::openFullBrandPage);
    connect(m_coBrandOffer, &LinkLabel::clicked, this, &links::openCoBrandPage);

    fillDateLists();
}

void EntryWindow::fillDateLists()
{
    for (int day = 1; day <= 31; ++day)
        m_dayList->addItem(QString::number(day));
    for (const QString& month : sign::monthNames())
        m_monthList->addItem(month);
    for (int year = sign::FirstYear; year <= sign::LastYear; ++year)
        m_yearList->addItem(QString::number(year));
    m_dayList->setCurrentIndex(0);
    m_monthList->setCurrentIndex(0);
    m_yearList->setCurrentIndex(0);
}

void EntryWindow::bringOfferToFront(Offer offer)
{
    (offer == Offer::FullBrand ? m_fullBrandOffer : m_coBrandOffer)->raise();
}

void EntryWindow::filterNameKey(int& keyAscii)
{
    if ((keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z')) {
        if (keyAscii >= 'a')
            keyAscii -= 32;  // the name is always shown in capitals
        return;
    }
    if (keyAscii == 8 || keyAscii == 13 || keyAscii == 32)
        return;
    showNotice(u"Please Enter only Letters");
    keyAscii = 0;
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_nameBox)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
        return true;  // no pasting of the selection round the letter filter
    if (event->type() == QEvent::KeyPress)
        return filterNameBoxKey(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// The character a key typed with Ctrl stands for, as Windows types it: Ctrl
// and a letter the codes 1 to 26, Ctrl+[ \ ] ^ _ the codes 27 to 31, Ctrl+Enter
// a line feed and Ctrl+Backspace DEL. -1 for a key that types nothing.
int controlCharacter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_BracketLeft: return 27;
    case Qt::Key_Backslash: return 28;
    case Qt::Key_BracketRight: return 29;
    case Qt::Key_AsciiCircum: case Qt::Key_6: return 30;
    case Qt::Key_Underscore: case Qt::Key_Minus: return 31;
    case Qt::Key_Return: case Qt::Key_Enter: return 10;
    case Qt::Key_Backspace: return 127;
    default: return -1;
    }
}

}  // namespace

bool EntryWindow::filterNameBoxKey(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & (Qt::AltModifier | Qt::MetaModifier);

    // Keys that move the focus or press a button never reach the filter.
    switch (key->key()) {
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Escape:
        return false;
    case Qt::Key_Backspace: case Qt::Key_Return: case Qt::Key_Enter:
        if (!control && !alt)
            return false;  // 8 and 13: let through as they are
        break;
    default:
        break;
    }

    // AltGr arrives as Ctrl+Alt on Windows, carrying the character it typed.
    const QString text = key->text();
    const bool typedCharacter = !text.isEmpty() && text.at(0).isPrint();
    int keyAscii = -1;
    if (control && alt && typedCharacter) {
        keyAscii = text.size() == 1 ? text.at(0).unicode() : 0xFFFF;
    } else if (alt) {
        return true;  // not typing: an unused menu key goes nowhere
    } else if (key->matches(QKeySequence::Paste)) {
        keyAscii = 22;  // Shift+Insert pastes like Ctrl+V, and is refused the same way
    } else if (control) {
        // Ctrl with a key that types nothing (arrows, Home, Delete) moves and edits as usual.
        keyAscii = controlCharacter(key->key());
        if (keyAscii < 0)
            return false;
    } else {
        if (text.isEmpty())
            return false;  // arrows, Home, Delete: no character is typed
        keyAscii = text.size() == 1 ? text.at(0).unicode() : 0xFFFF;
    }

    const int typed = keyAscii;
    filterNameKey(keyAscii);
    if (keyAscii == 0)
        return true;
    // The box itself types nothing while Ctrl and Alt are down (AltGr).
    if (keyAscii != typed || (control && alt)) {
        m_nameBox->insert(QString(QChar(keyAscii)));
        return true;
    }
    return false;
}

bool EntryWindow::validateInput()
{
    const int day = m_dayList->currentIndex();
    const int month = m_monthList->currentIndex();
    if (m_nameBox->text().isEmpty()) {
        showNotice(u"Please Enter Your Name");
        m_nameBox->setFocus();
        return false;
    }
    if (month == 1 && (day == 29 || day == 30)) {
        showNotice(u"Please Enter Your Correct Date of Birth!");
        return false;
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30) {
        showNotice(u"Please Enter Your Correct Date of Birth !");
        return false;
    }
    const int year = m_yearList->currentText().toInt();
    if (year % 4 != 0 && month == 1 && day == 28) {
        showNotice(u"Please Enter Correct Date Or Month!");
        return false;
    }
    return true;
}

void EntryWindow::find()
{
    if (!validateInput())
        return;
    if (const auto found = sign::findSign(m_yearList->currentText(), m_monthList->currentText(),
                                          m_dayList->currentText()))
        m_lastSign = found;

    ResultWindow* result = windows::resultWindow();
    result->showSign(m_lastSign);
    hide();
    windows::farewellDialog()->hide();
    result->show();
}
