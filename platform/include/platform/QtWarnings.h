#pragma once

namespace platform {

// Qt warns on standard error ("QStandardPaths: XDG_RUNTIME_DIR not set ...")
// whenever it is asked for the runtime folder while the session names none,
// as for root or a session started without a login manager. Qt asks itself,
// looking for a Flatpak sandbox as the application starts and as a page is
// opened; the program keeps nothing there. This keeps that one warning off
// standard error and lets every other message through as before; call it
// before Qt starts.
void keepOutRuntimeFolderWarning();

}  // namespace platform
