#include "catalogue.h"
#include "daycount.h"
#include "famous_birthdates.h"
#include "mayan.h"
#include "readings.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace tzk;

namespace {

const char *const kOrdinals[] = {"first",     "second",     "third",      "fourth",     "fifth",
                                 "sixth",     "seventh",    "eighth",     "ninth",      "tenth",
                                 "eleventh",  "twelfth",    "thirteenth", "fourteenth", "fifteenth",
                                 "sixteenth", "seventeenth", "eighteenth", "nineteenth", "twentieth"};

QString qs(std::u16string_view s) { return staticString(s); }

ReadingRecord readingFor(int year, const char *month, int day)
{
    return test::calculatedRecord(QString(), year, QString::fromLatin1(month), day);
}

// The form every row must keep: the opening words and the lengths in
// characters. A text edited to another length fails here, naming its row.
struct SignForm {
    const char *opening;
    int descriptionLength;
    int famousLength;
};

const SignForm kSignForms[kSignCount] = {
    {"The eleventh sign of Mayan", 954, 27},
    {"Road also known as the", 873, 32},
    {"Reed - the thirteenth sign", 857, 32},
    {"Jaguar is the fourteenth sign", 640, 24},
    {"As the name implies, the", 617, 23},
    {"Wisdom is the sixteenth sign", 492, 32},
    {"Earth or the earthquake is", 593, 35},
    {"The eighteenth sign of the", 692, 29},
    {"The nineteenth sign of the", 563, 32},
    {"This is the twentieth sign", 704, 33},
    {"According to Mayan Astrology, crocodile", 826, 25},
    {"Wind is the second day", 746, 31},
    {"The third sign of Mayan", 847, 30},
    {"Seed is the fourth sign", 932, 24},
    {"The fifth sign of the", 637, 29},
    {"Transformer is the sixth sign", 756, 23},
    {"The seventh sign of Mayan", 910, 22},
    {"The eighth sign of the", 885, 27},
    {"Offering or Water - the", 869, 30},
    {"Dogs are well known for", 839, 24},
};

struct ToneForm {
    const char *opening;
    int length;
};

const ToneForm kToneForms[kToneCount] = {
    {"Power and great force are", 412},
    {"Balance is the keyword describing", 457},
    {"Versatile and communicative are the", 461},
    {"Again balance is the keyword", 419},
    {"Five is the 'elevation of", 448},
    {"Imbalance is the keyword describing", 400},
    {"'Energy to catalyze' is what", 435},
    {"Male authority is the keyword", 528},
    {"Female authority is the keyword", 391},
    {"The keyword describing this particular", 360},
    {"Resolution is the keyword that", 215},
    {"Strong and abundant energy is", 271},
    {"Realization is the keyword that", 429},
};

// One paragraph: no line break, no blank at either end.
void checkParagraph(const QString &text)
{
    QVERIFY2(!text.contains(u'\n') && !text.contains(u'\r'), "holds a line break");
    QVERIFY2(!text.startsWith(u' ') && !text.endsWith(u' '), "starts or ends with a blank");
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signRowForm_data();
    void signRowForm();
    void toneRowForm_data();
    void toneRowForm();
    void firstAndLastRows();
    void gemstonesKeepTheirTrailingBlank();
    void descriptionsNameTheirOwnPlaceInTheCount();
    void famousPeopleWereBornUnderTheirSign();
    void secondCalculationReplacesEveryComputedField();
    void pictureKeysFollowCatalogueOrder();
    void translationToolsFindEveryText();
};

void TestCatalogue::signRowForm_data()
{
    QTest::addColumn<int>("row");
    for (int row = 1; row <= kSignCount; ++row)
        QTest::addRow("%d %s", row, qPrintable(qs(signTexts(row).englishName))) << row;
}

void TestCatalogue::signRowForm()
{
    QFETCH(int, row);
    const SignTexts &sign = signTexts(row);
    const SignForm &form = kSignForms[row - 1];
    const QString description = qs(sign.signDescription);
    const QString opening = QString::fromUtf8(form.opening);
    QCOMPARE(description.left(opening.size()), opening);
    QCOMPARE(description.size(), form.descriptionLength);
    checkParagraph(description);
    const QString famous = qs(sign.famousPersons);
    QCOMPARE(famous.size(), form.famousLength);
    QCOMPARE(famous.split(QStringLiteral(", ")).size(), 2);
    for (int other = 1; other < row; ++other) {
        QVERIFY(signTexts(other).mayanName != sign.mayanName);
        QVERIFY(signTexts(other).englishName != sign.englishName);
    }
}

void TestCatalogue::toneRowForm_data()
{
    QTest::addColumn<int>("tone");
    for (int tone = 1; tone <= kToneCount; ++tone)
        QTest::addRow("%d %s", tone, qPrintable(qs(toneTexts(tone).toneKey))) << tone;
}

void TestCatalogue::toneRowForm()
{
    QFETCH(int, tone);
    const QString description = qs(toneTexts(tone).toneDescription);
    const QString opening = QString::fromUtf8(kToneForms[tone - 1].opening);
    QCOMPARE(description.left(opening.size()), opening);
    QCOMPARE(description.size(), kToneForms[tone - 1].length);
    checkParagraph(description);
    // Only the second tone keeps two blanks after its first sentence.
    QCOMPARE(description.contains(QStringLiteral(".  ")), tone == 2);
}

void TestCatalogue::firstAndLastRows()
{
    const ReadingRecord monkey = readingFor(2016, "December", 31); // place 181, row 1
    QCOMPARE(monkey.mayanName, QStringLiteral("BATZ - (CHUEN)"));
    QCOMPARE(monkey.englishName, QStringLiteral("Monkey"));
    QCOMPARE(monkey.keywords, QStringLiteral("Witty and demonstrative"));
    QCOMPARE(monkey.gemstone, QStringLiteral("Aventurine"));
    QCOMPARE(monkey.significance, QStringLiteral("Manifestation"));
    QCOMPARE(monkey.famousPersons, qs(kFamousPersons[0]));
    QVERIFY(monkey.signDescription.startsWith(QStringLiteral("The eleventh sign of Mayan")));

    const ReadingRecord dog = readingFor(1901, "March", 9); // place 260, row 20
    QCOMPARE(dog.mayanName, QStringLiteral("TZI - (OC)"));
    QCOMPARE(dog.englishName, QStringLiteral("Dog"));
    QCOMPARE(dog.keywords, QStringLiteral("Helpful and loyal"));
    QCOMPARE(dog.gemstone, QStringLiteral("Bloodstone"));
    QCOMPARE(dog.significance, QStringLiteral("Patience"));
    QCOMPARE(int(dog.galacticTone), 7);
    QVERIFY(dog.toneDescription.startsWith(QStringLiteral("'Energy to catalyze' is what")));
}

void TestCatalogue::gemstonesKeepTheirTrailingBlank()
{
    QCOMPARE(qs(signTexts(3).gemstone), QStringLiteral("Turquoise "));
    QCOMPARE(qs(signTexts(5).gemstone), QStringLiteral("Unakite "));
    // ... and the record gets it unchanged (12 March 1901 is place 3).
    QCOMPARE(readingFor(1901, "March", 12).gemstone, QStringLiteral("Turquoise "));
    // Rows sharing "Unity" stay distinct in every other column.
    for (int a : {5, 11, 18})
        for (int b : {5, 11, 18})
            if (a < b) {
                QCOMPARE(qs(signTexts(a).significance), QStringLiteral("Unity"));
                QVERIFY(signTexts(a).mayanName != signTexts(b).mayanName);
                QVERIFY(signTexts(a).keywords != signTexts(b).keywords);
                QVERIFY(signTexts(a).gemstone != signTexts(b).gemstone);
                QVERIFY(signTexts(a).famousPersons != signTexts(b).famousPersons);
                QVERIFY(signTexts(a).signDescription != signTexts(b).signDescription);
            }
}

void TestCatalogue::descriptionsNameTheirOwnPlaceInTheCount()
{
    for (int row = 1; row <= kSignCount; ++row) {
        const QString text = qs(signTexts(row).signDescription).toLower();
        const int traditional = (row + 9) % 20; // 0-based: row 1 is the eleventh
        for (int k = 0; k < 20; ++k) {
            const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QLatin1String(kOrdinals[k])));
            const bool named = text.contains(word);
            if (named != (k == traditional))
                QFAIL(qPrintable(QStringLiteral("row %1 %2 \"%3\"")
                                     .arg(row)
                                     .arg(named ? "wrongly names" : "does not name")
                                     .arg(QLatin1String(kOrdinals[k]))));
        }
    }
}

