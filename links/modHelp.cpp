#include "links/modHelp.h"

#include <QDesktopServices>
#include <QUrl>

namespace modHelp {

QString SiteHost()
{
    return QStringLiteral(ARDENTIS_SITE_HOST);
}

QString SiteAddress()
{
    return SiteHost();
}

QString PageAddress(const QString& pageKey)
{
    return QStringLiteral("http://") + SiteHost() + QStringLiteral("/ardentis/ssd.php?page=") + pageKey;
}

void OpenWebPage(const QString& address)
{
    // The address is already in its final, encoded form: take it as it stands.
    // Whether a browser came up is not our business; openUrl starts it detached.
    QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}

void OpenHomePage() { OpenWebPage(PageAddress(QStringLiteral("home-page"))); }
void OpenOnlineHelpPage() { OpenWebPage(PageAddress(QStringLiteral("help-web-page"))); }
void OpenDownloadPage() { OpenWebPage(PageAddress(QStringLiteral("download-web-page"))); }
void OpenDonatePage() { OpenWebPage(PageAddress(QStringLiteral("donate"))); }
void OpenFullBrandPage() { OpenWebPage(PageAddress(QStringLiteral("fully-branded"))); }
void OpenCoBrandPage() { OpenWebPage(PageAddress(QStringLiteral("co-brand"))); }
void OpenSoftwaresPage() { OpenWebPage(PageAddress(QStringLiteral("quillonsoftwares"))); }

}  // namespace modHelp
