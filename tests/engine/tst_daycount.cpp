#include "daycount.h"
#include "mayan.h"
#include "readings.h"

#include <QDate>
#include <QFile>
#include <QTest>

using namespace tzk;

class TestDayCount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamples_data();
    void workedExamples();
    void agreesWithIndependentReference();
    void everyDayAdvancesByOnePlace();
    void datesTheFormCannotProduceAreRefused_data();
    void datesTheFormCannotProduceAreRefused();
    void placeRulesRepeatEvery20And13();
};

void TestDayCount::workedExamples_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("tone");
    QTest::addColumn<QString>("mayanName");

    QTest::newRow("1 Jan 1900, from 1 March 1899") << 1900 << "January" << 1 << 88 << 8 << 4 << "TIJASH - (ETZNAB)";
    QTest::newRow("1 Mar 1900") << 1900 << "March" << 1 << 147 << 7 << 11 << "NOJ - (CABAN)";
    QTest::newRow("sum of exactly 260 stays") << 1901 << "March" << 9 << 260 << 20 << 7 << "TZI - (OC)";
    QTest::newRow("1 Jun 1928") << 1928 << "June" << 1 << 66 << 6 << 8 << "AJMAK - (CIB)";
    QTest::newRow("16 Nov = 1 March") << 1950 << "November" << 16 << 209 << 9 << 8 << "KAWOK - (CAUAC)";
    QTest::newRow("17 Nov, after the break") << 1950 << "November" << 17 << 210 << 10 << 9 << "AJPU - (AHUA)";
    QTest::newRow("20 Jul 1970") << 1970 << "July" << 20 << 115 << 15 << 5 << "KAN - (CHICCHAN)";
    QTest::newRow("15 Jan 1990") << 1990 << "January" << 15 << 214 << 14 << 13 << "KAT - (KAN)";
    QTest::newRow("14 Mar 1975") << 1975 << "March" << 14 << 253 << 13 << 13 << "AKABAL - (AKBAL)";
    QTest::newRow("31 Dec 1999") << 1999 << "December" << 31 << 211 << 11 << 10 << "IMOSH - (IMIX)";
    QTest::newRow("29 Feb 2000, the day before 1 Mar") << 2000 << "February" << 29 << 11 << 11 << 5 << "IMOSH - (IMIX)";
    QTest::newRow("1 Mar 2000") << 2000 << "March" << 1 << 12 << 12 << 6 << "IK - (IK)";
    QTest::newRow("1 Mar 2001") << 2001 << "March" << 1 << 117 << 17 << 7 << "KIEJ - (MANIK)";
    QTest::newRow("31 Dec 2015") << 2015 << "December" << 31 << 75 << 15 << 4 << "KAN - (CHICCHAN)";
    QTest::newRow("1 Jan 2016") << 2016 << "January" << 1 << 76 << 16 << 5 << "KAME - (CIMI)";
    QTest::newRow("31 Dec 2016, last date") << 2016 << "December" << 31 << 181 << 1 << 6 << "BATZ - (CHUEN)";
}

void TestDayCount::workedExamples()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, place);
    QFETCH(int, sign);
    QFETCH(int, tone);
    QFETCH(QString, mayanName);

    const QByteArray m = month.toLatin1();
    QCOMPARE(DayCount(year, m.constData(), day), std::optional<int>(place));
    QCOMPARE(DaySign(place), sign);
    QCOMPARE(GalacticTone(place), tone);

    ReadingRecord r = test::birthRecord(QString(), year, month, day);
    QVERIFY(CalculateReading(r));
    QCOMPARE(r.mayanName, mayanName);
    QCOMPARE(int(r.galacticTone), tone);
}

