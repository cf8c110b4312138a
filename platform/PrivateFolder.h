#pragma once

#include <QString>

namespace platform {

// The folders the program keeps its setting and its one-copy lock in are the
// user's alone: no one else may put a file, a link or a lock in them.
//
// Makes `path` and every folder missing above it, each readable and writable
// by the user alone (0700) whatever the umask; a folder already there keeps
// its permissions. True when `path` then is a folder the user owns that no one
// else may write to; a link to it counts when the link is the user's too, as
// dotfile managers make them. One exception: the program's own folder (named
// after it, not reached through a link) that a umask of 002 or 000 left open
// to others when it was made has their write access taken away again.
bool makePrivateFolder(const QString& path);

}  // namespace platform
