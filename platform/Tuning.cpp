#include "platform/Tuning.h"

#ifdef ARDENTIS_TUNING_SWITCHES
#include <QByteArrayList>
#include <QtGlobal>
#endif

namespace platform {

bool isTuned(Tuning tuning)
{
#ifdef ARDENTIS_TUNING_SWITCHES
    static const QByteArrayList off = qgetenv("ARDENTIS_UNTUNED").split(',');
    static const char* const names[] = {"arena", "fontconfig", "icon"};
    return !off.contains(names[static_cast<int>(tuning)]);
#else
    static_cast<void>(tuning);
    return true;
#endif
}

}  // namespace platform
