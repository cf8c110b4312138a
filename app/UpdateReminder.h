#pragma once

class QSettings;

namespace modHelp {

// Once per launch, before the main window: records the first launch, and once
// the recorded date lies more than 14 days away asks whether to look for an
// update, records today and opens the download page on Yes.
void CheckUpdateReminder();
void CheckUpdateReminder(QSettings& store);

}  // namespace modHelp
