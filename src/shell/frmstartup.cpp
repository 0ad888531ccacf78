#include "frmstartup.h"

#include "frmabout.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "frmmayanresult.h"
#include "platform.h"
#include "translation.h"
#include "updatereminder.h"
#include "windowstyle.h"

#include <QApplication>
#include <QTimer>

#include <utility>

namespace tzk {

void prepareApplication()
{
    QApplication::setQuitOnLastWindowClosed(false);
    // Lets Wayland desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tessalyforum.Tzolkara"));
    installFontStandIns();

    // A translation for the user's language, where one is installed beside
    // the program ("tzolkara_de.qm" and the like): none ships yet, and
    // adding one needs no change to the code.
    installTranslation();
}

FrmStartup::FrmStartup(Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmStartup"));
}

FrmStartup::~FrmStartup()
{
    delete m_result;
    delete m_main;
    delete m_exitScreen;
}

FrmMain *FrmStartup::mainWindow() const { return m_main; }
FrmMayanResult *FrmStartup::resultWindow() const { return m_result; }
FrmExitScreen *FrmStartup::exitScreen() const { return m_exitScreen; }

void FrmStartup::Form_Load()
{
    // Decided before any window exists; the copy already running is left alone.
    if (!m_platform.acquireSingleInstance()) {
        m_platform.message(nullptr, tr("Application is already running"), MessageIcon::Information,
                           MessageButtons::Ok);
        UnloadAllAndEnd();
        return;
    }
    m_platform.seedRandom();
    // A first run asks nothing, so its date is stored once the main window
    // is painted (settle): nobody waits on the settings store to see the
    // program.
    m_firstRunDatePending =
        CheckUpdateReminder(m_platform, nullptr, FirstRunDate::StoreLater) == ReminderOutcome::FirstRun;
    showMainWindow();
    CoBrand_Randomize();
    if (m_main) {
        m_main->installEventFilter(this);
        // Closed before it was ever painted (only a test is that quick).
        connect(m_main, &QObject::destroyed, this, &FrmStartup::settle);
    } else {
        settle();
    }
}

bool FrmStartup::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: a window being destroyed is no FrmMain any more.
    if (event->type() == QEvent::Paint && watched == m_main) {
        m_main->removeEventFilter(this);
        QTimer::singleShot(0, this, &FrmStartup::settle); // once this frame is out
    }
    return QObject::eventFilter(watched, event);
}

void FrmStartup::settle()
{
    if (std::exchange(m_settled, true))
        return;
    // The title bar can take the icon a moment later; the first frame
    // should not wait for it.
    QApplication::setWindowIcon(programIcon());
    if (std::exchange(m_firstRunDatePending, false))
        storeReminderDate(m_platform);
    Q_EMIT settled();
}

void FrmStartup::CoBrand_Randomize()
{
    intCoBrandRandomNumber = qint16(int(m_platform.random() * 6 + 1)); // 1..6, even chances
    if (m_main)
        m_main->bringBannerToFront(intCoBrandRandomNumber % 2 == 1);
}

void FrmStartup::showMainWindow()
{
    if (m_ending)
        return;
    // A closed main window may still await its deletion: Back always gets
    // a fresh one, filled anew.
    if (!m_main || !m_main->isVisible())
        m_main = new FrmMain(m_platform, *this);
    m_main->show();
}

void FrmStartup::showResultWindow()
{
    if (m_ending)
        return;
    // A fresh window per reading: its load step computes and shows it.
    m_result = new FrmMayanResult(m_platform, *this);
    m_result->show();
}

void FrmStartup::showAboutWindow(QWidget *over)
{
    FrmAbout about(m_platform, over);
    about.exec();
}

FrmExitScreen *FrmStartup::loadExitScreen()
{
    if (!m_exitScreen)
        m_exitScreen = new FrmExitScreen(m_platform, *this);
    return m_exitScreen;
}

void FrmStartup::ShowExitScreen()
{
    if (m_ending)
        return;
    loadExitScreen()->show();
}

void FrmStartup::HideExitScreen()
{
    if (m_ending)
        return;
    loadExitScreen()->hide();
}

void FrmStartup::UnloadAllAndEnd()
{
    if (m_ending)
        return; // the windows' own unload handling calls back here
    m_ending = true;
    // Ended before the first frame: the first run still counts.
    if (std::exchange(m_firstRunDatePending, false))
        storeReminderDate(m_platform);
    // Each window runs its unload handling; then the process ends whatever
    // those handlers did.
    for (QWidget *window : {static_cast<QWidget *>(m_result.data()), static_cast<QWidget *>(m_main.data()),
                            static_cast<QWidget *>(m_exitScreen.data())}) {
        if (window)
            window->close();
    }
    m_platform.endProcess();
}

} // namespace tzk
