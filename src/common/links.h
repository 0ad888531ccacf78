// The maker's web pages. Both host names live here and nowhere else.
#pragma once

#include <QString>

namespace tzk {

class Platform;

inline constexpr char kWebSiteHost[] = "www.tessalyforum.com";  // home page, help, downloads
inline constexpr char kHelpSiteHost[] = "www.tessalyhelp.com";  // donations, branded copies

// "http://www.tessalyforum.com": the home page, with no trailing slash.
QString homePageAddress();
// "http://" + web-site host + path.
QString webSiteAddress(const QString &path);

enum class WebPage { OnlineHelp, HomePage, UpdatePage, DonationPage, FullBrandPage, CoBrandPage };
QString webPageAddress(WebPage page);

// Hands the address to the default browser and reports nothing: a page
// that cannot be opened is simply not opened.
void OpenWebPage(Platform &platform, const QString &address);

void OpenOnlineHelp(Platform &platform);
void OpenHomePage(Platform &platform);
void OpenUpdatePage(Platform &platform);
void OpenDonationPage(Platform &platform);
void OpenFullBrandPage(Platform &platform);
void OpenCoBrandPage(Platform &platform);

} // namespace tzk
