#pragma once

#include <functional>

namespace platform {

// Qt looks for the desktop's message bus (D-Bus) as it starts, for screen
// readers and the desktop's menus. Where the session has none, the bus
// library would start a bus of its own, which outlives the program. This
// marks the bus as absent for this process alone; call it before Qt starts.
void noSessionBusOfOurOwn();

// Runs `start` with the environment as the program was given it, so that
// what it starts (the browser) finds the session as it is.
void withGivenEnvironment(const std::function<void()>& start);

}  // namespace platform
