#include "links/WebPages.h"

#include "platform/ProgramInfo.h"

#include <QDesktopServices>
#include <QUrl>

namespace links {

QString siteAddress()
{
    return QLatin1String(program::SiteHost);
}

QString pageAddress(const QString& pageKey)
{
    return QStringLiteral("http://") + siteAddress() + QStringLiteral("/ardentis/ssd.php?page=") + pageKey;
}

bool openWebPage(const QString& address)
{
    // The address is already in its final, encoded form: take it as it stands.
    // Whether a browser came up is not our business; openUrl starts it detached.
    return QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}

void openHomePage()
{
    openWebPage(pageAddress(QStringLiteral("home-page")));
}
void openOnlineHelpPage()
{
    openWebPage(pageAddress(QStringLiteral("help-web-page")));
}
void openDownloadPage()
{
    openWebPage(pageAddress(QStringLiteral("download-web-page")));
}
void openDonatePage()
{
    openWebPage(pageAddress(QStringLiteral("donate")));
}
void openFullBrandPage()
{
    openWebPage(pageAddress(QStringLiteral("fully-branded")));
}
void openCoBrandPage()
{
    openWebPage(pageAddress(QStringLiteral("co-brand")));
}
void openSoftwaresPage()
{
    openWebPage(pageAddress(QStringLiteral("quillonsoftwares")));
}

}  // namespace links
