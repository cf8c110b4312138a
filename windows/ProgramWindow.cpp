#include "windows/ProgramWindow.h"

#include "ProgramMenus.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

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

}  // namespace

ProgramWindow::ProgramWindow(QWidget* parent) : QMainWindow(parent)
{
    // The menu bar and the central widget at their own sizes, and no other.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgramWindow::connectExitAndAbout(QPushButton* exitButton, const ProgramMenus& menus)
{
    m_exitButton = exitButton;
    connect(exitButton, &QPushButton::clicked, this, &ProgramWindow::exitRequested);
    connect(menus.exit, &QAction::triggered, this, &ProgramWindow::exitRequested);
    connect(menus.about, &QAction::triggered, this, &ProgramWindow::aboutRequested);
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