void TestCatalogue::famousPeopleWereBornUnderTheirSign()
{
    using testdata::kFamousBirths;
    QStringList named[kSignCount + 1];
    for (const auto &p : kFamousBirths) {
        const auto place = DayCount(p.year, p.month, p.day);
        QVERIFY2(place, p.name);
        QVERIFY2(DaySign(*place) == p.row, p.name);
        named[p.row] << QString::fromUtf8(p.name);
    }
    // Each row is exactly its two dated people, in order: a person dated
    // twice and one not at all cannot both pass.
    for (int row = 1; row <= kSignCount; ++row)
        QCOMPARE(named[row].join(QStringLiteral(", ")), qs(signTexts(row).famousPersons));
}

void TestCatalogue::secondCalculationReplacesEveryComputedField()
{
    // Every pair of places, including a long row followed by a short one.
    ReadingRecord r = test::birthRecord(QStringLiteral("  kept as set  "), 1900, QStringLiteral("March"), 1);
    for (int first = 1; first <= 31; first += 3) {
        for (int second = 1; second <= 31; second += 5) {
            r.birthDay = qint16(first);
            QVERIFY(CalculateReading(r));
            r.birthDay = qint16(second);
            QVERIFY(CalculateReading(r));
            QCOMPARE(r, test::calculatedRecord(r.personName, r.birthYear, r.birthMonth, r.birthDay));
        }
    }
    QCOMPARE(r.personName, QStringLiteral("  kept as set  "));
}

