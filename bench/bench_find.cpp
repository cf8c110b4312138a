// The find and back actions, timed in process on the offscreen platform.
//
// Find: from a press of "Find My &Ardentis" until the result window is shown
// with the sign and its reading in its labels. Back: from a press of "&Back"
// until the entry window is shown again and the result window is on its way
// out. The ...Drawn variants also run the event loop until the window has been
// laid out and painted and the unloaded one deleted: what the user waits for.
// Each repetition times one action; the median over the repetitions is the
// figure to read. Before any timing, the start-up sequence is run once and
// checked to load the entry window alone.
#include "FlowInReach.h"
#include "platform/MessageBox.h"
#include "sign/SignLookup.h"
#include "sign/SignReadings.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <cstdio>

using windows::EntryWindow;
using windows::FarewellDialog;
using windows::ResultWindow;

namespace {

constexpr int Repetitions = 200;
int messagesShown = 0;

// A control of a window, by its given name.
template <class Control>
Control* control(const QObject* window, const char* name)
{
    return window->findChild<Control*>(QLatin1String(name));
}

// Notes whether the result window has been painted since it was last reset.
class PaintWatch : public QObject {
public:
    bool displayPainted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<ResultWindow*>(static_cast<QWidget*>(watched)->window()))
            displayPainted = true;
        return false;
    }
};

// Runs what the event loop would run next: layout, paint, deferred deletes.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The entry window shown with a valid name and date, the result window not loaded.
EntryWindow* readyMain()
{
    EntryWindow* main = loaded<EntryWindow>();
    if (!main && startProgram())
        main = loaded<EntryWindow>();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("ADA LOVELACE"));
    control<QComboBox>(main, "cboDate")->setCurrentText(QStringLiteral("10"));
    control<QComboBox>(main, "cboMonth")->setCurrentText(QStringLiteral("December"));
    control<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1985"));
    main->show();
    settle();
    return main;
}

// The sign for the date readyMain() picks is in the result window, which is on screen.
bool resultShown()
{
    const ResultWindow* display = loaded<ResultWindow>();
    const auto found = sign::findSign(u"1985", u"December", u"10");
    return display && display->isVisible() && !loaded<EntryWindow>()->isVisible() && found
           && control<QLabel>(display, "lblWarriorSign")->text() == sign::signName(*found)
           && control<QLabel>(display, "lblSignDesc")->text() == sign::signReading(*found);
}

void findAction(benchmark::State& state, bool drawn, bool firstOfSession = false)
{
    if (firstOfSession) {
        freshProgram();
        settle();
    }
    EntryWindow* main = readyMain();
    PaintWatch paints;
    QCoreApplication::instance()->installEventFilter(&paints);
    for (auto _ : state) {
        control<QPushButton>(main, "cmdNext")->click();
        if (drawn)
            settle();
    }
    const bool shown = resultShown();
    if (!drawn)
        settle();
    QCoreApplication::instance()->removeEventFilter(&paints);
    if (!shown || !paints.displayPainted || messagesShown != 0)
        state.SkipWithError("the find did not show its result");
    // Back to the entry window, untimed, for the next repetition.
    control<QPushButton>(loaded<ResultWindow>(), "cmdBack")->click();
    settle();
}

void backAction(benchmark::State& state, bool drawn)
{
    control<QPushButton>(readyMain(), "cmdNext")->click();
    settle();
    ResultWindow* display = loaded<ResultWindow>();
    if (!display || !display->isVisible()) {
        state.SkipWithError("the find did not show its result");
        return;
    }
    for (auto _ : state) {
        control<QPushButton>(display, "cmdBack")->click();
        if (drawn)
            settle();
    }
    const FarewellDialog* nag = loaded<FarewellDialog>();
    const bool back = !display->isVisible() && loaded<EntryWindow>()->isVisible() && !(nag && nag->isVisible());
    settle();
    if (!back || loaded<ResultWindow>() || messagesShown != 0)
        state.SkipWithError("the back action did not return to the entry window");
}

void BM_Find(benchmark::State& state)
{
    findAction(state, false);
}
void BM_FindDrawn(benchmark::State& state)
{
    findAction(state, true);
}
// The first find of a session also loads the farewell dialog (hidden).
void BM_FirstFindDrawn(benchmark::State& state)
{
    findAction(state, true, true);
}
void BM_Back(benchmark::State& state)
{
    backAction(state, false);
}
void BM_BackDrawn(benchmark::State& state)
{
    backAction(state, true);
}

void timeEachAction(benchmark::internal::Benchmark* benchmark, int repetitions = Repetitions)
{
    benchmark->Iterations(1)->Repetitions(repetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Find)->Apply([](auto* b) { timeEachAction(b); });
BENCHMARK(BM_FindDrawn)->Apply([](auto* b) { timeEachAction(b); });
BENCHMARK(BM_Back)->Apply([](auto* b) { timeEachAction(b); });
BENCHMARK(BM_BackDrawn)->Apply([](auto* b) { timeEachAction(b); });
BENCHMARK(BM_FirstFindDrawn)->Apply([](auto* b) { timeEachAction(b, Repetitions / 4); });

// The start-up sequence, as main() runs it, leaves the entry window as the
// only window loaded.
bool startupLoadsEntryWindowOnly()
{
    if (!startProgram())
        return false;
    settle();
    const bool alone = loaded<EntryWindow>() && loaded<EntryWindow>()->isVisible() && !loaded<ResultWindow>()
                       && !loaded<FarewellDialog>();
    freshProgram();
    settle();
    return alone;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The offscreen platform warns on every window shown that it cannot pass
    // on size hints; that is no fault here, and the printing would be timed.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings written here go to a test-only folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Any message box would stop the clock on a wait for the user: count them instead.
    platform::setMessageBoxHandler([](const QString&, platform::MessageStyle) {
        ++messagesShown;
        return platform::MessageAnswer::No;
    });

    if (!startupLoadsEntryWindowOnly()) {
        std::fprintf(stderr, "bench_find: the start-up loaded more than the entry window\n");
        return 1;
    }
    messagesShown = 0;  // the update reminder may have asked, on a machine with old settings

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
