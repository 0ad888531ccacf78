// Tzolkara: a Mayan astrology reading from a name and a date of birth.
#include "frmstartup.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tzk::prepareApplication();

    tzk::QtPlatform platform;
    // The start-up object keeps the program alive while its windows are
    // replaced; it ends only through UnloadAllAndEnd.
    tzk::FrmStartup startup(platform);
    startup.Form_Load();
    if (platform.ended())
        return 0;
    return QApplication::exec();
}
