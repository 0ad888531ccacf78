// The result window when its pictures cannot be had: missing from the
// resources, damaged, or no list at all. The person still gets the whole
// reading in words; only the picture boxes stay empty.
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
    QTest::addColumn<int>("signShown"); // the place the window picks for 14 March 1975 (Night, tone 13)
    QTest::addColumn<int>("toneShown");
    QTest::newRow("missing from the resources") << "missing" << 13 << 13;
    QTest::newRow("damaged picture files") << "damaged" << 13 << 13;
    QTest::newRow("no pictures at all") << "none" << 11 << 13;
}

void TestFaultsPictures::labelsAreFilledWithoutPictures()
{
    QFETCH(QString, kind);
    QFETCH(int, signShown);
    QFETCH(int, toneShown);

    PictureList signs({}, {});
    PictureList tones({}, {});
    if (kind == QLatin1String("missing")) {
        signs = moved(PictureList::daySigns(), [](int i) { return QStringLiteral(":/signs/gone-%1.jpg").arg(i); });
        tones = moved(PictureList::galacticTones(), [](int i) { return QStringLiteral(":/tones/gone-%1.jpg").arg(i); });
    } else if (kind == QLatin1String("damaged")) {
        // A JPEG header, then noise.
        const QString damaged = m_dir.filePath(QStringLiteral("damaged.jpg"));
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) + QByteArray(3000, '\x5A'));
        f.close();
        signs = moved(PictureList::daySigns(), [&](int) { return damaged; });
        tones = moved(PictureList::galacticTones(), [&](int) { return damaged; });
    }

    MayanReading = ReadingRecord();
    MayanReading.personName = QStringLiteral("Ann");
    MayanReading.birthYear = 1975;
    MayanReading.birthMonth = QStringLiteral("March");
    MayanReading.birthDay = 14;
    FakePlatform platform;
    FakeNavigator navigator;
    QPointer<FrmMayanResult> window = new FrmMayanResult(platform, navigator, nullptr, signs, tones);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const ReadingRecord &r = MayanReading;
    QCOMPARE(r.englishName, QStringLiteral("Night"));
    const QList<std::pair<const char *, QString>> labels{
        {"lblMayanDayNumber", QStringLiteral("13")}, {"lblMayanNoDesc", r.toneDescription},
        {"lblMayanDaySign", r.mayanName},           {"lblMayanGemstone", r.gemstone},
        {"lblKeywords", r.keywords},                {"lblSignificance", r.significance},
        {"lblMayanDesc", r.signDescription},        {"lblMayanEnglishName", r.englishName},
        {"lblFamousPersons", r.famousPersons}};
    for (const auto &[name, text] : labels) {
        QVERIFY2(!text.trimmed().isEmpty(), name);
        QCOMPARE(labelText(window, name), text);
    }
    QVERIFY(child<QLabel>(window, "picDaySign")->pixmap().isNull());
    QVERIFY(child<QLabel>(window, "picGalacticTone")->pixmap().isNull());
    QCOMPARE(window->shownSignPicture(), signShown);
    QCOMPARE(window->shownTonePicture(), toneShown);
    QVERIFY(platform.messages.isEmpty());

    // The window still works: Back goes on as always.
    click(window, "cmdBack");
    QCOMPARE(navigator.calls, QStringList({"showMain", "showExit", "hideExit"}));
    settle();
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestFaultsPictures)
#include "tst_faults_pictures.moc"
