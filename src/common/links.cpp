#include "links.h"

#include "platform.h"

#include <QUrl>

namespace tzk {

QString homePageAddress()
{
    return QStringLiteral("http://") + QLatin1String(kWebSiteHost);
}

QString webSiteAddress(const QString &path)
{
    return homePageAddress() + path;
}

QString webPageAddress(WebPage page)
{
    const QString help = QStringLiteral("http://") + QLatin1String(kHelpSiteHost);
    switch (page) {
    case WebPage::OnlineHelp: return webSiteAddress(QStringLiteral("/tzolkara/tzolkara-help.html"));
    case WebPage::HomePage: return homePageAddress();
    case WebPage::UpdatePage: return webSiteAddress(QStringLiteral("/tzolkara/download-tzolkara.html"));
    case WebPage::DonationPage: return help + QStringLiteral("/donate.html");
    case WebPage::FullBrandPage: return help + QStringLiteral("/fully-branded.html");
    case WebPage::CoBrandPage: return help + QStringLiteral("/co-brand.html");
    }
    return homePageAddress();
}

void OpenWebPage(Platform &platform, const QString &address)
{
    // StrictMode: an address that is not well formed is not opened at all.
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid())
        platform.openUrl(url);
}

void OpenOnlineHelp(Platform &p) { OpenWebPage(p, webPageAddress(WebPage::OnlineHelp)); }
void OpenHomePage(Platform &p) { OpenWebPage(p, webPageAddress(WebPage::HomePage)); }
void OpenUpdatePage(Platform &p) { OpenWebPage(p, webPageAddress(WebPage::UpdatePage)); }
void OpenDonationPage(Platform &p) { OpenWebPage(p, webPageAddress(WebPage::DonationPage)); }
void OpenFullBrandPage(Platform &p) { OpenWebPage(p, webPageAddress(WebPage::FullBrandPage)); }
void OpenCoBrandPage(Platform &p) { OpenWebPage(p, webPageAddress(WebPage::CoBrandPage)); }

} // namespace tzk
