// The program's real start-up path with the production platform, except
// that message boxes are answered at once and reported on stdout, so that
// tests can start several copies and see what each one did, and that
// "today" is fixed, and the system's folders lie in the test's tree.
#include "fixeddayplatform.h"
#include "frmstartup.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

class ProbePlatform : public tzk::test::FixedDayPlatform
{
public:
    // The test's tree stands for the system's folders (/run/user, /tmp).
    ProbePlatform() { setSystemRoot(qEnvironmentVariable("TZK_PROBE_SYSTEM_ROOT")); }

    tzk::MessageAnswer message(QWidget *, const QString &text, tzk::MessageIcon, tzk::MessageButtons) override
    {
        std::printf("message: %s\n", qPrintable(text));
        std::fflush(stdout);
        return tzk::MessageAnswer::No;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ProbePlatform platform;
    tzk::FrmStartup startup(platform);
    startup.Form_Load();
    if (platform.ended()) {
        std::printf("process ended\n");
        return 0;
    }
    // Said once start-up has settled, so that what it stores is on disk.
    QObject::connect(&startup, &tzk::FrmStartup::settled, &app, [] {
        std::printf("main window shown\n");
        std::fflush(stdout);
    });
    // Runs until killed, or until the test that started it is gone: its
    // end of the input pipe closes. (A time limit would let a slow test
    // see a second copy run.)
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [] {
        char byte;
        if (::read(STDIN_FILENO, &byte, 1) <= 0)
            QApplication::quit();
    });
    return QApplication::exec();
}
