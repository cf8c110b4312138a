#include "forms/frmMain.h"

#include "forms/LinkLabel.h"
#include "forms/Common.h"
#include "forms/Style.h"
#include "forms/WrapLabel.h"
#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmNagScreen2.h"
#include "links/modHelp.h"
#include "platform/MessageBox.h"
#include "sign/SignReadings.h"
#include "sign/modPlanetSign.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* makeLabel(const QString& text, const QColor& color, bool bold, QWidget* parent)
{
    auto* label = new WrapLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(style::Verdana(8.25, bold));
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

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(style::WindowCaption));
    setFont(style::Verdana());
    style::setFixedFrame(this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSizeConstraint(QLayout::SetFixedSize);

    Frame2 = new QGroupBox(central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label61 = new LinkLabel(BannerText(), Frame2);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setAlignment(Qt::AlignCenter);
    Label61->setWordWrap(true);
    style::setTextColor(Label61, style::Red);
    style::setBackground(Label61, style::White);
    (new QVBoxLayout(Frame2))->addWidget(Label61);
    column->addWidget(Frame2);

    Frame1 = new QGroupBox(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frame1Column = new QVBoxLayout(Frame1);
    Label3 = makeLabel(QStringLiteral(
        "QX Free Ardentis describes your characteristics based on the placement of Pallas in your birth "
        "chart. Pallas is an asteroid which is considered to be the symbol of War. This sign describes your "
        "pattern recognition and problem solving skills and how you react in adverse situations."),
        style::DarkGreen, false, Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setWordWrap(true);
    frame1Column->addWidget(Label3);

    auto* picture = new QFrame(Frame1);
    picture->setFrameShape(QFrame::Box);
    Picture1 = picture;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto* grid = new QGridLayout(Picture1);
    Label1 = makeLabel(QStringLiteral("Name"), style::Red, true, Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtName = new QLineEdit(Picture1);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(style::Verdana(8.25, true));
    txtName->setAccessibleName(QStringLiteral("Name"));
    // Every character goes through the letter filter: no pasting round it,
    // no composing of characters it would refuse.
    txtName->setContextMenuPolicy(Qt::NoContextMenu);
    txtName->setDragEnabled(false);
    txtName->setAcceptDrops(false);
    txtName->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtName->installEventFilter(this);
    Label1->setBuddy(txtName);

    Label2 = makeLabel(QStringLiteral("Date Of Birth"), style::Red, true, Picture1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label5 = makeLabel(QStringLiteral("Date"), style::Red, false, Picture1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label7 = makeLabel(QStringLiteral("Month"), style::Red, false, Picture1);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label6 = makeLabel(QStringLiteral("Year"), style::Red, false, Picture1);
    Label6->setObjectName(QStringLiteral("Label6"));
    cboDate = makeList("cboDate", QStringLiteral("Date of birth: day"), Picture1);
    cboMonth = makeList("cboMonth", QStringLiteral("Date of birth: month"), Picture1);
    cboYear = makeList("cboYear", QStringLiteral("Date of birth: year"), Picture1);
    // Tied to their captions, which is how a reader on Linux names a list.
    Label5->setBuddy(cboDate);
    Label7->setBuddy(cboMonth);
    Label6->setBuddy(cboYear);

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 3);
    grid->addWidget(Label5, 1, 1);
    grid->addWidget(Label7, 1, 2);
    grid->addWidget(Label6, 1, 3);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(cboDate, 2, 1);
    grid->addWidget(cboMonth, 2, 2);
    grid->addWidget(cboYear, 2, 3);
    frame1Column->addWidget(Picture1);

    cmdNext = new QPushButton(QStringLiteral("Find My &Ardentis"), Frame1);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    frame1Column->addWidget(cmdNext, 0, Qt::AlignHCenter);
    column->addWidget(Frame1);

    Frame5 = new QGroupBox(central);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* frame5Grid = new QGridLayout(Frame5);
    // The two offers share one cell; the one raised last is the one seen.
    lblFullBrand = new LinkLabel(FullBrandText(), Frame5);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblCobrand = new LinkLabel(CobrandText(), Frame5);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    for (LinkLabel* offer : {lblFullBrand, lblCobrand}) {
        offer->setWordWrap(true);
        offer->setFixedWidth(383);
        style::setTextColor(offer, style::Blue);
        style::setBackground(offer, palette().color(QPalette::Window));
        frame5Grid->addWidget(offer, 0, 0);
    }
    cmdExit = new QPushButton(QStringLiteral("&Exit"), Frame5);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    frame5Grid->addWidget(cmdExit, 0, 1, Qt::AlignVCenter);
    column->addWidget(Frame5);

    for (QWidget* wrapped : {static_cast<QWidget*>(Label61), static_cast<QWidget*>(Label3)})
        wrapped->setFixedWidth(480);

    // Enter on a button presses that button; anywhere else it means Exit.
    cmdNext->setAutoDefault(true);
    cmdExit->setAutoDefault(true);
    cmdExit->setDefault(true);

    setCentralWidget(central);
    createMenus();

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);
    txtName->setFocus();

    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(Label61, &LinkLabel::clicked, this, &modHelp::OpenHomePage);
    connect(lblFullBrand, &LinkLabel::clicked, this, &modHelp::OpenFullBrandPage);
    connect(lblCobrand, &LinkLabel::clicked, this, &modHelp::OpenCoBrandPage);

    Form_Load();
}

void frmMain::createMenus()
{
    const AppMenus menus = buildMenus(menuBar(), MenuVariant::Main);
    mnuFile = menus.file;
    mnuHelp = menus.help;
    mnuExit = menus.exit;
    mnuOnline = menus.online;
    mnuVisit = menus.visit;
    mnuUpdate = menus.update;
    mnuAbout = menus.about;
    mnuDonate = menus.donate;
    mnuMakeMoneyOnline = menus.makeMoneyOnline;
    mnuFindWarriorSign = menus.fileFirst;
    connect(mnuFindWarriorSign, &QAction::triggered, this, &frmMain::cmdNext_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::Form_Load()
{
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (const QString& month : modPlanetSign::MonthNames())
        cboMonth->addItem(month);
    for (int year = modPlanetSign::FirstYear; year <= modPlanetSign::LastYear; ++year)
        cboYear->addItem(QString::number(year));
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::txtName_KeyPress(int& keyAscii)
{
    if ((keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z')) {
        if (keyAscii >= 'a')
            keyAscii -= 32;  // the name is always shown in capitals
        return;
    }
    if (keyAscii == 8 || keyAscii == 13 || keyAscii == 32)
        return;
    platform::MsgBox(QStringLiteral("Please Enter only Letters"), platform::vbOKOnly + platform::vbInformation);
    keyAscii = 0;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtName && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
        return true;  // no pasting of the selection round the letter filter
    if (watched != txtName || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;

    // Keys that move the focus or press a button never reach the filter.
    switch (key->key()) {
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Escape:
        return false;
    case Qt::Key_Backspace: case Qt::Key_Return: case Qt::Key_Enter:
        if (!(modifiers & Qt::ControlModifier))
            return false;  // 8 and 13: let through as they are
        break;
    default:
        break;
    }
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return true;  // not typing: an unused menu key goes nowhere

    int keyAscii = -1;
    if (key->matches(QKeySequence::Paste)) {
        keyAscii = 22;  // Shift+Insert pastes like Ctrl+V, and is refused the same way
    } else if (modifiers & Qt::ControlModifier) {
        // Ctrl+letter types a control character (Ctrl+C is 3, Ctrl+V is 22);
        // Ctrl with anything else types nothing.
        if (key->key() < Qt::Key_A || key->key() > Qt::Key_Z)
            return false;
        keyAscii = key->key() - Qt::Key_A + 1;
    } else {
        const QString text = key->text();
        if (text.isEmpty())
            return false;  // arrows, Home, Delete: no character is typed
        keyAscii = text.size() == 1 ? text.at(0).unicode() : 0xFFFF;
    }

    const int typed = keyAscii;
    txtName_KeyPress(keyAscii);
    if (keyAscii == 0)
        return true;
    if (keyAscii != typed) {
        txtName->insert(QString(QChar(keyAscii)));
        return true;
    }
    return false;
}

bool frmMain::ValidateInput()
{
    const int day = cboDate->currentIndex();
    const int month = cboMonth->currentIndex();
    if (txtName->text().isEmpty()) {
        platform::MsgBox(QStringLiteral("Please Enter Your Name"), platform::vbOKOnly + platform::vbInformation);
        txtName->setFocus();
        return false;
    }
    if (month == 1 && (day == 29 || day == 30)) {
        platform::MsgBox(QStringLiteral("Please Enter Your Correct Date of Birth!"),
                         platform::vbOKOnly + platform::vbInformation);
        return false;
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30) {
        platform::MsgBox(QStringLiteral("Please Enter Your Correct Date of Birth !"),
                         platform::vbOKOnly + platform::vbInformation);
        return false;
    }
    const int year = cboYear->currentText().toInt();
    if (year % 4 != 0 && month == 1 && day == 28) {
        platform::MsgBox(QStringLiteral("Please Enter Correct Date Or Month!"),
                         platform::vbOKOnly + platform::vbInformation);
        return false;
    }
    return true;
}

void frmMain::cmdNext_Click()
{
    if (!ValidateInput())
        return;
    using namespace modPlanetSign;
    LookupSign1930To1970(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());
    LookupSign1971To2012(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());

    frmDisplay* display = Forms::Display();
    if (const QString* reading = SignReading(SignResult))
        display->lblSignDesc->setText(*reading);
    display->lblWarriorSign->setText(SignResult);
    hide();
    Forms::NagScreen2()->hide();
    display->show();
}

void frmMain::cmdExit_Click()
{
    Forms::Unload(this);
}

void frmMain::mnuExit_Click()
{
    cmdExit_Click();
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::Form_Unload()
{
    Forms::NagScreen2()->show();
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Exit is both the default and the cancel button of this window.
    if (IsExitKey(event)) {
        cmdExit->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Forms::Unload(this);
    event->accept();
}
