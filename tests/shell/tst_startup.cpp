#include "drive.h"
#include "fakeplatform.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "frmmayanresult.h"
#include "frmstartup.h"
#include "qtplatform.h"
#include "mayan.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

using namespace tzk;
using namespace tzk::test;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedBeforeAnyWindow();
    void startShowsMainWindowWithOneBannerInFront_data();
    void startShowsMainWindowWithOneBannerInFront();
    void bannerDrawIsEvenOverManyStarts();
    void readingFlowAndTheExitRule();
    void processes_onlyOneCopyRuns();
    void processes_killedCopyDoesNotBlock();
};

void TestStartup::secondCopyIsRefusedBeforeAnyWindow()
{
    FakePlatform platform;
    platform.lockFree = false;
    FrmStartup startup(platform);
    startup.Form_Load();
    QCOMPARE(platform.messageTexts(), QStringList{"Application is already running"});
    QCOMPARE(platform.messages[0].icon, MessageIcon::Information);
    QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(platform.ends, 1);
    QCOMPARE(platform.seeds, 0);
    QVERIFY(platform.store.isEmpty()); // no reminder ran
    QVERIFY(!startup.mainWindow());
    QVERIFY(!startup.exitScreen());
}

void TestStartup::startShowsMainWindowWithOneBannerInFront_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("front");
    const char *names[] = {"lblCobrand", "lblFullBrand"};
    for (int n = 1; n <= 6; ++n) {
        const double r = (n - 1) / 6.0 + 0.01;
        QTest::addRow("draw %d", n) << r << n << QString::fromLatin1(names[(n + 1) % 2]);
    }
}

void TestStartup::startShowsMainWindowWithOneBannerInFront()
{
    QFETCH(double, random);
    QFETCH(int, drawn);
    QFETCH(QString, front);

    FakePlatform platform;
    platform.randoms.enqueue(random);
    FrmStartup startup(platform);
    startup.Form_Load();
    QCOMPARE(platform.seeds, 1);
    QVERIFY(platform.messages.isEmpty()); // first run: no reminder question
    QVERIFY(!platform.store.isEmpty());   // ... but its date is stored
    QVERIFY(startup.mainWindow() && startup.mainWindow()->isVisible());
    QCOMPARE(int(startup.intCoBrandRandomNumber), drawn);
    QCOMPARE(child(startup.mainWindow(), "fraFullBrand")->childAt(QPoint(50, 30))->objectName(), front);
    QCOMPARE(platform.ends, 0);
}

void TestStartup::bannerDrawIsEvenOverManyStarts()
{
    // The production generator, seeded from the clock as at every start.
    FakePlatform windows;
    QtPlatform real;
    real.seedRandom();
    int coBrand = 0;
    const int starts = 600;
    for (int i = 0; i < starts; ++i) {
        windows.randoms.enqueue(real.random());
        FrmStartup startup(windows);
        startup.showMainWindow();
        startup.CoBrand_Randomize();
        QVERIFY(startup.intCoBrandRandomNumber >= 1 && startup.intCoBrandRandomNumber <= 6);
        if (child(startup.mainWindow(), "fraFullBrand")->childAt(QPoint(50, 30))->objectName() == QLatin1String("lblCobrand"))
            ++coBrand;
    }
    // Half each: 300 expected, with a standard deviation of about 12.
    QVERIFY2(coBrand > 220 && coBrand < 380, qPrintable(QString::number(coBrand)));
}

