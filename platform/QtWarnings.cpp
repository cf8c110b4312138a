#include "platform/QtWarnings.h"

#include <QString>
#include <QtGlobal>

namespace platform {

namespace {

QtMessageHandler passOn = nullptr;

void withoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    passOn(type, context, message);
}

}  // namespace

void keepOutRuntimeFolderWarning()
{
    if (!passOn)
        passOn = qInstallMessageHandler(withoutRuntimeFolderWarning);
}

}  // namespace platform
