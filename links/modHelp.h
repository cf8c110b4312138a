// Every link of the program ends in OpenWebPage: the maker's pages, the update
// page and the refer-a-friend request all open in the user's own browser.
#pragma once

#include <QString>

namespace modHelp {

// The maker's web site, fixed when the program is built.
QString SiteHost();

// The address shown to the user for the maker's site ("www..." without scheme).
QString SiteAddress();

// http:// + host + /ardentis/ssd.php?page= + the page key, nothing added.
QString PageAddress(const QString& pageKey);

// Hands the address to the default browser. Never waits, never reports.
void OpenWebPage(const QString& address);

void OpenHomePage();
void OpenOnlineHelpPage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenSoftwaresPage();

// Unloads every loaded window in load order and ends the process.
void EndProgram();

}  // namespace modHelp
