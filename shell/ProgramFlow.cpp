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

#include <QApplication>

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
        follow(m_entry.data(), &EntryWindow::findRequested, [this] { find(); });
        followExitAndAbout(m_entry);
    }
    return m_entry;
}

ResultWindow* ProgramFlow::resultWindow()
{
    if (!m_result) {
        m_result = new ResultWindow;
        loaded(m_result);
        follow(m_result.data(), &ResultWindow::backRequested, [this] { goBack(); });
        followExitAndAbout(m_result);
    }
    return m_result;
}

FarewellDialog* ProgramFlow::farewellDialog()
{
    if (!m_farewell) {
        m_farewell = new FarewellDialog;
        loaded(m_farewell);
        follow(m_farewell.data(), &FarewellDialog::exitRequested, [this] { end(); });
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

template <class Window, class Request, class Work>
void ProgramFlow::follow(Window* window, Request request, Work work)
{
    // While a box is open the windows behind it are blocked. What still
    // reaches one of them (a mnemonic's click landing late, an assistive
    // tool's action) is refused, so no window goes while a box it carries
    // is open, and a hidden window asks for nothing.
    connect(window, request, this, [window, work] {
        if (window->isVisible() && !QApplication::activeModalWidget())
            work();
    });
}

void ProgramFlow::find()
{
    EntryWindow* entry = entryWindow();
    if (entry->validateInput())
        showResult(entry->lookUpSign());
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
    follow(window, &windows::ProgramWindow::exitRequested, [this, window] { leave(window); });
    follow(window, &windows::ProgramWindow::aboutRequested, [this, window] { showAbout(window); });
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
