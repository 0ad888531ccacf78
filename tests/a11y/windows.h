// Opens any one of the program's five windows against the platform double,
// as the accessibility and scaling tests need them.
#pragma once

#include "readings.h"
#include "drive.h"
#include "fakenavigator.h"
#include "fakeplatform.h"
#include "frmabout.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "frmmayanresult.h"
#include "frmsave.h"
#include "mayan.h"

#include <QPointer>
#include <QTest>

namespace tzk::test {

inline const QStringList kWindowNames{QStringLiteral("main"), QStringLiteral("result"), QStringLiteral("report"),
                                      QStringLiteral("about"), QStringLiteral("exit")};

// The reading the result and report windows show (Night, tone 13).
inline void setBirth(int year, const char *month, int day)
{
    setCurrentReading(QStringLiteral("Ann"), year, QLatin1String(month), day);
}

struct OpenWindow {
    FakePlatform platform;
    FakeNavigator navigator;
    QPointer<QWidget> window;

    // `random` is the platform's first random number (the exit screen's
    // choice of text).
    explicit OpenWindow(const QString &which, double random = 0.0)
    {
        platform.randoms.enqueue(random);
        if (which == QLatin1String("main"))
            window = new FrmMain(platform, navigator);
        else if (which == QLatin1String("result"))
            window = new FrmMayanResult(platform, navigator);
        else if (which == QLatin1String("report"))
            window = new FrmSave(platform);
        else if (which == QLatin1String("about"))
            window = new FrmAbout(platform, nullptr);
        else if (which == QLatin1String("exit"))
            window = new FrmExitScreen(platform, navigator);
        else
            qFatal("no window %s", qPrintable(which));
    }
    ~OpenWindow()
    {
        delete window;
        settle();
    }
    OpenWindow(const OpenWindow &) = delete;
    OpenWindow &operator=(const OpenWindow &) = delete;

    // Keyboard shortcuts reach only the active window.
    bool showActive()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
};

} // namespace tzk::test