void TestStartup::readingFlowAndTheExitRule()
{
    FakePlatform platform;
    platform.randoms.enqueue(0.5); // 4: full brand in front at start
    FrmStartup startup(platform);
    startup.Form_Load();
    QPointer<FrmMain> first = startup.mainWindow();

    fillEntry(first, QStringLiteral("Ann"), QStringLiteral("March"), 14, 1975);
    click(first, "cmdCalculate");
    settle();
    QVERIFY(first.isNull());
    QPointer<FrmMayanResult> result = startup.resultWindow();
    QVERIFY(result && result->isVisible());
    QCOMPARE(labelText(result, "lblMayanEnglishName"), QStringLiteral("Night"));
    QVERIFY(startup.exitScreen() && !startup.exitScreen()->isVisible()); // navigation hides it
    QCOMPARE(platform.ends, 0);

    click(result, "cmdBack");
    settle();
    QVERIFY(result.isNull());
    FrmMain *second = startup.mainWindow();
    QVERIFY(second && second->isVisible());
    QVERIFY(child<QLineEdit>(second, "txtName")->text().isEmpty());
    QCOMPARE(child<QComboBox>(second, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(second, "cboYear")->currentText(), QStringLiteral("1900"));
    // A main window made by Back has the designed banner order again.
    QCOMPARE(child(second, "fraFullBrand")->childAt(QPoint(50, 30))->objectName(), QStringLiteral("lblCobrand"));
    QVERIFY(!startup.exitScreen()->isVisible());

    // A close by the user: the exit screen stays, the program goes on ...
    second->close();
    settle();
    QVERIFY(startup.exitScreen()->isVisible());
    QVERIFY(startup.exitScreen()->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(platform.ends, 0);
    // ... until the exit screen is closed.
    startup.exitScreen()->close();
    settle();
    QCOMPARE(platform.ends, 1);
    QVERIFY(!startup.mainWindow() && !startup.resultWindow());
}

namespace {

struct Probe {
    QProcess *process;
    QString output;
};

QProcessEnvironment probeEnvironment(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    return env;
}

QProcess *startProbe(const QTemporaryDir &home, QObject *parent)
{
    auto *p = new QProcess(parent);
    p->setProcessEnvironment(probeEnvironment(home));
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(TZK_PROBE_PATH), {});
    return p;
}

// Reads until the probe says it runs or has ended.
QString waitForVerdict(QProcess *p)
{
    QString out;
    for (int i = 0; i < 200 && !out.contains(QLatin1String("main window shown")) && !out.contains(QLatin1String("process ended")); ++i) {
        p->waitForReadyRead(100);
        out += QString::fromLocal8Bit(p->readAllStandardOutput());
        if (p->state() == QProcess::NotRunning) {
            out += QString::fromLocal8Bit(p->readAllStandardOutput());
            break;
        }
    }
    return out;
}

} // namespace

void TestStartup::processes_onlyOneCopyRuns()
{
    QTemporaryDir home;
    QObject owner;
    QList<QProcess *> probes;
    for (int i = 0; i < 10; ++i)
        probes << startProbe(home, &owner); // all at once
    int running = 0;
    int refused = 0;
    for (QProcess *p : probes) {
        const QString out = waitForVerdict(p);
        if (out.contains(QLatin1String("main window shown")))
            ++running;
        else if (out.contains(QLatin1String("message: Application is already running")) && out.contains(QLatin1String("process ended"))) {
            QVERIFY(p->waitForFinished(5000));
            QCOMPARE(p->exitCode(), 0);
            ++refused;
        }
    }
    QCOMPARE(running, 1);
    QCOMPARE(refused, 9);
    for (QProcess *p : probes) {
        p->kill();
        p->waitForFinished(5000);
    }
}

void TestStartup::processes_killedCopyDoesNotBlock()
{
    QTemporaryDir home;
    QObject owner;
    QProcess *first = startProbe(home, &owner);
    QVERIFY(waitForVerdict(first).contains(QLatin1String("main window shown")));

    QProcess *second = startProbe(home, &owner);
    QVERIFY(waitForVerdict(second).contains(QLatin1String("Application is already running")));
    QVERIFY(second->waitForFinished(5000));
    QCOMPARE(first->state(), QProcess::Running); // the first copy is not touched

    ::kill(pid_t(first->processId()), SIGKILL);
    QVERIFY(first->waitForFinished(5000));
    QProcess *third = startProbe(home, &owner);
    QVERIFY(waitForVerdict(third).contains(QLatin1String("main window shown")));
    third->kill();
    third->waitForFinished(5000);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
