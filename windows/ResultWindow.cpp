#include "windows/ResultWindow.h"

#include "sign/SignReadings.h"
#include "windows/OfferFrame.h"
#include "windows/Style.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace windows {

ResultWindow::ResultWindow(QWidget* parent) : ProgramWindow("frmDisplay", parent)
{

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(makeBanner(central));
    column->addWidget(makeResultFrame(central));

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

    // Here the full-brand offer lies in front, and nothing reorders them.
    column->addWidget(new OfferFrame(OfferFrame::Offer::FullBrand, 480, Qt::AlignCenter, central));

    setCentralWidget(central);
    QAction* back = buildMenus(Kind::Result, exitButton);

    setTabOrder(exitButton, backButton);
    exitButton->setFocus();

    connect(backButton, &QPushButton::clicked, this, &ResultWindow::backRequested);
    connect(back, &QAction::triggered, this, &ResultWindow::backRequested);
}

// The sign and its reading under their headings (fraWarriorSign).
QWidget* ResultWindow::makeResultFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("Ardentis"), parent);
    frame->setObjectName(QStringLiteral("fraWarriorSign"));
    frame->setFont(style::verdana(8.25, true));
    style::setTextColor(frame, style::DarkGreen);
    style::setBackground(frame, style::LightGreen);
    auto* column = new QVBoxLayout(frame);
    QLabel* pallasHeading =
        makeLabel("Label2", QStringLiteral("Pallas is known as  Warrior Asteroid"), style::DarkGreen, true, frame);
    QLabel* placedHeading =
        makeLabel("Label12", QStringLiteral("Pallas in your Chart is Placed in"), style::DarkGreen, true, frame);
    m_warriorSign = makeLabel("lblWarriorSign", QStringLiteral("lblWarriorSign"), style::DarkRed, true, frame);
    m_warriorSign->setAlignment(Qt::AlignCenter);
    m_warriorSign->setFont(style::verdana(12, true));
    m_reading = makeLabel("lblSignDesc", sign::defaultReading(), style::DarkRed, false, frame);
    m_reading->setAlignment(Qt::AlignCenter);
    m_reading->setWordWrap(true);
    m_reading->setFixedWidth(480);
    m_reading->setMinimumHeight(m_reading->fontMetrics().lineSpacing() * 5);
    for (QLabel* label : {pallasHeading, placedHeading, m_warriorSign, m_reading})
        column->addWidget(label);
    // A screen reader reads out the sign and its reading themselves (a name
    // would hide them) and says what they are from these descriptions.
    m_warriorSign->setAccessibleDescription(QStringLiteral("Warrior sign"));
    m_reading->setAccessibleDescription(QStringLiteral("Reading"));
    return frame;
}

void ResultWindow::showSign(std::optional<sign::Sign> warriorSign)
{
    if (warriorSign)
        m_reading->setText(sign::signReading(*warriorSign));
    m_warriorSign->setText(warriorSign ? sign::signName(*warriorSign) : QString());
    // Told to a screen reader as the window comes up: the sign, then its
    // reading, while the focus waits on Exit.
    QStringList result{m_warriorSign->text(), m_reading->text()};
    result.removeAll(QString());
    m_announcement = result.join(QStringLiteral(". "));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before Qt had announcements, the window's description did it: Orca 43
    // reads it as the window comes up.
    setAccessibleDescription(m_announcement);
#endif
}

bool ResultWindow::event(QEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Once the reader has had the window and the focus, so that it says the
    // result after them rather than losing it to them.
    if (event->type() == QEvent::WindowActivate && !m_announcement.isEmpty()) {
        QTimer::singleShot(0, this, [this, text = std::exchange(m_announcement, QString())] {
            QAccessibleAnnouncementEvent announcement(this, text);
            QAccessible::updateAccessibility(&announcement);
        });
    }
#endif
    return ProgramWindow::event(event);
}

}  // namespace windows
