#include "platform/InstanceLock.h"

#include <QDir>

namespace platform {

QString InstanceLock::filePath() const
{
    return QDir(m_directory).filePath(QStringLiteral("ardentis.lock"));
}

}  // namespace platform
