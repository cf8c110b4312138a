#pragma once

namespace platform {

// Qt 6.4 and 6.8 warn on standard error ("QStandardPaths: XDG_RUNTIME_DIR not
// set ...", matched by its wording) whenever they are asked for the runtime
// folder while the session names none,
// as for root or a session started without a login manager. Qt asks itself,
// looking for a Flatpak sandbox as the application starts and as a page is
// opened; the program keeps nothing there. This keeps that one warning off
// standard error and lets every other message through as before; call it
// before Qt starts. It can go once Qt no longer warns when it only looks.
void keepOutRuntimeFolderWarning();

}  // namespace platform
