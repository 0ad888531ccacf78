// The program's real start-up path, ending as soon as the main window has
// been painted once. Compared with bare_window by startup.sh.
#include "frmmain.h"
#include "frmstartup.h"
#include "qtplatform.h"

#include <QApplication>
#include <QEvent>

#include <cstdlib>

namespace {

class QuitOnPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            // The process ends as soon as the frame is out, before anything
            // queued behind it: the measure is exec to the first painted frame.
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
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
    QApplication app(argc, argv);
    tzk::prepareApplication();
    BenchPlatform platform;
    tzk::FrmStartup startup(platform);
    QuitOnPaint quitOnPaint;
    startup.Form_Load();
    if (platform.ended() || !startup.mainWindow())
        return 1;
    startup.mainWindow()->installEventFilter(&quitOnPaint);
    return QApplication::exec();
}
