// Renders every window of the program offscreen to PNG files, for the
// README and the package's screenshots, and names every text that does not
// fit its box (the exit status is then 1).
//
//   QT_QPA_PLATFORM=offscreen build/default/tools/tzk_render_windows [--scale F] OUTDIR
//
// --scale 1.5 renders as on a screen at 150% (the same as QT_SCALE_FACTOR=1.5);
// the PNGs then hold F times as many pixels each way. The windows speak the
// language the program would (LANGUAGE=es for Spanish).
#include "frmabout.h"
#include "frmday.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "frmmayanresult.h"
#include "frmsave.h"
#include "frmstartup.h"
#include "mayan.h"
#include "navigator.h"
#include "qtplatform.h"
#include "textfit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class QuietNavigator : public tzk::Navigator
{
public:
    void showMainWindow() override {}
    void showResultWindow() override {}
    void showAboutWindow(QWidget *) override {}
    void ShowExitScreen() override {}
    void HideExitScreen() override {}
    void UnloadAllAndEnd() override {}
};

bool save(QWidget *window, const QString &path)
{
    window->show();
    QCoreApplication::processEvents();
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    const QStringList cut = tzk::cutOffTexts(window);
    for (const QString &line : cut)
        std::printf("  cut off: %s\n", qPrintable(line));
    return ok && cut.isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    QString out = QStringLiteral(".");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            const double scale = std::strtod(argv[++i], nullptr);
            if (!(scale >= 0.5 && scale <= 4.0)) {
                std::fprintf(stderr, "--scale wants a factor from 0.5 to 4, such as 1.5\n");
                return 2;
            }
            // Qt reads the factor once, when the application object is made.
            qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
        } else {
            out = QString::fromLocal8Bit(argv[i]);
        }
    }
    QApplication app(argc, argv);
    tzk::prepareApplication(); // the program's fonts and translation
    QDir().mkpath(out);

    tzk::QtPlatform platform;
    QuietNavigator navigator;
    tzk::MayanReading.personName = QStringLiteral("Ann");
    tzk::MayanReading.birthYear = 1975;
    tzk::MayanReading.birthMonth = QStringLiteral("March");
    tzk::MayanReading.birthDay = 14;
    tzk::CalculateReading();

    bool ok = true;
    {
        tzk::FrmMain main(platform, navigator);
        main.setAttribute(Qt::WA_DeleteOnClose, false);
        main.findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
        ok &= save(&main, out + QStringLiteral("/main.png"));
    }
    {
        tzk::FrmMayanResult result(platform, navigator);
        result.setAttribute(Qt::WA_DeleteOnClose, false);
        ok &= save(&result, out + QStringLiteral("/result.png"));
    }
    {
        tzk::FrmSave report(platform);
        ok &= save(&report, out + QStringLiteral("/report.png"));
    }
    {
        tzk::FrmAbout about(platform, nullptr);
        ok &= save(&about, out + QStringLiteral("/about.png"));
    }
    {
        tzk::FrmExitScreen exitScreen(platform, navigator);
        exitScreen.setAttribute(Qt::WA_DeleteOnClose, false);
        ok &= save(&exitScreen, out + QStringLiteral("/exit.png"));
    }
    {
        // The companion window on the day the thirteenth baktun ended.
        tzk::FrmDay day(platform, {QStringLiteral("2012-12-21")});
        ok &= save(&day, out + QStringLiteral("/day.png"));
    }
    return ok ? 0 : 1;
}
