#include "drive.h"
#include "fakeplatform.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "frmmayanresult.h"
#include "frmstartup.h"
#include "qtplatform.h"
#include "mayan.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QSignalSpy>


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
    QCOMPARE(QApplication::windowIcon().pixmap(QSize(48, 48), 1.0).size(), QSize(48, 48)); // its box has the icon
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

    QApplication::setWindowIcon(QIcon()); // so that each start must set it
    FakePlatform platform;
    platform.randoms.enqueue(random);
    FrmStartup startup(platform);
    startup.Form_Load();
    QCOMPARE(platform.seeds, 1);
    QVERIFY(platform.messages.isEmpty()); // first run: no reminder question
    QVERIFY(platform.store.isEmpty());    // ... and its date is stored
    QVERIFY(QSignalSpy(&startup, &FrmStartup::settled).wait()); // once the window is painted
    QCOMPARE(platform.store.size(), 1);
    QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty()); // the title bar's icon too
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

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
