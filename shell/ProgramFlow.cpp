#include "shell/ProgramFlow.h"

#include "PromotionalDraw.h"
#include "UpdateReminder.h"
#include "platform/Exit.h"
#include "platform/MessageBox.h"
#include "platform/OneCopyLock.h"
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

template <class Window>
Window* ProgramFlow::window()
{
    return m_windows.refer<Window>([this](Window* loaded) { wire(loaded); });
}

template <class Window, class Request, class Work>
void ProgramFlow::follow(Window* asking, Request request, Work work)
{
    // While a box is open the windows behind it are blocked. What still
    // reaches one of them (a mnemonic's click landing late, an assistive
    // tool's action) is refused, so no window goes while a box it carries
    // is open, and a hidden window asks for nothing.
    connect(asking, request, this, [asking, work] {
        if (asking->isVisible() && !QApplication::activeModalWidget())
            work();
    });
}

void ProgramFlow::wire(EntryWindow* entry)
{
    follow(entry, &EntryWindow::findRequested, [this] { find(); });
    wireExitAndAbout(entry);
}

void ProgramFlow::wire(ResultWindow* result)
{
    follow(result, &ResultWindow::backRequested, [this] { goBack(); });
    wireExitAndAbout(result);
}

void ProgramFlow::wire(FarewellDialog* farewell)
{
    follow(farewell, &FarewellDialog::exitRequested, [this] { end(); });
}

void ProgramFlow::wireExitAndAbout(windows::ProgramWindow* programWindow)
{
    follow(programWindow, &windows::ProgramWindow::exitRequested, [this, programWindow] { leave(programWindow); });
    follow(programWindow, &windows::ProgramWindow::aboutRequested, [this, programWindow] { showAbout(programWindow); });
}

bool ProgramFlow::start(platform::OneCopyLock& lock)
{
    if (!lock.acquire()) {
        platform::showMessage(QStringLiteral("Application is already running"), platform::Notice);
        end();
        return false;
    }
    platform::seedRandomFromClock();
    checkUpdateReminder();
    EntryWindow* entry = window<EntryWindow>();
    entry->show();
    drawFrontOffer(*entry);
    return true;
}

void ProgramFlow::end()
{
    // Nothing may come into view on the way out: every window is hidden
    // first, then each goes without its unload work.
    const QList<QWidget*> windows = m_windows.inLoadOrder();
    for (QWidget* loaded : windows)
        loaded->hide();
    for (QWidget* loaded : windows)
        m_windows.unload(loaded);
    platform::endProcess(0);
}

void ProgramFlow::find()
{
    EntryWindow* entry = window<EntryWindow>();
    if (!entry->validateInput())
        return;
    const std::optional<sign::Sign> warriorSign = entry->lookUpSign();
    ResultWindow* result = window<ResultWindow>();
    result->showSign(warriorSign);
    entry->hide();
    keepFarewellHidden();
    result->show();
}

void ProgramFlow::goBack()
{
    // Leaving loads the farewell dialog; Back keeps it out of view, not even
    // for a frame, nor to a screen reader.
    m_windows.unload(m_windows.find<ResultWindow>(), [this] { keepFarewellHidden(); });
    window<EntryWindow>()->show();
    keepFarewellHidden();
}

void ProgramFlow::leave(QWidget* leaving)
{
    m_windows.unload(leaving, [this] { window<FarewellDialog>()->show(); });
}

void ProgramFlow::showAbout(QWidget* over)
{
    windows::AboutBox about(over);
    about.exec();
}

void ProgramFlow::keepFarewellHidden()
{
    window<FarewellDialog>()->hide();
}

}  // namespace shell
