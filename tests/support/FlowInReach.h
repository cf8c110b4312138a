// The program being driven by the tests and the benchmarks: its flow, and
// the one-copy lock it starts under, in a folder of its own.
#pragma once

#include "platform/OneCopyLock.h"
#include "shell/ProgramFlow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

struct DrivenProgram {
    QTemporaryDir lockFolder;
    platform::OneCopyLock lock{lockFolder.path()};
    shell::ProgramFlow flow;
};

inline std::unique_ptr<DrivenProgram>& currentProgram()
{
    static std::unique_ptr<DrivenProgram> program;
    return program;
}

inline shell::ProgramFlow& flow()
{
    if (!currentProgram())
        currentProgram() = std::make_unique<DrivenProgram>();
    return currentProgram()->flow;
}

// Starts the program as it starts for the user.
inline bool startProgram()
{
    flow();
    return currentProgram()->flow.start(currentProgram()->lock);
}

// The loaded window of this kind, found as Qt tests find windows, or null.
// Windows already unloaded are gone first.
template <class Window>
Window* loaded()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Window*>(window))
            return found;
    }
    return nullptr;
}

// Ends the program's run, unloading every window: the next one starts afresh.
inline void freshProgram()
{
    currentProgram().reset();
}
