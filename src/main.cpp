// Tzolkara: a Mayan astrology reading from a name and a date of birth.
#include "assets.h"
#include "frmstartup.h"
#include "qtplatform.h"
#include "windowstyle.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets Wayland desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tessalyforum.Tzolkara"));
    // The start-up object keeps the program alive while its windows are
    // replaced; it ends only through UnloadAllAndEnd.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(tzk::programIcon());
    tzk::installFontStandIns();

    tzk::QtPlatform platform;
    tzk::FrmStartup startup(platform);
    startup.Form_Load();
    if (platform.ended())
        return 0;
    return QApplication::exec();
}
