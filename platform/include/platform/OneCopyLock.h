#pragma once

#include <QLockFile>

namespace platform {

// One running copy per user: a lock file in the user's cache folder, which
// a copy finds whatever session or runtime folder it was started with. Only
// a live copy holds it; what a crashed or killed copy left is taken over.
class OneCopyLock : public QLockFile {
public:
    // Makes the folder, the user's alone, if it is not there.
    explicit OneCopyLock(const QString& folder = userFolder());

    // False only while another live copy holds the lock. A lock that cannot
    // be had at all (an unwritable folder) lets this copy run.
    bool acquire();

    // Where the user's lock is kept.
    static QString userFolder();
};

}  // namespace platform
