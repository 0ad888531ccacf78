// The web entries of the menu bar and the banner labels, which the main
// and the result window share.
#pragma once

class QAction;

namespace tzk {

class LinkLabel;
class Platform;

// Online Help, Visit Us Online, Check for Software Update, Donate and the
// (switched-off) Make Money Online entry.
void connectWebMenus(Platform &platform, QAction *online, QAction *visit, QAction *update, QAction *donate,
                     QAction *makeMoney);

// The forum banner at the top and the full-brand/co-brand pair.
void connectBanners(Platform &platform, LinkLabel *forumBanner, LinkLabel *fullBrand, LinkLabel *coBrand);

} // namespace tzk
