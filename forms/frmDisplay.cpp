#include "forms/frmDisplay.h"

#include "forms/Common.h"
#include "forms/LinkLabel.h"
#include "forms/Style.h"
#include "forms/WrapLabel.h"
#include "forms/frmAbout.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "links/modHelp.h"
#include "sign/SignReadings.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* makeLabel(const char* name, const QString& text, const QColor& color, bool bold, QWidget* parent)
{
    auto* label = new WrapLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(style::Verdana(8.25, bold));
    style::setTextColor(label, color);
    return label;
}
}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
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
    Label61->setFixedWidth(480);
    style::setTextColor(Label61, style::Red);
    style::setBackground(Label61, style::White);
    (new QVBoxLayout(Frame2))->addWidget(Label61);
    column->addWidget(Frame2);

    fraWarriorSign = new QGroupBox(QStringLiteral("Ardentis"), central);
    fraWarriorSign->setObjectName(QStringLiteral("fraWarriorSign"));
    fraWarriorSign->setFont(style::Verdana(8.25, true));
    style::setTextColor(fraWarriorSign, style::DarkGreen);
    style::setBackground(fraWarriorSign, style::LightGreen);
    auto* result = new QVBoxLayout(fraWarriorSign);
    Label2 = makeLabel("Label2", QStringLiteral("Pallas is known as  Warrior Asteroid"), style::DarkGreen, true,
                       fraWarriorSign);
    Label12 = makeLabel("Label12", QStringLiteral("Pallas in your Chart is Placed in"), style::DarkGreen, true,
                        fraWarriorSign);
    lblWarriorSign = makeLabel("lblWarriorSign", QStringLiteral("lblWarriorSign"), style::DarkRed, true,
                               fraWarriorSign);
    lblWarriorSign->setAlignment(Qt::AlignCenter);
    lblWarriorSign->setFont(style::Verdana(12, true));
    lblSignDesc = makeLabel("lblSignDesc", modPlanetSign::DefaultSignDescription(), style::DarkRed, false,
                            fraWarriorSign);
    lblSignDesc->setAlignment(Qt::AlignCenter);
    lblSignDesc->setWordWrap(true);
    lblSignDesc->setFixedWidth(480);
    lblSignDesc->setMinimumHeight(lblSignDesc->fontMetrics().lineSpacing() * 5);
    for (QLabel* label : {Label2, Label12, lblWarriorSign, lblSignDesc})
        result->addWidget(label);
    // A screen reader reads out the sign and its reading themselves (a name
    // would hide them) and says what they are from these descriptions.
    lblWarriorSign->setAccessibleDescription(QStringLiteral("Warrior sign"));
    lblSignDesc->setAccessibleDescription(QStringLiteral("Reading"));
    column->addWidget(fraWarriorSign);

    auto* buttons = new QHBoxLayout;
    cmdBack = new QPushButton(QStringLiteral("&Back"), central);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdExit = new QPushButton(QStringLiteral("&Exit"), central);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    buttons->addWidget(cmdBack, 3);
    buttons->addStretch(1);
    buttons->addWidget(cmdExit, 1);
    column->addLayout(buttons);
    cmdBack->setAutoDefault(true);
    cmdExit->setAutoDefault(true);
    cmdExit->setDefault(true);

    Frame5 = new QGroupBox(central);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* offers = new QGridLayout(Frame5);
    // Full-brand was laid over co-brand, and here nothing reorders them.
    lblCobrand = new LinkLabel(CobrandText(), Frame5);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    lblFullBrand = new LinkLabel(FullBrandText(), Frame5);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel* offer : {lblCobrand, lblFullBrand}) {
        offer->setWordWrap(true);
        offer->setAlignment(Qt::AlignCenter);
        offer->setFixedWidth(480);
        style::setTextColor(offer, style::Blue);
        style::setBackground(offer, palette().color(QPalette::Window));
        offers->addWidget(offer, 0, 0);
    }
    column->addWidget(Frame5);

    setCentralWidget(central);
    const AppMenus menus = buildMenus(menuBar(), MenuVariant::Display);
    mnuFile = menus.file;
    mnuFileBack = menus.fileFirst;
    mnuExit = menus.exit;
    mnuHelp = menus.help;
    mnuOnline = menus.online;
    mnuVisit = menus.visit;
    mnuUpdate = menus.update;
    mnuAbout = menus.about;
    mnuDonate = menus.donate;
    mnuMakeMoneyOnline = menus.makeMoneyOnline;

    setTabOrder(cmdExit, cmdBack);
    cmdExit->setFocus();

    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmDisplay::mnuAbout_Click);
    connect(Label61, &LinkLabel::clicked, this, &modHelp::OpenHomePage);
    connect(lblCobrand, &LinkLabel::clicked, this, &modHelp::OpenCoBrandPage);
    connect(lblFullBrand, &LinkLabel::clicked, this, &modHelp::OpenFullBrandPage);
}

void frmDisplay::cmdBack_Click()
{
    Forms::Unload(this);
    Forms::Main()->show();
    Forms::NagScreen2()->hide();
}

void frmDisplay::cmdExit_Click()
{
    Forms::Unload(this);
}

void frmDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

void frmDisplay::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmDisplay::Form_Unload()
{
    Forms::NagScreen2()->show();
}

void frmDisplay::keyPressEvent(QKeyEvent* event)
{
    if (IsExitKey(event)) {
        cmdExit->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmDisplay::closeEvent(QCloseEvent* event)
{
    Forms::Unload(this);
    event->accept();
}
