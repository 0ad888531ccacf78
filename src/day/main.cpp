// tzolkara-day: the Maya day of any date, in one window.
//   tzolkara-day [YYYY-MM-DD]
// Any number of copies may run side by side; it keeps no settings.
#include "frmday.h"
#include "qtplatform.h"
#include "translation.h"
#include "windowstyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets Wayland desktops match the window to the launcher it came from.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tessalyforum.Tzolkara"));
    tzk::installTranslation();
    tzk::installFontStandIns();
    QApplication::setWindowIcon(tzk::programIcon());

    tzk::QtPlatform platform;
    tzk::FrmDay window(platform, QApplication::arguments().mid(1));
    window.show();
    return QApplication::exec();
}
