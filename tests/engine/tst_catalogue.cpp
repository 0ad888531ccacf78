#include "catalogue.h"
#include "daycount.h"
#include "famous_birthdates.h"
#include "mayan.h"

#include <QRegularExpression>
#include <QTest>

using namespace tzk;

namespace {

const char *const kOrdinals[] = {"first",     "second",     "third",      "fourth",     "fifth",
                                 "sixth",     "seventh",    "eighth",     "ninth",      "tenth",
                                 "eleventh",  "twelfth",    "thirteenth", "fourteenth", "fifteenth",
                                 "sixteenth", "seventeenth", "eighteenth", "nineteenth", "twentieth"};

QString qs(std::string_view s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

ReadingRecord readingFor(int year, const char *month, int day)
{
    ReadingRecord r;
    r.birthYear = qint16(year);
    r.birthMonth = QString::fromLatin1(month);
    r.birthDay = qint16(day);
    CalculateReading(r);
    return r;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstAndLastRows();
    void gemstonesKeepTheirTrailingBlank();
    void descriptionsNameTheirOwnPlaceInTheCount();
    void famousPeopleWereBornUnderTheirSign();
    void secondCalculationReplacesEveryComputedField();
    void pictureKeysFollowCatalogueOrder();
};

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
    QCOMPARE(qs(signRow(3).gemstone), QStringLiteral("Turquoise "));
    QCOMPARE(qs(signRow(5).gemstone), QStringLiteral("Unakite "));
    // ... and the record gets it unchanged (12 March 1901 is place 3).
    QCOMPARE(readingFor(1901, "March", 12).gemstone, QStringLiteral("Turquoise "));
    // Rows sharing "Unity" stay distinct in every other column.
    for (int a : {5, 11, 18})
        for (int b : {5, 11, 18})
            if (a < b) {
                QCOMPARE(signRow(a).significance, std::string_view("Unity"));
                QVERIFY(signRow(a).mayanName != signRow(b).mayanName);
                QVERIFY(signRow(a).keywords != signRow(b).keywords);
                QVERIFY(signRow(a).gemstone != signRow(b).gemstone);
                QVERIFY(signRow(a).famousPersons != signRow(b).famousPersons);
                QVERIFY(signRow(a).signDescription != signRow(b).signDescription);
            }
}

void TestCatalogue::descriptionsNameTheirOwnPlaceInTheCount()
{
    for (int row = 1; row <= kSignCount; ++row) {
        const QString text = qs(signRow(row).signDescription).toLower();
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
    int perRow[kSignCount + 1] = {};
    for (const auto &p : kFamousBirths) {
        const auto place = DayCount(p.year, p.month, p.day);
        QVERIFY2(place, p.name);
        QVERIFY2(DaySign(*place) == p.row, p.name);
        QVERIFY2(qs(signRow(p.row).famousPersons).contains(QLatin1String(p.name)), p.name);
        ++perRow[p.row];
    }
    for (int row = 1; row <= kSignCount; ++row) {
        QCOMPARE(perRow[row], 2);
        QCOMPARE(qs(signRow(row).famousPersons).split(QStringLiteral(", ")).size(), 2);
    }
}

void TestCatalogue::secondCalculationReplacesEveryComputedField()
{
    // Every pair of places, including a long row followed by a short one.
    ReadingRecord r;
    r.personName = QStringLiteral("  kept as set  ");
    r.birthYear = 1900;
    r.birthMonth = QStringLiteral("March");
    for (int first = 1; first <= 31; first += 3) {
        for (int second = 1; second <= 31; second += 5) {
            r.birthDay = qint16(first);
            QVERIFY(CalculateReading(r));
            r.birthDay = qint16(second);
            QVERIFY(CalculateReading(r));
            ReadingRecord fresh;
            fresh.personName = r.personName;
            fresh.birthYear = r.birthYear;
            fresh.birthMonth = r.birthMonth;
            fresh.birthDay = r.birthDay;
            QVERIFY(CalculateReading(fresh));
            QCOMPARE(r, fresh);
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

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
