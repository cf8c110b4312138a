#pragma once

#include <QString>
#include <functional>

namespace settings {
class Store;
}

namespace shell {

// Once per launch, before the entry window: records the first launch, and
// once the recorded date lies more than 14 days away asks whether to look for
// an update, records today and opens the download page on Yes.
// On the user's settings; `meanwhile`, if given, runs while what was recorded
// is written, and the call returns once both are done.
void checkUpdateReminder(const std::function<void()>& meanwhile = {});
void checkUpdateReminder(settings::Store& store);

}  // namespace shell
