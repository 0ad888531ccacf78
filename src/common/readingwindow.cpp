#include "readingwindow.h"

#include "linklabel.h"
#include "links.h"
#include "navigator.h"
#include "windowstyle.h"

#include <QAction>
#include <QCloseEvent>

namespace tzk {

namespace {

template<typename Sender, typename Signal>
void linkTo(Sender *sender, Signal signal, Platform &platform, void (*open)(Platform &))
{
    QObject::connect(sender, signal, sender, [&platform, open] { open(platform); });
}

} // namespace

ReadingWindow::ReadingWindow(Platform &platform, Navigator &navigator, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_navigator(navigator)
{
    // Created when shown, destroyed when closed.
    setAttribute(Qt::WA_DeleteOnClose);
}

void ReadingWindow::setUpSharedControls(const SharedControls &c)
{
    applyWindowLook(this);

    c.forumBanner->setText(tr("The Most Popular Online Tessaly Discussion Forum. Click Here To Visit %1 Now.")
                               .arg(QLatin1String(kWebSiteHost)));

    connect(c.exit, &QAction::triggered, this, &ReadingWindow::mnuExit_Click);
    connect(c.about, &QAction::triggered, this, &ReadingWindow::mnuAbout_Click);
    linkTo(c.online, &QAction::triggered, m_platform, OpenOnlineHelp);      // mnuOnline_Click
    linkTo(c.visit, &QAction::triggered, m_platform, OpenHomePage);         // mnuVisit_Click
    linkTo(c.update, &QAction::triggered, m_platform, OpenUpdatePage);      // mnuUpdate_Click
    linkTo(c.donate, &QAction::triggered, m_platform, OpenDonationPage);    // mnuDonate_Click
    linkTo(c.makeMoney, &QAction::triggered, m_platform, OpenFullBrandPage); // mnuMakeMoney_Click
    linkTo(c.forumBanner, &LinkLabel::clicked, m_platform, OpenHomePage);   // Label14_Click
    linkTo(c.fullBrand, &LinkLabel::clicked, m_platform, OpenFullBrandPage); // lblFullBrand_Click
    linkTo(c.coBrand, &LinkLabel::clicked, m_platform, OpenCoBrandPage);    // lblCobrand_Click
}

void ReadingWindow::putBannerInFront(LinkLabel *front, LinkLabel *behind)
{
    front->raise();
    front->show();
    behind->hide();
}

void ReadingWindow::mnuExit_Click()
{
    close();
}

void ReadingWindow::mnuAbout_Click()
{
    m_navigator.showAboutWindow(this);
}

void ReadingWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void ReadingWindow::Form_Unload()
{
    // Every close brings up the exit screen; a navigation step hides it
    // again straight away.
    m_navigator.ShowExitScreen();
}

} // namespace tzk
