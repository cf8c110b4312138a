#pragma once

#include <functional>

namespace platform {

// Ends the process at once with the given status. Tests put in a recorder, so
// the end can be observed and the call returns.
void endProcess(int status);
void setEndProcessHandler(std::function<void(int)> handler);  // empty: the real end again

}  // namespace platform
