#include "sharedmenus.h"

#include "linklabel.h"
#include "links.h"

#include <QAction>

namespace tzk {

namespace {

template<typename Sender, typename Signal>
void linkTo(Sender *sender, Signal signal, Platform &platform, void (*open)(Platform &))
{
    QObject::connect(sender, signal, sender, [&platform, open] { open(platform); });
}

} // namespace

void connectWebMenus(Platform &platform, QAction *online, QAction *visit, QAction *update, QAction *donate,
                     QAction *makeMoney)
{
    linkTo(online, &QAction::triggered, platform, OpenOnlineHelp);   // mnuOnline_Click
    linkTo(visit, &QAction::triggered, platform, OpenHomePage);      // mnuVisit_Click
    linkTo(update, &QAction::triggered, platform, OpenUpdatePage);   // mnuUpdate_Click
    linkTo(donate, &QAction::triggered, platform, OpenDonationPage); // mnuDonate_Click
    linkTo(makeMoney, &QAction::triggered, platform, OpenFullBrandPage); // mnuMakeMoney_Click
}

void connectBanners(Platform &platform, LinkLabel *forumBanner, LinkLabel *fullBrand, LinkLabel *coBrand)
{
    linkTo(forumBanner, &LinkLabel::clicked, platform, OpenHomePage);   // Label14_Click
    linkTo(fullBrand, &LinkLabel::clicked, platform, OpenFullBrandPage); // lblFullBrand_Click
    linkTo(coBrand, &LinkLabel::clicked, platform, OpenCoBrandPage);     // lblCobrand_Click
}

} // namespace tzk
