#include "daycount.h"
#include "mayaday.h"

#include <QFile>
#include <QTest>

using namespace tzk;

class TestMayaDay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithTheTables();
    void agreesWithIndependentReference();
    void anchors_data();
    void anchors();
    void everyDayConvertsBackAndStepsByOne();
    void returnsAndTheirCalendarFile();
};

static QString iso(CivilDate d)
{
    return QStringLiteral("%1-%2-%3").arg(d.year, 4, 10, QLatin1Char('0')).arg(d.month, 2, 10, QLatin1Char('0')).arg(d.day, 2, 10, QLatin1Char('0'));
}

void TestMayaDay::agreesWithTheTables()
{
    int dates = 0;
    for (qint64 jd = *julianDay({1900, 1, 1}); jd <= *julianDay({2016, 12, 31}); ++jd, ++dates) {
        const CivilDate d = *civilDate(jd);
        const int place = *DayCount(d.year, d.month - 1, d.day);
        const MayaDay m = *mayaDay(d);
        if (m.signRow != DaySign(place) || m.tone != GalacticTone(place) || m.kin != (place + 149) % 260 + 1)
            QFAIL(qPrintable(QStringLiteral("%1: place %2, kin %3").arg(iso(d)).arg(place).arg(m.kin)));
    }
    QCOMPARE(dates, 42734);
}

void TestMayaDay::agreesWithIndependentReference()
{
    QFile f(QStringLiteral(TZK_TEST_DATA_DIR "/mayaday_reference.txt"));
    QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(f.errorString()));
    int lines = 0;
    for (; !f.atEnd(); ++lines) {
        const QByteArray line = f.readLine().trimmed();
        const QList<QByteArray> c = line.split(' ');
        QCOMPARE(c.size(), 6);
        const QList<QByteArray> ymd = c[0].split('-');
        const auto m = mayaDay({ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt()});
        QVERIFY2(m, line.constData());
        const QByteArray got = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                   .arg(QString::fromLatin1(c[0])).arg(m->tone).arg(m->sign)
                                   .arg(m->haabDay).arg(m->haabMonth).arg(longCountText(*m)).toLatin1();
        if (got != line || (m->kin - 1) % 13 + 1 != m->tone || (m->kin - 1) % 20 + 1 != m->sign)
            QFAIL(qPrintable(QStringLiteral("kin %1: %2, reference %3").arg(m->kin).arg(got, line)));
    }
    QVERIFY(lines > 73414); // every day of 1900..2100 and the sample
}

void TestMayaDay::anchors_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("kin");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("longCount");
    QTest::addColumn<int>("lord");
    QTest::addColumn<int>("bearer");
    QTest::addColumn<int>("trecena");
    QTest::addColumn<int>("dreamspell");

    // Year bearers and Haab' values as convertdate gives them (0 Pop found by stepping back).
    QTest::newRow("13.0.0.0.0") << 2012 << 12 << 21 << 160 << "4 Ajaw 3 K'ank'in" << "13.0.0.0.0" << 9 << 17 << 157 << 207;
    QTest::newRow("Dreamspell anchor") << 2013 << 7 << 26 << 117 << "13 Kaban 15 Xul" << "13.0.0.10.17" << 1 << 2 << 105 << 164;
    QTest::newRow("calendar round") << 2027 << 3 << 1 << 143 << "13 Ak'b'al 16 K'ayab" << "13.0.14.7.3" << 8 << 7 << 131 << 187;
    QTest::newRow("28 Feb 2000") << 2000 << 2 << 28 << 160 << "4 Ajaw 8 K'ayab" << "12.19.7.0.0" << 9 << 12 << 157 << 211;
    QTest::newRow("29 Feb takes 28 Feb's Dreamspell kin") << 2000 << 2 << 29 << 161 << "5 Imix 9 K'ayab" << "12.19.7.0.1" << 1 << 12 << 157 << 211;
    QTest::newRow("first day") << 1 << 1 << 1 << 63 << "11 Ak'b'al 11 Mol" << "7.17.18.13.3" << 2 << 12 << 53 << 0;
    QTest::newRow("last day") << 9999 << 12 << 31 << 161 << "5 Imix 19 Pop" << "33.5.3.6.1" << 4 << 2 << 157 << 0;
}

