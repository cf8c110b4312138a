#include "windows/ResultWindow.h"

#include "links/WebPages.h"
#include "platform/ProgramInfo.h"
#include "sign/SignReadings.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ProgramMenus.h"
#include "windows/Style.h"
#include "windows/WrapLabel.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
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
}  // namespace

ResultWindow::ResultWindow(QWidget* parent) : ProgramWindow(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QLatin1String(program::WindowCaption));
    setFont(style::verdana());
    style::setFixedFrame(this);
    style::followDesktop(this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSizeConstraint(QLayout::SetFixedSize);

    auto* bannerFrame = new QGroupBox(central);
    bannerFrame->setObjectName(QStringLiteral("Frame2"));
    auto* bannerLink = new LinkLabel(bannerText(), bannerFrame);
    bannerLink->setObjectName(QStringLiteral("Label61"));
    bannerLink->setAlignment(Qt::AlignCenter);
    bannerLink->setWordWrap(true);
    bannerLink->setFixedWidth(480);
    style::setTextColor(bannerLink, style::Red);
    style::setBackground(bannerLink, style::White);
    (new QVBoxLayout(bannerFrame))->addWidget(bannerLink);
    column->addWidget(bannerFrame);

    auto* resultFrame = new QGroupBox(QStringLiteral("Ardentis"), central);
    resultFrame->setObjectName(QStringLiteral("fraWarriorSign"));
    resultFrame->setFont(style::verdana(8.25, true));
    style::setTextColor(resultFrame, style::DarkGreen);
    style::setBackground(resultFrame, style::LightGreen);
    auto* result = new QVBoxLayout(resultFrame);
    QLabel* pallasHeading = makeLabel("Label2", QStringLiteral("Pallas is known as  Warrior Asteroid"),
                                      style::DarkGreen, true, resultFrame);
    QLabel* placedHeading = makeLabel("Label12", QStringLiteral("Pallas in your Chart is Placed in"),
                                      style::DarkGreen, true, resultFrame);
    m_warriorSign = makeLabel("lblWarriorSign", QStringLiteral("lblWarriorSign"), style::DarkRed, true,
                              resultFrame);
    m_warriorSign->setAlignment(Qt::AlignCenter);
    m_warriorSign->setFont(style::verdana(12, true));
    m_reading = makeLabel("lblSignDesc", sign::defaultReading(), style::DarkRed, false, resultFrame);
    m_reading->setAlignment(Qt::AlignCenter);
    m_reading->setWordWrap(true);
    m_reading->setFixedWidth(480);
    m_reading->setMinimumHeight(m_reading->fontMetrics().lineSpacing() * 5);
    for (QLabel* label : {pallasHeading, placedHeading, m_warriorSign, m_reading})
        result->addWidget(label);
    // A screen reader reads out the sign and its reading themselves (a name
    // would hide them) and says what they are from these descriptions.
    m_warriorSign->setAccessibleDescription(QStringLiteral("Warrior sign"));
    m_reading->setAccessibleDescription(QStringLiteral("Reading"));
    column->addWidget(resultFrame);

    auto* buttons = new QHBoxLayout;
    auto* backButton = new QPushButton(QStringLiteral("&Back"), central);
    backButton->setObjectName(QStringLiteral("cmdBack"));
    auto* exitButton = new QPushButton(QStringLiteral("&Exit"), central);
    exitButton->setObjectName(QStringLiteral("cmdExit"));
    buttons->addWidget(backButton, 3);
    buttons->addStretch(1);
    buttons->addWidget(exitButton, 1);
    column->addLayout(buttons);
    backButton->setAutoDefault(true);
    exitButton->setAutoDefault(true);
    exitButton->setDefault(true);

    auto* offerFrame = new QGroupBox(central);
    offerFrame->setObjectName(QStringLiteral("Frame5"));
    auto* offers = new QGridLayout(offerFrame);
    // Full-brand was laid over co-brand, and here nothing reorders them.
    auto* coBrandOffer = new LinkLabel(coBrandOfferText(), offerFrame);
    coBrandOffer->setObjectName(QStringLiteral("lblCobrand"));
    auto* fullBrandOffer = new LinkLabel(fullBrandOfferText(), offerFrame);
    fullBrandOffer->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel* offer : {coBrandOffer, fullBrandOffer}) {
        offer->setWordWrap(true);
        offer->setAlignment(Qt::AlignCenter);
        offer->setFixedWidth(480);
        style::setTextColor(offer, style::Blue);
        style::setBackground(offer, style::Surface);
        offers->addWidget(offer, 0, 0);
    }
    column->addWidget(offerFrame);

    setCentralWidget(central);
    const ProgramMenus menus = ProgramMenus::build(menuBar(), ProgramMenus::Window::Result);

    setTabOrder(exitButton, backButton);
    exitButton->setFocus();

    connect(backButton, &QPushButton::clicked, this, &ResultWindow::goBack);
    connect(menus.firstFileItem, &QAction::triggered, this, &ResultWindow::goBack);
    connectExitAndAbout(exitButton, menus);
    connect(bannerLink, &LinkLabel::clicked, this, &links::openHomePage);
    connect(coBrandOffer, &LinkLabel::clicked, this, &links::openCoBrandPage);
    connect(fullBrandOffer, &LinkLabel::clicked, this, &links::openFullBrandPage);
}

void ResultWindow::showSign(std::optional<sign::Sign> warriorSign)
{
    if (warriorSign)
        m_reading->setText(sign::signReading(*warriorSign));
    m_warriorSign->setText(warriorSign ? sign::signName(*warriorSign) : QString());
    // A screen reader reads a window's description as the window comes up:
    // the sign, then its reading, while the focus waits on Exit.
    QStringList result{m_warriorSign->text(), m_reading->text()};
    result.removeAll(QString());
    setAccessibleDescription(result.join(QStringLiteral(". ")));
}

void ResultWindow::goBack()
{
    // The farewell dialog is loaded as leaving would load it, but never shown
    // on the way: not even for a frame, nor to a screen reader.
    m_goingBack = true;
    windows::unload(this);
    windows::entryWindow()->show();
    windows::farewellDialog()->hide();
}

void ResultWindow::aboutToUnload()
{
    // Leaving loads the farewell dialog either way; only Back keeps it out of view.
    if (m_goingBack)
        windows::farewellDialog();
    else
        ProgramWindow::aboutToUnload();
}
