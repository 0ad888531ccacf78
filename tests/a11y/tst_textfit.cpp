// Every text fits its box, in English and in each shipped translation.
// CTest runs this at 100%, 150% and 200% (QT_SCALE_FACTOR). The windows
// keep their designed boxes and fonts in every language, so a translation
// that runs long must be shortened; a failure names the control.
#include "frmday.h"
#include "textfit.h"
#include "windows.h"
#include "windowstyle.h"

#include <QTranslator>
#include <QtTest>

#include <memory>
#include <optional>

using namespace tzk;
using namespace tzk::test;

class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
};

void TestTextFit::initTestCase()
{
    installFontStandIns();
}

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    // The result window's day of March 1975; the exit screen's text; the
    // day window's day after 21 December 2012.
    QTest::addColumn<int>("variant");
    for (const char *language : {"en", "es"}) {
        for (const QString &window : kWindowNames)
            QTest::addRow("%s %s", language, qPrintable(window)) << QString::fromLatin1(language) << window << 0;
        for (int text = 1; text <= 3; ++text) // the first is in the row above
            QTest::addRow("%s exit text %d", language, text + 1)
                << QString::fromLatin1(language) << QStringLiteral("exit") << text;
        // Twenty days in a row bring every sign, and every tone at least once.
        for (int day = 1; day <= 20; ++day) {
            const ReadingRecord r = calculatedRecord(QStringLiteral("Ann"), 1975, QStringLiteral("March"), day);
            QTest::addRow("%s result %s %d", language, qPrintable(r.englishName), int(r.galacticTone))
                << QString::fromLatin1(language) << QStringLiteral("result") << day;
            QTest::addRow("%s day %d", language, day) << QString::fromLatin1(language) << QStringLiteral("day") << day;
        }
    }
}

void TestTextFit::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(int, variant);
    // As the program sets up a user in Mexico (es_MX finds tzolkara_es.qm),
    // with the names of days from the locale; the English rows in "C".
    const QLocale locale(language == QLatin1String("en") ? QStringLiteral("C") : language + QStringLiteral("_MX"));
    QLocale::setDefault(locale);
    QTranslator translation;
    if (language != QLatin1String("en")) {
        QVERIFY(translation.load(locale, QStringLiteral("tzolkara"), QStringLiteral("_"),
                                 QStringLiteral(TZK_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&translation);
    }
    setBirth(1975, "March", window == QLatin1String("result") && variant > 0 ? variant : 14);
    // The day window is a program of its own, without the reading's windows.
    FakePlatform platform;
    std::unique_ptr<QWidget> day;
    std::optional<OpenWindow> reading;
    if (window == QLatin1String("day"))
        day = std::make_unique<FrmDay>(platform, QStringList{QDate(2012, 12, 21).addDays(variant).toString(Qt::ISODate)});
    else
        reading.emplace(window, variant % 4 / 4.0 + 0.1);
    QWidget *shown = day ? day.get() : reading->window.data();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const QStringList cut = cutOffTexts(shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
