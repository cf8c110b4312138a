#pragma once

#include <QString>

namespace platform {

// One lock per user, held for the life of the process. Only a copy that is
// alive holds it: the system lets go of it when a copy ends, crashes or is
// killed, so a dead copy never blocks the next start.
class InstanceLock {
public:
    enum class State {
        Acquired,     // this copy is the one that runs
        HeldByOther,  // another live copy holds the lock
        Unavailable,  // no lock could be had (folder not writable ...): run anyway
    };

    explicit InstanceLock(QString directory = defaultDirectory());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State tryAcquire();
    QString filePath() const;

    // The per-user runtime folder where the session keeps such locks, or the
    // per-user cache folder where there is none; never a shared temporary one.
    static QString defaultDirectory();

private:
    QString m_directory;
#ifdef Q_OS_WIN
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

}  // namespace platform
