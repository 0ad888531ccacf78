// The windows on a scaled screen. CTest runs this at 100%, 150% and 200%
// (QT_SCALE_FACTOR); the icon beside the program's name and the sign and
// tone pictures must then be drawn from pictures made for that density
// rather than blown up. The run at 100% has a second screen at 200% beside
// the first, to move the result window to.
#include "windows.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using namespace tzk;
using namespace tzk::test;

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runsScaled();
    void iconsAreSharp_data();
    void iconsAreSharp();
    void picturesAreSharp_data();
    void picturesAreSharp();
    void everyPictureComesForTheDensity();
    void picturesFollowTheScreen();

private:
    qreal scale() const { return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(); }
};

// Without the factor in force the checks below would all run at 100%.
void TestHighDpi::runsScaled()
{
    QVERIFY2(scale() >= 1.0, "set QT_SCALE_FACTOR: 1, 1.5 or 2");
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), scale());
}

void TestHighDpi::iconsAreSharp_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("picture");
    QTest::newRow("about") << "about" << "picIcon";
    QTest::newRow("exit") << "exit" << "Picture1";
}

void TestHighDpi::iconsAreSharp()
{
    QFETCH(QString, window);
    QFETCH(QString, picture);
    OpenWindow w(window);
    const QPixmap icon = child<QLabel>(w.window, qPrintable(picture))->pixmap();
    QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));
    // 48 pixels at 150%, 64 at 200%: one icon pixel per screen pixel.
    QCOMPARE(icon.width(), qRound(32 * scale()));
    QCOMPARE(icon.devicePixelRatio(), scale());
}

void TestHighDpi::picturesAreSharp_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("picture"); // the file, without ".jpg" or "@2x.jpg"
    QTest::addColumn<QSize>("size");
    QTest::newRow("sign Night") << 1975 << "March" << 14 << "picDaySign" << ":/signs/13-Night" << QSize(150, 150);
    QTest::newRow("tone 13") << 1975 << "March" << 14 << "picGalacticTone" << ":/tones/13" << QSize(114, 69);
    QTest::newRow("tone 4, odd both ways") << 1900 << "January" << 1 << "picGalacticTone" << ":/tones/04" << QSize(109, 57);
}

// A picture keeps its size in the layout, from the top-left of its box, and
// has one pixel per screen pixel: at 100% the picture file itself, from
// 150% on the one drawn at twice the size (fitted once to 150%), never the
// small one blown up.
void TestHighDpi::picturesAreSharp()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, box);
    QFETCH(QString, picture);
    QFETCH(QSize, size);

    setBirth(year, qPrintable(month), day);
    OpenWindow w(QStringLiteral("result"));
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window));
    auto *label = child<QLabel>(w.window, qPrintable(box));
    const QPixmap shown = label->pixmap();
    QCOMPARE(shown.devicePixelRatio(), scale());
    QCOMPARE(shown.size(), (QSizeF(size) * scale()).toSize());
    QCOMPARE(shown.deviceIndependentSize().toSize(), size);

    QImage drawn(picture + (scale() > 1.0 ? QStringLiteral("@2x.jpg") : QStringLiteral(".jpg")));
    QVERIFY(!drawn.isNull());
    if (scale() > 1.0)
        QCOMPARE(drawn.size(), size * 2);
    drawn = drawn.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    drawn.setDevicePixelRatio(scale());
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
    // On the screen too, pixel for pixel from the box's top-left corner.
    const QImage onScreen = label->grab().toImage().copy(QRect(QPoint(0, 0), shown.size()));
    QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
}

// All 33, so that none is left out of the resources and quietly blown up.
void TestHighDpi::everyPictureComesForTheDensity()
{
    for (const PictureList &list : {PictureList::daySigns(), PictureList::galacticTones()}) {
        for (int i = 1; i <= list.count(); ++i) {
            const QPixmap own = list.picture(i);
            const QPixmap shown = list.picture(i, scale());
            QVERIFY2(!own.isNull(), qPrintable(list.key(i)));
            QCOMPARE(shown.devicePixelRatio(), scale());
            QCOMPARE(shown.size(), (QSizeF(own.size()) * scale()).toSize());
        }
    }
}

// The application's density is the highest of all screens, but a window on
// the first screen, then moved to the second and back, must have the
// pictures made for the screen it is on.
void TestHighDpi::picturesFollowTheScreen()
{
    QScreen *first = QGuiApplication::primaryScreen();
    QScreen *second = nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        if (!qFuzzyCompare(screen->devicePixelRatio(), first->devicePixelRatio()))
            second = screen;
    }
    if (!second)
        QSKIP("needs a second screen of another density (the run at 100%)");
    QVERIFY(qApp->devicePixelRatio() > first->devicePixelRatio());

    setBirth(1975, "March", 14);
    OpenWindow w(QStringLiteral("result"));
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window));
    const QList<std::pair<const char *, QSizeF>> boxes{{"picDaySign", QSizeF(150, 150)},
                                                       {"picGalacticTone", QSizeF(114, 69)}};
    for (QScreen *screen : {first, second, first}) {
        w.window->windowHandle()->setScreen(screen);
        for (const auto &[box, size] : boxes) {
            const QPixmap shown = child<QLabel>(w.window, box)->pixmap();
            QCOMPARE(shown.devicePixelRatio(), screen->devicePixelRatio());
            QCOMPARE(shown.deviceIndependentSize(), size);
        }
    }
    QCOMPARE(child<QLabel>(w.window, "picDaySign")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(QStringLiteral(":/signs/13-Night.jpg")).convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
