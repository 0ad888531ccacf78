#include "readings.h"
#include "testfiles.h"
#include "filesizelimit.h"
#include "readingfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tzk;
using tzk::test::fileBytes;
using tzk::test::putFile;

namespace {

// Reader, 1990, March, 5.
const QByteArray kExample = QByteArray::fromHex("A7BAB6B9BAC70D0A868E8E850D0AA2B6C7B8BD0D0A8A0D0A");
const ReadingFileLines kExampleLines{"Reader", "1990", "March", "5"};

ReadingRecord birth(const QString &name, int year = 1990, const QString &month = "March", int day = 5)
{
    return test::birthRecord(name, year, month, day);
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void lineEnds_data();
    void lineEnds();
    void refused_data();
    void refused();
    void readIsBoundedToFourLines();
    void refusedPaths();
    void failedWritesLeaveTheOldFile();
    void readingFileEnding();

private:
    QTemporaryDir m_dir;
};

void TestReadingFile::roundTrip_data()
{
    QTest::addColumn<ReadingRecord>("reading");
    QTest::addColumn<QString>("nameBack");

    QTest::newRow("example") << birth("Reader") << "Reader";
    QTest::newRow("first day") << birth("O'Brien-Smith, Jr.", 1900, "January", 1) << "O'Brien-Smith, Jr.";
    QTest::newRow("last day") << birth("Ann", 2016, "December", 31) << "Ann";
    QTest::newRow("accent left out") << birth("Ren\u00e9e", 1975, "September", 14) << "Rene";
    const QString longest(kMaxNameLength, QLatin1Char('N'));
    QTest::newRow("longest name") << birth(longest) << longest;
}

void TestReadingFile::roundTrip()
{
    QFETCH(ReadingRecord, reading);
    QFETCH(QString, nameBack);

    const QString path = m_dir.filePath("round.man");
    QVERIFY(putFile(path, QByteArray(100000, char(0xB6)))); // replaced whole
    QCOMPARE(writeReadingFile(path, reading), QString());
    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes, encodeReadingFile(reading));
    if (QByteArray(QTest::currentDataTag()) == "example")
        QCOMPARE(bytes, kExample);
    const ReadingFileLines expected{nameBack, QString::number(reading.birthYear), reading.birthMonth,
                                    QString::number(reading.birthDay)};
    QCOMPARE(readReadingFile(path), std::optional(expected));
    QCOMPARE(bytes.size(), expected.name.size() + expected.year.size() + expected.month.size() + expected.day.size() + 8);
}

void TestReadingFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray n("\xA7\xBA\xB6\xB9\xBA\xC7"), y("\x86\x8E\x8E\x85"), m("\xA2\xB6\xC7\xB8\xBD"), d("\x8A");

    QTest::newRow("CR only") << n + '\r' + y + '\r' + m + '\r' + d + '\r';
    QTest::newRow("LF only") << n + '\n' + y + '\n' + m + '\n' + d + '\n';
    QTest::newRow("mixed, last unended") << n + "\r\n" + y + '\r' + m + '\n' + d;
    QTest::newRow("more lines ignored") << kExample + QByteArray("\x01\x02 anything\r\n\0\xFF", 15);
}

void TestReadingFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(decodeReadingFile(bytes), std::optional(kExampleLines));
}

void TestReadingFile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("three lines") << kExample.first(21);
    QTest::newRow("unscrambled text") << QByteArray("Reader\r\n1990\r\nMarch\r\n5\r\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
    QTest::newRow("one low byte in the day") << kExample.first(21) + "\x8A\x30\r\n";
}

void TestReadingFile::refused()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath("refused.man");
    QVERIFY(putFile(path, bytes));
    QCOMPARE(readReadingFile(path), std::nullopt);
}

void TestReadingFile::readIsBoundedToFourLines()
{
    // Four good lines, then a hundred megabytes that are never read; and a
    // hundred megabytes of zeros.
    const QString big = m_dir.filePath("big.man"), zeros = m_dir.filePath("zeros.man");
    QVERIFY(putFile(big, kExample) && QFile::resize(big, 100 << 20));
    QVERIFY(putFile(zeros, {}) && QFile::resize(zeros, 100 << 20));
    QCOMPARE(readReadingFile(big), std::optional(kExampleLines));
    QCOMPARE(readReadingFile(zeros), std::nullopt);

    // A first line longer than any name the entry field makes is refused,
    // though the rest of the file is well formed.
    const QByteArray overlong = QByteArray(kMaxReadingFileRead, char(0xA7)) + kExample.mid(6);
    QVERIFY(decodeReadingFile(overlong));
    const QString path = m_dir.filePath("overlong.man");
    QVERIFY(putFile(path, overlong));
    QCOMPARE(readReadingFile(path), std::nullopt);
}

void TestReadingFile::refusedPaths()
{
    QVERIFY(QDir().mkpath(m_dir.filePath("folder.man")));
    for (const QString &path : {m_dir.filePath("missing.man"), m_dir.filePath("folder.man"), QString("/dev/zero"),
                                QString()})
        QVERIFY2(!readReadingFile(path), qPrintable(path));
}

void TestReadingFile::failedWritesLeaveTheOldFile()
{
    const QByteArray old = QByteArray::fromHex("B6B6B60D0A868E8E850D0AA2B6C7B8BD0D0A8A0D0A");
    const QString path = m_dir.filePath("kept.man");
    QVERIFY(putFile(path, old));
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    {
        test::FileSizeLimit limit(10); // the disk fills up after ten bytes
        if (!limit.active())
            QSKIP("no file-size limit on this system");
        QVERIFY(!writeReadingFile(path, birth("Reader")).isEmpty());
    }
    // Permissions would not stop root: a parent that is a file, and a
    // target that is a folder.
    QVERIFY(!writeReadingFile(path + "/reading.man", birth("Reader")).isEmpty());
    QVERIFY(QDir().mkpath(m_dir.filePath("target.man")));
    QVERIFY(!writeReadingFile(m_dir.filePath("target.man"), birth("Reader")).isEmpty());

    QCOMPARE(fileBytes(path), old);
    QVERIFY(QFileInfo(m_dir.filePath("target.man")).isDir());
    QStringList expected = before;
    expected << "target.man";
    expected.sort();
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), expected); // no temporary left
}

void TestReadingFile::readingFileEnding()
{
    QVERIFY(hasReadingFileEnding("/home/ann/reading.man"));
    QVERIFY(hasReadingFileEnding("/home/ann/batman"));
    QVERIFY(!hasReadingFileEnding("/home/ann/reading.MAN"));
    QVERIFY(!hasReadingFileEnding("/home/ann/reading.man.txt"));
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
