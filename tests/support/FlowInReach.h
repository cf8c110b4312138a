// The program's flow with its windows in reach, for the tests and the
// benchmarks that drive them: referring to a window loads it.
#pragma once

#include "shell/ProgramFlow.h"

#include <memory>

class TestFlow : public shell::ProgramFlow {
public:
    using ProgramFlow::entryWindow;
    using ProgramFlow::farewellDialog;
    using ProgramFlow::loadedEntryWindow;
    using ProgramFlow::loadedFarewellDialog;
    using ProgramFlow::loadedResultWindow;
    using ProgramFlow::loadedWindows;
    using ProgramFlow::resultWindow;
};

inline std::unique_ptr<TestFlow>& currentFlow()
{
    static std::unique_ptr<TestFlow> flow;
    return flow;
}

// The program being driven.
inline TestFlow& flow()
{
    if (!currentFlow())
        currentFlow() = std::make_unique<TestFlow>();
    return *currentFlow();
}

// Unloads every window: the next reference finds the program as it starts.
inline void freshProgram()
{
    currentFlow().reset();
}
