#include "windows/EntryWindow.h"

#include "NameBox.h"
#include "platform/MessageBox.h"
#include "sign/SignLookup.h"
#include "windows/Style.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace windows {

namespace {

// A list tied to its caption, and named by it: Orca 43 and 48 say a list's
// tied caption and, when it differs, its name too; Qt 6.4 and 6.8 would name
// a list after its choice, which the reader then says twice.
QComboBox* makeList(const char* name, QLabel* caption, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    caption->setBuddy(list);
    list->setAccessibleName(caption->text());
    return list;
}

void showNotice(const char16_t* text)
{
    platform::showMessage(QString::fromUtf16(text), platform::Notice);
}

}  // namespace

EntryWindow::EntryWindow(QWidget* parent) : ProgramWindow("frmMain", parent)
{

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(makeBanner(central));
    column->addWidget(makeEntryFrame(central));
    m_offers = new OfferFrame(Offer::CoBrand, 383, Qt::AlignLeft | Qt::AlignVCenter, central);
    auto* exitButton = new QPushButton(QStringLiteral("&Exit"), m_offers);
    exitButton->setObjectName(QStringLiteral("cmdExit"));
    m_offers->addBeside(exitButton);
    column->addWidget(m_offers);

    // Enter on a button presses that button; anywhere else it means Exit.
    m_findButton->setAutoDefault(true);
    exitButton->setAutoDefault(true);
    exitButton->setDefault(true);

    setCentralWidget(central);
    connect(buildMenus(Kind::Entry, exitButton), &QAction::triggered, this, &EntryWindow::findRequested);

    setTabOrder(m_nameBox, m_dayList);
    setTabOrder(m_dayList, m_monthList);
    setTabOrder(m_monthList, m_yearList);
    setTabOrder(m_yearList, m_findButton);
    setTabOrder(m_findButton, exitButton);
    m_nameBox->setFocus();

    connect(m_findButton, &QPushButton::clicked, this, &EntryWindow::findRequested);
    connect(m_nameBox, &NameBox::refused, this, [] { showNotice(u"Please Enter only Letters"); });

    fillDateLists();
}

// The description, the name and date, and the find button (Frame1).
QWidget* EntryWindow::makeEntryFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* column = new QVBoxLayout(frame);
    QLabel* description = makeLabel(
        "Label3",
        QStringLiteral(
            "QX Free Ardentis describes your characteristics based on the placement of Pallas in your birth "
            "chart. Pallas is an asteroid which is considered to be the symbol of War. This sign describes your "
            "pattern recognition and problem solving skills and how you react in adverse situations."),
        style::DarkGreen, false, frame);
    description->setAlignment(Qt::AlignCenter);
    description->setWordWrap(true);
    description->setFixedWidth(480);
    column->addWidget(description);
    column->addWidget(makeEntryArea(frame));

    m_findButton = new QPushButton(QStringLiteral("Find My &Ardentis"), frame);
    m_findButton->setObjectName(QStringLiteral("cmdNext"));
    column->addWidget(m_findButton, 0, Qt::AlignHCenter);
    return frame;
}

// The name box and the three date lists under their captions (Picture1).
QWidget* EntryWindow::makeEntryArea(QWidget* parent)
{
    auto* area = new QFrame(parent);
    area->setFrameShape(QFrame::Box);
    area->setObjectName(QStringLiteral("Picture1"));
    QLabel* nameCaption = makeLabel("Label1", QStringLiteral("Name"), style::Red, true, area);
    m_nameBox = new NameBox(area);
    m_nameBox->setObjectName(QStringLiteral("txtName"));
    m_nameBox->setFont(style::verdana(8.25, true));
    m_nameBox->setAccessibleName(QStringLiteral("Name"));
    nameCaption->setBuddy(m_nameBox);

    QLabel* dateOfBirthCaption = makeLabel("Label2", QStringLiteral("Date Of Birth"), style::Red, true, area);
    QLabel* dayCaption = makeLabel("Label5", QStringLiteral("Date"), style::Red, false, area);
    QLabel* monthCaption = makeLabel("Label7", QStringLiteral("Month"), style::Red, false, area);
    QLabel* yearCaption = makeLabel("Label6", QStringLiteral("Year"), style::Red, false, area);
    m_dayList = makeList("cboDate", dayCaption, area);
    m_monthList = makeList("cboMonth", monthCaption, area);
    m_yearList = makeList("cboYear", yearCaption, area);

    auto* grid = new QGridLayout(area);
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(m_nameBox, 0, 1, 1, 3);
    grid->addWidget(dayCaption, 1, 1);
    grid->addWidget(monthCaption, 1, 2);
    grid->addWidget(yearCaption, 1, 3);
    grid->addWidget(dateOfBirthCaption, 2, 0);
    grid->addWidget(m_dayList, 2, 1);
    grid->addWidget(m_monthList, 2, 2);
    grid->addWidget(m_yearList, 2, 3);
    return area;
}

void EntryWindow::fillDateLists()
{
    for (int day = 1; day <= 31; ++day)
        m_dayList->addItem(QString::number(day));
    for (const QString& month : sign::monthNames())
        m_monthList->addItem(month);
    for (int year = sign::FirstYear; year <= sign::LastYear; ++year)
        m_yearList->addItem(QString::number(year));  // each list chooses its first entry as it is filled
}

void EntryWindow::bringOfferToFront(Offer offer)
{
    m_offers->bringToFront(offer);
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

std::optional<sign::Sign> EntryWindow::lookUpSign()
{
    if (const auto found =
            sign::findSign(m_yearList->currentText(), m_monthList->currentText(), m_dayList->currentText()))
        m_lastSign = found;
    return m_lastSign;
}

}  // namespace windows
