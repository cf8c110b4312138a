#pragma once

#include <QString>

namespace shell {

// Once per launch, before the entry window: records the first launch, and
// once the recorded date lies more than 14 days away asks whether to look for
// an update, records today and opens the download page on Yes.
void checkUpdateReminder();

}  // namespace shell
