// tzolkara-day's real start-up path, ending as soon as its window has been
// painted once. Compared with bare_window by startup.sh:
//   bench/startup.sh 31 build/bench/bench tzk_day_startup_probe
#include "frmday.h"
#include "qtplatform.h"
#include "translation.h"
#include "windowstyle.h"

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
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // The same steps as src/day/main.cpp.
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tessalyforum.Tzolkara"));
    tzk::installTranslation();
    tzk::installFontStandIns();
    QApplication::setWindowIcon(tzk::programIcon());
    tzk::QtPlatform platform;
    tzk::FrmDay window(platform, QApplication::arguments().mid(1));
    QuitOnPaint quitOnPaint;
    window.installEventFilter(&quitOnPaint);
    window.show();
    return QApplication::exec();
}
