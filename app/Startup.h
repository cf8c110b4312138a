#pragma once

namespace platform {
class InstanceLock;
}

namespace startup {

// Brings one of the main window's two promotional offers to the front, by a
// number drawn from the program-wide generator.
void CoBrand_Randomize();

// The start-up sequence: the one-copy check, the generator seeded from the
// clock, the update reminder, the main window, the promotional draw.
// Returns false when another copy runs and this one has been ended.
bool Run(platform::InstanceLock& lock);

}  // namespace startup
