// The result window when its pictures cannot be had: missing from the
// resources, damaged, or no list at all. The person still gets the whole
// reading in words, and a box whose picture does not decode keeps the one
// it had before loading (Crocodile, 13-Cosmic), or stays empty when that
// one cannot be had either.
#include "readings.h"
#include "drive.h"
#include "fakenavigator.h"
#include "fakeplatform.h"
#include "frmmayanresult.h"
#include "mayan.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tzk;
using namespace tzk::test;

namespace {

// The keys of `real`, each with the path `pathOf` gives for its place.
PictureList moved(const PictureList &real, const std::function<QString(int)> &pathOf)
{
    QStringList keys;
    QStringList paths;
    for (int i = 1; i <= real.count(); ++i) {
        keys << real.key(i);
        paths << pathOf(i);
    }
    return PictureList(keys, paths);
}

} // namespace

class TestFaultsPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsAreFilledWithoutPictures_data();
    void labelsAreFilledWithoutPictures();

private:
    QTemporaryDir m_dir;
};

void TestFaultsPictures::labelsAreFilledWithoutPictures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("keptPicturesDecode");
    QTest::newRow("missing from the resources") << "missing" << false;
    QTest::newRow("damaged picture files") << "damaged" << false;
    QTest::newRow("no pictures at all") << "none" << false;
    QTest::newRow("only the reading's two damaged") << "reading" << true;
}

void TestFaultsPictures::labelsAreFilledWithoutPictures()
{
    QFETCH(QString, kind);
    QFETCH(bool, keptPicturesDecode);

    // 1 January 1900 is Flint (picture 8) with tone 4.
    const PictureList realSigns = PictureList::daySigns();
    const PictureList realTones = PictureList::galacticTones();
    // A JPEG header, then noise.
    const QString damaged = m_dir.filePath(QStringLiteral("damaged.jpg"));
    QFile f(damaged);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) + QByteArray(3000, '\x5A'));
    f.close();
    PictureList signs({}, {});
    PictureList tones({}, {});
    if (kind == QLatin1String("missing")) {
        signs = moved(realSigns, [](int i) { return QStringLiteral(":/signs/gone-%1.jpg").arg(i); });
        tones = moved(realTones, [](int i) { return QStringLiteral(":/tones/gone-%1.jpg").arg(i); });
    } else if (kind == QLatin1String("damaged")) {
        signs = moved(realSigns, [&](int) { return damaged; });
        tones = moved(realTones, [&](int) { return damaged; });
    } else if (kind == QLatin1String("reading")) {
        signs = moved(realSigns, [&](int i) {
            return i == 8 ? damaged : QStringLiteral(":/signs/%1-%2.jpg").arg(i, 2, 10, QLatin1Char('0')).arg(realSigns.key(i));
        });
        tones = moved(realTones, [&](int i) {
            return i == 4 ? damaged : QStringLiteral(":/tones/%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        });
    }

    setCurrentReading(QStringLiteral("Ann"), 1900, QStringLiteral("January"), 1);
    FakePlatform platform;
    FakeNavigator navigator;
    QPointer<FrmMayanResult> window = new FrmMayanResult(platform, navigator, nullptr, signs, tones);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const ReadingRecord &r = MayanReading;
    QCOMPARE(r.englishName, QStringLiteral("Flint"));
    const QList<std::pair<const char *, QString>> labels{
        {"lblMayanDayNumber", QStringLiteral("4")},  {"lblMayanNoDesc", r.toneDescription},
        {"lblMayanDaySign", r.mayanName},           {"lblMayanGemstone", r.gemstone},
        {"lblKeywords", r.keywords},                {"lblSignificance", r.significance},
        {"lblMayanDesc", r.signDescription},        {"lblMayanEnglishName", r.englishName},
        {"lblFamousPersons", r.famousPersons}};
    for (const auto &[name, text] : labels) {
        QVERIFY2(!text.trimmed().isEmpty(), name);
        QCOMPARE(labelText(window, name), text);
    }
    // The boxes keep Crocodile and 13-Cosmic, when those can be had.
    QCOMPARE(window->shownSignPicture(), 11);
    QCOMPARE(window->shownTonePicture(), 13);
    const QPixmap sign = child<QLabel>(window, "picDaySign")->pixmap();
    const QPixmap tone = child<QLabel>(window, "picGalacticTone")->pixmap();
    if (keptPicturesDecode) {
        QCOMPARE(sign.toImage(), realSigns.picture(11, sign.devicePixelRatio()).toImage());
        QCOMPARE(tone.toImage(), realTones.picture(13, tone.devicePixelRatio()).toImage());
    } else {
        QVERIFY(sign.isNull());
        QVERIFY(tone.isNull());
    }
    QVERIFY(platform.messages.isEmpty());

    // The window still works: Back goes on as always.
    click(window, "cmdBack");
    QCOMPARE(navigator.calls, QStringList({"showMain", "showExit", "hideExit"}));
    settle();
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestFaultsPictures)
#include "tst_faults_pictures.moc"
