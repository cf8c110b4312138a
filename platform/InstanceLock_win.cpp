// The one-copy lock on Windows: a named mutex of the user's session.
#include "platform/InstanceLock.h"

#include <windows.h>

namespace platform {

struct InstanceLock::Held {
    HANDLE handle = nullptr;

    ~Held()
    {
        if (handle)
            ::CloseHandle(handle);
    }
};

InstanceLock::InstanceLock(QString name, QString directory)
    : m_held(std::make_unique<Held>()), m_name(std::move(name)), m_directory(std::move(directory))
{
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::defaultName()
{
    return QStringLiteral("Local\\QX-Ardentis-one-copy");  // "Local\" keeps it within the user's session
}

QString InstanceLock::defaultDirectory()
{
    return QString();  // a session-local named mutex needs no folder
}

InstanceLock::State InstanceLock::tryAcquire()
{
    if (m_held->handle)
        return State::Acquired;
    HANDLE handle = ::CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(m_name.utf16()));
    if (!handle)
        return State::Unavailable;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(handle);
        return State::HeldByOther;
    }
    m_held->handle = handle;
    return State::Acquired;
}

}  // namespace platform
