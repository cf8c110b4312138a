#include "windows/ProgramWindow.h"

#include "LinkLabel.h"
#include "links/WebPages.h"
#include "platform/ProgramInfo.h"
#include "windows/Style.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace windows {

namespace {

// Escape, and Enter that no button took, mean Exit.
bool isExitKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    return event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

ProgramWindow::ProgramWindow(const char* name, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(QLatin1String(program::WindowCaption));
    setFont(style::verdana());
    style::setFixedFrame(this);
    style::followDesktop(this);
    // The menu bar and the central widget at their own sizes, and no other.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* ProgramWindow::makeBanner(QWidget* parent)
{
    auto* banner = new QGroupBox(parent);
    banner->setObjectName(QStringLiteral("Frame2"));
    auto* link = new LinkLabel(QStringLiteral("The Most Popular Online Quillon Discussion Board. Best Resource For "
                                              "Everything Quillon. Visit ")
                                   + links::siteAddress() + QStringLiteral(" Now"),
                               banner);
    link->setObjectName(QStringLiteral("Label61"));
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    link->setFixedWidth(480);
    style::setTextColor(link, style::Red);
    style::setBackground(link, style::White);
    (new QVBoxLayout(banner))->addWidget(link);
    connect(link, &LinkLabel::clicked, banner, &links::openHomePage);
    return banner;
}

QLabel* ProgramWindow::makeLabel(const char* name, const QString& text, const style::Tone& color, bool bold,
                                 QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(style::verdana(8.25, bold));
    style::setTextColor(label, color);
    return label;
}

QAction* ProgramWindow::buildMenus(Kind kind, QPushButton* exitButton)
{
    const bool entry = kind == Kind::Entry;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* first = entry ? item(file, "mnuFindWarriorSign", QStringLiteral("Find My &Ardentis"))
                           : item(file, "mnuFileBack", QStringLiteral("&Back"));
    QAction* exit = item(file, "mnuExit", QStringLiteral("E&xit"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(item(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            &links::openOnlineHelpPage);
    connect(item(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, this,
            &links::openHomePage);
    help->addSeparator()->setObjectName(QLatin1String(entry ? "mnuHelp1" : "mnuFileSep1"));
    connect(item(help, "mnuUpdate",
                 entry ? QStringLiteral("Check for Software &Update") : QStringLiteral("&Check for Software Update")),
            &QAction::triggered, this, &links::openDownloadPage);
    help->addSeparator()->setObjectName(QLatin1String(entry ? "mnuHelp2" : "mnuFileSep2"));
    QAction* about = item(help, "mnuAbout", QStringLiteral("&About Software"));

    QAction* donate = menuBar()->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, &links::openDonatePage);
    QAction* makeMoney = menuBar()->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoneyOnline"));
    makeMoney->setEnabled(false);  // switched off; it would open the full-brand offer
    connect(makeMoney, &QAction::triggered, this, &links::openFullBrandPage);

    m_exitButton = exitButton;
    connect(exitButton, &QPushButton::clicked, this, &ProgramWindow::exitRequested);
    connect(exit, &QAction::triggered, this, &ProgramWindow::exitRequested);
    connect(about, &QAction::triggered, this, &ProgramWindow::aboutRequested);
    return first;
}

void ProgramWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_exitButton && isExitKey(event)) {
        m_exitButton->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    // The program's flow decides whether and how the window goes.
    event->ignore();
    emit exitRequested();
}

}  // namespace windows