void TestCatalogue::pictureKeysFollowCatalogueOrder()
{
    const QStringList expected{"Monkey", "Road",        "Reed", "Jaguar", "Eagle", "Wisdom",   "Earth",
                               "Flint",  "Storm",       "Sun",  "Crocodile", "Wind", "Night",  "Seed",
                               "Serpent", "Transformer", "Deer", "Star",   "Offering", "Dog"};
    QCOMPARE(signPictureKeys(), expected);
}

void TestCatalogue::translationToolsFindEveryText()
{
#ifndef TZK_LUPDATE
    QSKIP("lupdate (Debian package qt6-l10n-tools) was not found when the tests were configured");
#else
    // The texts are looked up at run time by their English text, so each
    // one must come out of lupdate exactly as the program holds it.
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("catalogue.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TZK_LUPDATE), {QStringLiteral(TZK_ENGINE_SOURCE_DIR), QStringLiteral("-silent"),
                                                QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSet<QString> extracted;
    QString context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source" && context == QLatin1String(kCatalogueContext))
            extracted << xml.readElementText();
    }
    QSet<QString> expected;
    for (int row = 1; row <= kSignCount; ++row) {
        const SignTexts &s = signTexts(row);
        for (const auto text : {s.englishName, s.keywords, s.gemstone, s.significance, s.famousPersons,
                                s.signDescription})
            expected << qs(text);
    }
    for (int tone = 1; tone <= kToneCount; ++tone)
        expected << qs(toneTexts(tone).toneDescription);
    for (const QSet<QString> &left : {expected - extracted, extracted - expected})
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("%1 of %2 unmatched, such as \"%3\"")
                                                .arg(left.size())
                                                .arg(expected.size())
                                                .arg(left.values().value(0).left(60))));
#endif
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
