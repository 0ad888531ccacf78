#include "scramble.h"

#include <QStringDecoder>
#include <QTest>

using namespace tzk;

class TestScramble : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void examples_data();
    void examples();
    void everyCode();
    void charactersOutsideTheCodePageCountAsQuestionMarks();
    void longTextIsHandledWhole();
};

void TestScramble::examples_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QByteArray>("scrambled");
    QTest::addColumn<QString>("restored");

    QTest::newRow("empty") << QString() << QByteArray() << QString();
    QTest::newRow("abc") << QStringLiteral("abc") << QByteArray("\xB6\xB7\xB8") << QStringLiteral("abc");
    QTest::newRow("digits") << QStringLiteral("0123456789") << QByteArray("\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E")
                            << QStringLiteral("0123456789");
    QTest::newRow("accents dropped") << QStringLiteral("Zo\u00e9 \u00c9lo\u00efse")
                                     << QByteArray("\xAF\xC4\x75\xC1\xC4\xC8\xBA") << QStringLiteral("Zo lose");
    QTest::newRow("euro is 0x80") << QStringLiteral("\u20ac") << QByteArray("\xD5") << QStringLiteral("\u20ac");
}

void TestScramble::examples()
{
    QFETCH(QString, plain);
    QFETCH(QByteArray, scrambled);
    QFETCH(QString, restored);

    QCOMPARE(scrambleBytes(toCodePage(plain)), scrambled);
    QCOMPARE(toCodePage(ScrambleText(plain)), scrambled);
    QCOMPARE(UnscrambleText(ScrambleText(plain)), restored);
}

void TestScramble::everyCode()
{
    // The code page as the system converter knows it, byte by byte.
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    QVERIFY(decoder.isValid());
    QString kept, dropped;
    for (int code = 0; code <= 255; ++code) {
        const QByteArray byte(1, char(code));
        const QString ch = decoder.decode(byte);
        QCOMPARE(fromCodePage(byte), ch);
        QCOMPARE(toCodePage(ch), byte);
        (code <= 170 ? kept : dropped) += ch;
    }
    QByteArray shifted;
    for (int code = 85; code <= 255; ++code)
        shifted.append(char(code));
    QCOMPARE(toCodePage(ScrambleText(kept + dropped)), shifted); // 0..170 in order; nothing below 85
    QCOMPARE(UnscrambleText(ScrambleText(kept)), kept);
    QCOMPARE(unscramblableCharacters(kept + dropped), dropped);

    // Unscrambling text that was never scrambled drops what lies below 85:
    // space, digits, A..T, line breaks, most punctuation. U becomes NUL.
    QCOMPARE(UnscrambleText(QStringLiteral("AT 09,.\r\nUZaz")), QString::fromLatin1("\x00\x05\x0c%", 4));
}

void TestScramble::charactersOutsideTheCodePageCountAsQuestionMarks()
{
    QCOMPARE(toCodePage(QStringLiteral("\u4e2d")), QByteArray("?"));
    QCOMPARE(UnscrambleText(ScrambleText(QStringLiteral("\u4e2d"))), QStringLiteral("?"));
    // One '?' per character whatever its UTF-16 length, and a miss does not
    // spill over into the characters after it.
    QCOMPARE(toCodePage(QStringLiteral("a\u4e2d\u00e9\U0001F600b\u0099")), QByteArray("a?\xE9?b?"));
    QCOMPARE(toCodePage(QString(QChar(0xD800)) + QLatin1Char('x')), QByteArray("?x"));
    // Stored as '?', so not among the characters a save loses.
    QCOMPARE(unscramblableCharacters(QStringLiteral("\U0001F600\u00e9x\u4e2d\u00ff")), QStringLiteral("\u00e9\u00ff"));
}

void TestScramble::longTextIsHandledWhole()
{
    const QString unit = QStringLiteral("Reader \u00e9\u4e2d|");
    QString text;
    while (text.size() < 100000)
        text += unit;
    const qsizetype units = text.size() / unit.size();

    const QString scrambled = ScrambleText(text);
    QCOMPARE(scrambled.size(), text.size() - units);
    QString expected = text;
    expected.remove(QChar(0xe9)).replace(QChar(0x4e2d), QLatin1Char('?'));
    QCOMPARE(UnscrambleText(scrambled), expected);
    QCOMPARE(unscramblableCharacters(text), QString(units, QChar(0xe9)));
}

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
