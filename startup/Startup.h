// Start-up: the one-copy rule, the update reminder and its stored date, the
// promotional draw, and the order they run in before the entry window waits
// for the user.
#pragma once

namespace platform {
class InstanceLock;
}

namespace startup {

// The one-copy check, the generator seeded from the clock, the update
// reminder, the entry window, the promotional draw. Returns false when
// another copy runs and this one has been ended.
bool run(platform::InstanceLock& lock);

}  // namespace startup
