#pragma once

#include <QString>
#include <memory>

namespace platform {

// One running copy per user, held for the life of the process, whatever the
// user's environment. Only a copy that is alive holds it: the system lets go
// when a copy ends, crashes or is killed, so a dead copy never blocks the
// next start.
//
// On Linux the running copy is known by a name that is the user's across the
// machine: an abstract local socket named after the user id, which no file,
// folder or environment variable can hide or delete. Anyone may take such a
// name first, so the holder is asked who it is (the kernel vouches for its
// user id) and only the same user counts. The copy also locks a file
// ("ardentis.lock") in the user's own folder, which settles it while another
// user sits on the name. On Windows a named mutex of the user's session does
// it all.
class InstanceLock {
public:
    enum class State {
        Acquired,     // this copy is the one that runs
        HeldByOther,  // another live copy holds the lock
        Unavailable,  // no lock could be had (folder not writable ...): run anyway
    };

    explicit InstanceLock(QString name = defaultName(), QString directory = defaultDirectory());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State tryAcquire();

    // The user's name for the running copy: the program's and the user id.
    static QString defaultName();
    // The per-user cache folder; never a shared or temporary one.
    static QString defaultDirectory();

    // What this copy holds while it runs, as the system has it
    // (InstanceLock_unix.cpp, InstanceLock_win.cpp).
    struct Held;

private:
    std::unique_ptr<Held> m_held;
    QString m_name;
    QString m_directory;
};

}  // namespace platform
