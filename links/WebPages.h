// Every link of the program ends in openWebPage: the maker's pages, the update
// page and the refer-a-friend request all open in the user's own browser.
#pragma once

#include <QString>

namespace links {

// The maker's web site as the windows show it ("www..." without scheme).
QString siteAddress();

// http:// + host + /ardentis/ssd.php?page= + the page key, nothing added.
QString pageAddress(const QString& pageKey);

// Hands the address to the default browser. Never waits for it; true when
// the address was handed over. The program's links stay silent either way.
bool openWebPage(const QString& address);

void openHomePage();
void openOnlineHelpPage();
void openDownloadPage();
void openDonatePage();
void openFullBrandPage();
void openCoBrandPage();
void openSoftwaresPage();

}  // namespace links