void TestDayCount::agreesWithIndependentReference()
{
    QFile f(QStringLiteral(TZK_TEST_DATA_DIR "/tzolkin_reference.txt"));
    QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(f.errorString()));
    int lines = 0;
    while (!f.atEnd()) {
        const QList<QByteArray> cols = f.readLine().trimmed().split(' ');
        QCOMPARE(cols.size(), 3);
        const QDate date = QDate::fromString(QString::fromLatin1(cols[0]), Qt::ISODate);
        const int tone = cols[1].toInt();
        const int traditional = cols[2].toInt(); // 1 = Imix
        const auto place = DayCount(date.year(), kMonthNames[date.month() - 1], date.day());
        QVERIFY2(place, qPrintable(date.toString(Qt::ISODate)));
        if (GalacticTone(*place) != tone || (DaySign(*place) + 9) % 20 + 1 != traditional)
            QFAIL(qPrintable(QStringLiteral("%1: place %2 gives sign %3 tone %4, reference %5/%6")
                                 .arg(date.toString(Qt::ISODate))
                                 .arg(*place)
                                 .arg(DaySign(*place))
                                 .arg(GalacticTone(*place))
                                 .arg(traditional)
                                 .arg(tone)));
        ++lines;
    }
    QCOMPARE(lines, QDate(1900, 1, 1).daysTo(QDate(2016, 12, 31)) + 1);
}

void TestDayCount::everyDayAdvancesByOnePlace()
{
    int previous = 0;
    int days = 0;
    for (QDate d(1900, 1, 1); d <= QDate(2016, 12, 31); d = d.addDays(1), ++days) {
        const auto place = DayCount(d.year(), kMonthNames[d.month() - 1], d.day());
        QVERIFY2(place && *place >= 1 && *place <= 260, qPrintable(d.toString(Qt::ISODate)));
        if (previous != 0 && *place != previous % 260 + 1)
            QFAIL(qPrintable(QStringLiteral("%1 follows place %2 with %3")
                                 .arg(d.toString(Qt::ISODate))
                                 .arg(previous)
                                 .arg(*place)));
        previous = *place;
    }
    QCOMPARE(days, 42734);
}

void TestDayCount::datesTheFormCannotProduceAreRefused_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");

    QTest::newRow("year before range") << 1899 << "December" << 31;
    QTest::newRow("year after range") << 2017 << "January" << 1;
    QTest::newRow("negative year") << -32768 << "March" << 1;
    QTest::newRow("lower-case month") << 2000 << "march" << 1;
    QTest::newRow("month with blank") << 2000 << "March " << 1;
    QTest::newRow("empty month") << 2000 << "" << 1;
    QTest::newRow("day 0") << 2000 << "March" << 0;
    QTest::newRow("day 32") << 2000 << "January" << 32;
    QTest::newRow("31 April") << 2000 << "April" << 31;
    QTest::newRow("31 November") << 1950 << "November" << 31;
    QTest::newRow("30 February") << 2000 << "February" << 30;
    QTest::newRow("29 February 1900, not a leap year") << 1900 << "February" << 29;
    QTest::newRow("29 February 1901") << 1901 << "February" << 29;
    QTest::newRow("huge day") << 2000 << "May" << 32767;
}

void TestDayCount::datesTheFormCannotProduceAreRefused()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);

    const QByteArray m = month.toLatin1();
    QCOMPARE(DayCount(year, m.constData(), day), std::nullopt);

    // The record must not keep a reading that belongs to another date.
    ReadingRecord r = test::calculatedRecord(QStringLiteral("Ann"), 1975, QStringLiteral("March"), 14);
    QVERIFY(!r.mayanName.isEmpty());
    r.birthYear = qint16(year);
    r.birthMonth = month;
    r.birthDay = qint16(day);
    QVERIFY(!CalculateReading(r));
    QCOMPARE(r, test::birthRecord(QStringLiteral("Ann"), year, month, day));
}

void TestDayCount::placeRulesRepeatEvery20And13()
{
    for (int p = 1; p <= 260; ++p) {
        QVERIFY(DaySign(p) >= 1 && DaySign(p) <= 20);
        QVERIFY(GalacticTone(p) >= 1 && GalacticTone(p) <= 13);
        if (p + 20 <= 260)
            QCOMPARE(DaySign(p + 20), DaySign(p));
        if (p + 13 <= 260)
            QCOMPARE(GalacticTone(p + 13), GalacticTone(p));
    }
    // Each of the 260 (sign, tone) pairs occurs exactly once.
    QSet<int> pairs;
    for (int p = 1; p <= 260; ++p)
        pairs.insert(DaySign(p) * 100 + GalacticTone(p));
    QCOMPARE(pairs.size(), 260);
}

QTEST_APPLESS_MAIN(TestDayCount)
#include "tst_daycount.moc"
