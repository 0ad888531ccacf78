// What the main and the result window share: the Help menu and the web
// entries of the menu bar, the banner links, File > Exit, the About window
// and the exit rule (closing either window brings up the exit screen).
#pragma once

#include <QMainWindow>

class QAction;

namespace tzk {

class LinkLabel;
class Navigator;
class Platform;

class ReadingWindow : public QMainWindow
{
    Q_OBJECT

public:
    ReadingWindow(Platform &platform, Navigator &navigator, QWidget *parent = nullptr);

protected:
    struct SharedControls {
        LinkLabel *forumBanner;
        LinkLabel *fullBrand;
        LinkLabel *coBrand;
        QAction *exit;
        QAction *online;
        QAction *visit;
        QAction *update;
        QAction *about;
        QAction *donate;
        QAction *makeMoney; // switched off in the design
    };

    // Call right after setupUi(): the window look (caption, fonts, size
    // and place), the forum banner's text and the shared handlers.
    void setUpSharedControls(const SharedControls &controls);

    // Of two banners at the same place only the one in front is seen and
    // clicked; the one beneath is hidden too, so that it is neither painted
    // nor read out by a screen reader.
    static void putBannerInFront(LinkLabel *front, LinkLabel *behind);

    void mnuExit_Click();
    void mnuAbout_Click();
    void closeEvent(QCloseEvent *event) override;
    void Form_Unload();

    Platform &m_platform;
    Navigator &m_navigator;
};

} // namespace tzk
