// The About window: how it closes, where its links go, and its design.
#include "abouttext.h"
#include "design.h"
#include "drive.h"
#include "fakeplatform.h"
#include "frmabout.h"
#include "links.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tzk;
using tzk::test::FakePlatform;
using tzk::test::child;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closes_data();
    void closes();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void design();
};

void TestFrmAbout::closes_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Return") << 2;
    QTest::newRow("Esc") << 3;
}

void TestFrmAbout::closes()
{
    QFETCH(int, how);
    FakePlatform platform;
    QWidget opener;
    opener.show();
    FrmAbout about(platform, &opener);
    constexpr int kStuck = 42;
    // Once its event loop runs: the press, and then, if the window did not
    // close at once, the end of the wait.
    QTimer::singleShot(0, &about, [&about, how] {
        auto *ok = child<QPushButton>(&about, "cmdOK");
        switch (how) {
        case 0: QTest::mouseClick(ok, Qt::LeftButton); break;
        case 1: QTest::keyClick(&about, Qt::Key_Enter); break;
        case 2: QTest::keyClick(&about, Qt::Key_Return); break;
        case 3: QTest::keyClick(&about, Qt::Key_Escape); break;
        }
        if (about.isVisible())
            about.done(kStuck);
    });
    const int result = about.exec();
    QVERIFY(result != kStuck);
    QVERIFY(!about.isVisible());
    QVERIFY(opener.isVisible());
    QVERIFY(platform.urls.isEmpty());
    QVERIFY(platform.messages.isEmpty());
}

void TestFrmAbout::linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("address");
    QTest::newRow("home page") << "lblHomePage" << "http://www.tessalyforum.com";
    // The label completes the full-branding offer beside it.
    QTest::newRow("more details") << "lblCoBrand" << webPageAddress(WebPage::FullBrandPage);
}

void TestFrmAbout::linksOpenTheirPages()
{
    QFETCH(QString, label);
    QFETCH(QString, address);
    FakePlatform platform;
    QWidget opener;
    FrmAbout about(platform, &opener);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(child<QLabel>(&about, qPrintable(label)), Qt::LeftButton);
    QCOMPARE(platform.urls, QList<QUrl>{QUrl(address)});
    QVERIFY(about.isVisible()); // a link leaves the window open
}

void TestFrmAbout::design()
{
    FakePlatform platform;
    QWidget opener;
    FrmAbout about(platform, &opener);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), test::designCaption());
    QCOMPARE(about.size(), QSize(466, 219));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(128, 0, 128));
    QVERIFY(child<QPushButton>(&about, "cmdOK")->isDefault());
    // The icon comes from the program's resources, which must reach every window.
    QVERIFY(!child<QLabel>(&about, "picIcon")->pixmap().isNull());

    const auto label = [&about](const char *name) { return child<QLabel>(&about, name); };
    QCOMPARE(label("Label1")->text(), QString::fromLatin1(kAboutParagraph));
    QCOMPARE(label("lblHomePage")->text(), QStringLiteral("Click here to visit http://www.tessalyforum.com"));
    for (const char *link : {"lblHomePage", "lblCoBrand"}) {
        QCOMPARE(label(link)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(label(link)->cursor().shape(), Qt::PointingHandCursor);
    }

    const struct {
        const char *name;
        QRect geometry;
    } spots[] = {{"picIcon", QRect(8, 3, 32, 32)},
                 {"Label1", QRect(50, 26, 411, 81)},
                 {"Label3", QRect(8, 128, 453, 29)},
                 {"Line1", QRect(0, 184, 465, 2)},
                 {"cmdOK", QRect(377, 192, 84, 23)}};
    for (const auto &spot : spots)
        QCOMPARE(child(&about, spot.name)->geometry(), spot.geometry);

    // Each text is seen whole: one-line labels inside the window, wrapped
    // ones above their label's foot (Verdana's stand-in is wider).
    for (const char *name : {"Label2", "lblHomePage", "lblCoBrand"}) {
        const QLabel *l = label(name);
        QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width(), name);
        QVERIFY2(l->geometry().right() < about.width(), name);
    }
    for (const char *name : {"Label1", "Label3"}) {
        const QLabel *l = label(name);
        const QRect need = QFontMetrics(l->font()).boundingRect(l->contentsRect(), Qt::TextWordWrap, l->text());
        QVERIFY2(need.height() <= l->height(), name);
    }
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
