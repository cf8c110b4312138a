// The program's flow, for the tests and the benchmarks that drive it:
// referring to a window loads it.
#pragma once

#include "shell/ProgramFlow.h"

#include <memory>

inline std::unique_ptr<shell::ProgramFlow>& currentFlow()
{
    static std::unique_ptr<shell::ProgramFlow> flow;
    return flow;
}

// The program being driven.
inline shell::ProgramFlow& flow()
{
    if (!currentFlow())
        currentFlow() = std::make_unique<shell::ProgramFlow>();
    return *currentFlow();
}

// Unloads every window: the next reference finds the program as it starts.
inline void freshProgram()
{
    currentFlow().reset();
}