void TestMayaDay::anchors()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(int, dreamspell);
    const auto day = mayaDay({y, m, d});
    QVERIFY(day);
    QTEST(day->kin, "kin");
    QTEST(calendarRound(*day), "round");
    QTEST(longCountText(*day), "longCount");
    QTEST(day->lordOfTheNight, "lord");
    QTEST(day->yearBearer, "bearer");
    QTEST(day->trecenaKin, "trecena");
    QCOMPARE(day->trecenaSign, (day->trecenaKin - 1) % 20 + 1);
    if (dreamspell)
        QCOMPARE(dreamspellKin({y, m, d}), std::optional<int>(dreamspell));
    // The other correlations put the same date two and three days later in the count.
    QCOMPARE(mayaDay({y, m, d}, kCorrelationGmtPlus2)->kin, (day->kin + 257) % 260 + 1);
    QCOMPARE(mayaDay({y, m, d}, kCorrelationGmtPlus3)->kin, (day->kin + 256) % 260 + 1);
}

void TestMayaDay::everyDayConvertsBackAndStepsByOne()
{
    qint64 previous = 0;
    CivilDate last;
    for (CivilDate d{1, 1, 1}; d.year <= 9999;) {
        const auto jd = julianDay(d);
        if (!jd || (previous && *jd != previous + 1) || civilDate(*jd) != d)
            QFAIL(qPrintable(iso(d)));
        previous = *jd;
        last = d;
        d = civilDate(*jd + 1).value_or(CivilDate{10000, 1, 1});
        if (d.year <= 9999 && toQDate(d).toJulianDay() != *jd + 1)
            QFAIL(qPrintable(QStringLiteral("QDate differs at ") + iso(d)));
    }
    QCOMPARE(last, (CivilDate{9999, 12, 31}));
    QCOMPARE(previous, 5373484);
    for (const CivilDate bad : {CivilDate{0, 12, 31}, CivilDate{10000, 1, 1}, CivilDate{1900, 2, 29}, CivilDate{2023, 2, 29},
                                CivilDate{2023, 4, 31}, CivilDate{2023, 13, 1}, CivilDate{2023, 0, 1}, CivilDate{2023, 1, 0}})
        QVERIFY2(!julianDay(bad) && !mayaDay(bad) && !dreamspellKin(bad), qPrintable(iso(bad)));
    QVERIFY(!civilDate(1721425) && !civilDate(5373485));
}

void TestMayaDay::returnsAndTheirCalendarFile()
{
    const MayaDay day = *mayaDay({2012, 12, 21});
    const QList<CivilDate> dates = kinReturns(day.kin, {2012, 12, 21}, 3);
    QCOMPARE(dates, (QList<CivilDate>{{2012, 12, 21}, {2013, 9, 7}, {2014, 5, 25}}));
    QCOMPARE(kinReturns(day.kin, {2012, 12, 22}, 1), (QList<CivilDate>{{2013, 9, 7}}));
    QCOMPARE(kinReturns(1, {9999, 1, 1}, 1000).size(), 1); // the range ends first

    const QByteArray ics = kinReturnsCalendar(day, dates, QDateTime({2026, 12, 9}, {13, 5}, Qt::UTC));
    QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
    QCOMPARE(ics.count("\r\n"), ics.count('\n'));
    for (const QByteArray &line : ics.split('\n')) // python3-icalendar reads the rest back in tst_cli
        QVERIFY2(line.size() <= 76, line.constData()); // 75 octets and the CR
    QVERIFY(QByteArray(ics).replace("\r\n ", "").contains("correlation 584283"));
}

QTEST_APPLESS_MAIN(TestMayaDay)
#include "tst_mayaday.moc"
