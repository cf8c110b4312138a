#include "shell/ProgramFlow.h"

#include "PromotionalDraw.h"
#include "UpdateReminder.h"
#include "platform/Exit.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "windows/AboutBox.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

namespace shell {

using windows::EntryWindow;
using windows::FarewellDialog;
using windows::ResultWindow;

ProgramFlow::ProgramFlow(QObject* parent) : QObject(parent) {}

ProgramFlow::~ProgramFlow()
{
    for (QWidget* window : loadedWindows())
        delete window;
}

bool ProgramFlow::start(platform::InstanceLock& lock)
{
    if (lock.tryAcquire() == platform::InstanceLock::State::HeldByOther) {
        platform::showMessage(QStringLiteral("Application is already running"), platform::Notice);
        end();
        return false;
    }
    platform::seedRandomFromClock();
    checkUpdateReminder();
    entryWindow()->show();
    drawFrontOffer(*m_entry);
    return true;
}

void ProgramFlow::end()
{
    // Nothing may come into view on the way out: every window is hidden
    // first, then each goes without its unload work.
    const QList<QWidget*> windows = loadedWindows();
    for (QWidget* window : windows)
        window->hide();
    for (QWidget* window : windows)
        unload(window);
    platform::endProcess(0);
}

EntryWindow* ProgramFlow::entryWindow()
{
    if (!m_entry) {
        m_entry = new EntryWindow;
        loaded(m_entry);
        connect(m_entry, &EntryWindow::signFound, this, &ProgramFlow::showResult);
        followExitAndAbout(m_entry);
    }
    return m_entry;
}

ResultWindow* ProgramFlow::resultWindow()
{
    if (!m_result) {
        m_result = new ResultWindow;
        loaded(m_result);
        connect(m_result, &ResultWindow::backRequested, this, &ProgramFlow::goBack);
        followExitAndAbout(m_result);
    }
    return m_result;
}

FarewellDialog* ProgramFlow::farewellDialog()
{
    if (!m_farewell) {
        m_farewell = new FarewellDialog;
        loaded(m_farewell);
        connect(m_farewell, &FarewellDialog::exitRequested, this, &ProgramFlow::end);
    }
    return m_farewell;
}

EntryWindow* ProgramFlow::loadedEntryWindow() const
{
    return m_entry;
}

ResultWindow* ProgramFlow::loadedResultWindow() const
{
    return m_result;
}

FarewellDialog* ProgramFlow::loadedFarewellDialog() const
{
    return m_farewell;
}

QList<QWidget*> ProgramFlow::loadedWindows() const
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : m_loaded) {
        if (window)
            windows.append(window.data());
    }
    return windows;
}

void ProgramFlow::showResult(std::optional<sign::Sign> warriorSign)
{
    ResultWindow* result = resultWindow();
    result->showSign(warriorSign);
    entryWindow()->hide();
    farewellDialog()->hide();
    result->show();
}

void ProgramFlow::goBack()
{
    // Leaving loads the farewell dialog; Back keeps it out of view, not even
    // for a frame, nor to a screen reader.
    unload(m_result, [this] { farewellDialog(); });
    entryWindow()->show();
    farewellDialog()->hide();
}

void ProgramFlow::leave(QWidget* window)
{
    unload(window, [this] { farewellDialog()->show(); });
}

void ProgramFlow::followExitAndAbout(windows::ProgramWindow* window)
{
    connect(window, &windows::ProgramWindow::exitRequested, this, [this, window] { leave(window); });
    connect(window, &windows::ProgramWindow::aboutRequested, this, [this, window] { showAbout(window); });
}

void ProgramFlow::showAbout(QWidget* window)
{
    windows::AboutBox about(window);
    about.exec();
}

void ProgramFlow::loaded(QWidget* window)
{
    m_loaded.append(window);
}

void ProgramFlow::unload(QWidget* window, const std::function<void()>& work)
{
    if (!window || !m_loaded.contains(window))
        return;
    // Out of the loaded windows first: work that refers to this window
    // again loads a fresh copy.
    m_loaded.removeAll(window);
    if (m_entry == window)
        m_entry.clear();
    if (m_result == window)
        m_result.clear();
    if (m_farewell == window)
        m_farewell.clear();
    if (work)
        work();
    window->hide();
    window->deleteLater();
}

}  // namespace shell
