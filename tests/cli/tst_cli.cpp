#include "testfiles.h"
#include "version.h"

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runs_data();
    void runs();
    void calendarFileReadsBack();
};

struct Run {
    int status;
    QByteArray out, err;
};

static Run run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return {-1, {}, "did not finish"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

void TestCli::runs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out"); // golden file under data/, or a part of the output
    QTest::addColumn<QByteArray>("err"); // a part of the one line on standard error

    const auto row = [](const char *name, const QStringList &args, int status, const QByteArray &out, const QByteArray &err = {}) {
        QTest::newRow(name) << args << status << out << err;
    };
    row("help", {"--help"}, 0, "--returns <N>");
    row("version", {"--version"}, 0, QByteArray("tzolkara-cli ") + tzk::kVersion + '\n');
    row("reading, name, explain", {"2012-12-21", "--name", "Ann", "--explain"}, 0, "@2012-12-21_ann_explain.txt");
    row("json, explain", {"1975-03-14", "--json", "--explain"}, 0, "@1975-03-14_explain.json");
    row("returns", {"1975-03-14", "--returns", "3", "--from", "2026-01-01"}, 0, "@1975-03-14_returns.txt");
    row("returns stop at 9999", {"9999-12-31", "--returns", "1000", "--from=9999-01-01"}, 0, "\n9999-12-31  5 Imix 19 Pop\n");
    row("first day", {"0001-01-01", "--explain"}, 0, "7.17.18.13.3");
    row("today", {"--json"}, 0, "\"date\": \"@TODAY\"");
    row("29 February of a common year", {"2023-02-29"}, 2, {}, "no such day");
    row("year 0", {"0000-12-31"}, 2, {}, "outside");
    row("five-digit year", {"10000-01-01"}, 2, {}, "form YYYY-MM-DD");
    row("one-digit month", {"2012-1-01"}, 2, {}, "form YYYY-MM-DD");
    row("other digits", {QString::fromUtf8("\u0662012-12-21")}, 2, {}, "form YYYY-MM-DD");
    row("empty date", {""}, 2, {}, "form YYYY-MM-DD");
    row("two dates", {"2012-12-21", "2012-12-22"}, 2, {}, "one date");
    row("unknown option", {"--bogus"}, 2, {}, "bogus");
    row("N zero", {"--returns", "0"}, 2, {}, "1 to 1000");
    row("N too big", {"--returns", "1001"}, 2, {}, "1 to 1000");
    row("N with sign", {"--returns=+5"}, 2, {}, "1 to 1000");
    row("N missing", {"--returns"}, 2, {}, "returns");
    row("ics alone", {"--ics"}, 2, {}, "--returns N");
    row("ics and json", {"--returns", "2", "--ics", "--json"}, 2, {}, "choose one");
    row("explain with returns", {"--returns", "2", "--explain"}, 2, {}, "go with a reading");
    row("name twice", {"--name", "a", "--name", "b"}, 2, {}, "more than once");
    row("escape in name", {"--name", "a\x1b[2J"}, 2, {}, "control character");
    row("long name", {"--name", QString(255, QLatin1Char('x'))}, 2, {}, "254");
    // QProcess passes text: the shell hands over the byte 0xFF itself.
    row("output cannot be written", {"-c", "exec \"$0\" 2012-12-21 >/dev/full", TZK_CLI}, 1, {}, "could not be written");
    row("not UTF-8", {"-c", "exec \"$0\" \"$(printf 'x\\377')\"", TZK_CLI}, 2, {}, "not valid UTF-8");
}

void TestCli::runs()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const QDate before = QDate::currentDate();
    const Run r = run(args.value(0) == "-c" ? "/bin/sh" : TZK_CLI, args);
    QVERIFY2(r.status == status, r.err.constData());
    if (status != 0) {
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("tzolkara-cli: ") && r.err.count('\n') == 1 && r.err.endsWith('\n'), r.err.constData());
        QVERIFY2(r.err.contains(err), r.err.constData());
    } else if (out.startsWith('@')) {
        QCOMPARE(r.out, tzk::test::fileBytes(TZK_TEST_DATA_DIR "/" + out.mid(1)));
    } else if (out.contains("@TODAY")) { // either side of a midnight during the run
        const QByteArray o = r.out;
        QVERIFY2(o.contains(QByteArray(out).replace("@TODAY", before.toString(Qt::ISODate).toLatin1()))
                     || o.contains(QByteArray(out).replace("@TODAY", QDate::currentDate().toString(Qt::ISODate).toLatin1())),
                 o.left(200).constData());
    } else {
        QVERIFY2(r.out.contains(out), r.out.constData());
    }
}

void TestCli::calendarFileReadsBack()
{
    QTemporaryDir dir;
    const Run r = run(TZK_CLI, {"1975-03-14", "--returns", "3", "--from", "2026-01-01", "--ics"});
    QCOMPARE(r.status, 0);
    QVERIFY(tzk::test::putFile(dir.filePath("kin.ics"), r.out));
    // A parser calendar programs agree with: every event, unfolded and unescaped.
    const Run py = run("/usr/bin/python3", {"-c", "import sys, icalendar\n"
                                                  "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                                                  "for e in cal.walk('VEVENT'):\n"
                                                  "    print(e.decoded('DTSTART'), e['UID'], e['DTSTAMP'].dt.tzname(), e['SUMMARY'], '|', e['DESCRIPTION'])\n",
                                            dir.filePath("kin.ics")});
    QVERIFY2(py.status == 0, py.err.constData());
    const QList<QByteArray> lines = py.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    QSet<QByteArray> uids;
    for (const QByteArray &line : lines) {
        QVERIFY2(line.contains(" UTC 13 Ak'b'al (kin 143) comes round | Kin 143, 13 Ak'b'al, returns") && line.contains("584283"), line.constData());
        uids.insert(line.split(' ').value(1));
    }
    QVERIFY(lines[0].startsWith("2026-06-14 ") && lines[1].startsWith("2027-03-01 ") && lines[2].startsWith("2027-11-16 "));
    QCOMPARE(uids.size(), 3);
}

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
