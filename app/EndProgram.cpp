#include "forms/Forms.h"
#include "links/modHelp.h"
#include "platform/Exit.h"

namespace modHelp {

void EndProgram()
{
    static bool ending = false;
    if (ending) {
        // Called again from a window's unload on the way out: end right here.
        platform::ExitProcess(0);
        return;
    }
    ending = true;
    Forms::UnloadAllQuietly();
    ending = false;  // matters only where the end is observed, not real
    platform::ExitProcess(0);
}

}  // namespace modHelp
