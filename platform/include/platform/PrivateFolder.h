#pragma once

#include <QString>

namespace platform {

// Makes `path` and every folder missing above it, each readable and
// writable by the user alone (0700) whatever the umask; a folder already
// there keeps its permissions. True when `path` then is a folder.
bool makePrivateFolder(const QString& path);

}  // namespace platform
