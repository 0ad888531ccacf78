// The windows on a scaled screen. CTest runs this once at 150% and once at
// 200% (QT_SCALE_FACTOR); the icon beside the program's name must then be
// drawn from the matching icon size rather than blown up from 32 pixels.
#include "windows.h"

#include <QApplication>
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
    void picturesKeepTheirSize();

private:
    qreal scale() const { return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(); }
};

// Without the factor in force every check below would pass at 100%.
void TestHighDpi::runsScaled()
{
    QVERIFY2(scale() > 1.0, "set QT_SCALE_FACTOR, e.g. 1.5 or 2");
    QCOMPARE(qApp->devicePixelRatio(), scale());
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

// The sign and tone pictures exist at one size only: they must keep their
// size in the layout (Qt scales them with the rest) and not shrink into a
// corner of their boxes.
void TestHighDpi::picturesKeepTheirSize()
{
    setBirth(1975, "March", 14);
    OpenWindow w(QStringLiteral("result"));
    const QPixmap sign = child<QLabel>(w.window, "picDaySign")->pixmap();
    QCOMPARE(sign.deviceIndependentSize(), QSizeF(150, 150));
    const QPixmap tone = child<QLabel>(w.window, "picGalacticTone")->pixmap();
    QCOMPARE(tone.deviceIndependentSize(), QSizeF(114, 69));
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
