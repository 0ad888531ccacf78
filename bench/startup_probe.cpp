// The program's real start-up path, ending as soon as the main window has
// been painted once, or with --settled once start-up has settled (the title
// bar has its icon, a first run's date is stored). Compared with
// bare_window by startup.sh.
#include "frmmain.h"
#include "frmstartup.h"
#include "qtplatform.h"

#include <QApplication>
#include <QEvent>

#include <cstdlib>
#include <cstring>

namespace {

// Ends the process at once, before anything queued behind it.
void endNow()
{
    std::_Exit(0);
}

class QuitOnPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            // Once the frame is out: the measure is exec to the first painted frame.
            QMetaObject::invokeMethod(qApp, &endNow, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

// The production platform, with the system's folders for the lock in the
// script's own tree: copies run elsewhere on the machine never meet these.
class BenchPlatform : public tzk::QtPlatform
{
public:
    BenchPlatform() { setSystemRoot(qEnvironmentVariable("TZK_PROBE_SYSTEM_ROOT")); }
};

} // namespace

int main(int argc, char *argv[])
{
    const bool toSettled = argc > 1 && std::strcmp(argv[1], "--settled") == 0;
    QApplication app(argc, argv);
    tzk::prepareApplication();
    BenchPlatform platform;
    tzk::FrmStartup startup(platform);
    QuitOnPaint quitOnPaint;
    if (toSettled)
        QObject::connect(&startup, &tzk::FrmStartup::settled, &app, &endNow);
    startup.Form_Load();
    if (platform.ended() || !startup.mainWindow())
        return 1;
    if (!toSettled)
        startup.mainWindow()->installEventFilter(&quitOnPaint);
    return QApplication::exec();
}
