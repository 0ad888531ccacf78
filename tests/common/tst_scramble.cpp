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
    void whatANameKeeps_data();
    void whatANameKeeps();
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
    const StorableText storable = storableText(kept + dropped);
    QCOMPARE(storable.kept, kept);
    QCOMPARE(storable.lost.size(), dropped.size()); // each once

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
}

void TestScramble::whatANameKeeps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("lost");

    QTest::newRow("all kept") << QStringLiteral("O'Brien-Smith, Jr. \u20ac\u2122\u00a0x") << QStringLiteral("O'Brien-Smith, Jr. \u20ac\u2122\u00a0x")
                              << QStringList();
    QTest::newRow("accents above 170") << QStringLiteral("Zo\u00e9 B\u00e9a \u00c9") << QStringLiteral("Zo Ba ")
                                       << QStringList{"\u00e9", "\u00c9"};
    QTest::newRow("emoji, each once") << QStringLiteral("Ann \U0001F642\U0001F642") << QStringLiteral("Ann ")
                                      << QStringList{"\U0001F642"};
    QTest::newRow("emoji of several code points") << QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467 Jo")
                                                  << QStringLiteral(" Jo")
                                                  << QStringList{"\U0001F468\u200D\U0001F469\u200D\U0001F467"};
    QTest::newRow("Chinese") << QStringLiteral("\u738B\u82B3") << QString() << QStringList{"\u738B", "\u82B3"};
    QTest::newRow("Hebrew") << QStringLiteral("\u05D3\u05E0\u05D4 A") << QStringLiteral(" A")
                            << QStringList{"\u05D3", "\u05E0", "\u05D4"};
    QTest::newRow("Arabic") << QStringLiteral("\u0644\u064A\u0644\u0649") << QString()
                            << QStringList{"\u0644", "\u064A", "\u0649"};
    QTest::newRow("Turkish") << QStringLiteral("\u0130pek \u015Fen") << QStringLiteral("pek en")
                             << QStringList{"\u0130", "\u015F"};
    // The letter and its mark are one character to the reader, and the
    // same one as the composed letter.
    QTest::newRow("combining accent") << QStringLiteral("Jose\u0301 Jos\u00e9 Jose\u0301\u200D")
                                      << QStringLiteral("Jos Jos Jos") << QStringList{"e\u0301"};
    QTest::newRow("zero-width joiner") << QStringLiteral("An\u200Dn") << QStringLiteral("Ann") << QStringList{"U+200D"};
    QTest::newRow("bidirectional override") << QStringLiteral("\u202EnnA\u202C") << QStringLiteral("nnA")
                                            << QStringList{"U+202E", "U+202C"};
    QTest::newRow("soft hyphen and em space") << QStringLiteral("Ann\u00ADa\u2003Lee") << QStringLiteral("AnnaLee")
                                              << QStringList{"U+00AD", "U+2003"};
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << QStringLiteral("x")
                                    << QStringList{"U+D800"};
}

void TestScramble::whatANameKeeps()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QFETCH(QStringList, lost);

    const StorableText storable = storableText(name);
    QCOMPARE(storable.kept, kept);
    QCOMPARE(storable.lost, lost);
    QCOMPARE(UnscrambleText(ScrambleText(storable.kept)), storable.kept); // no '?' in place of anything
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
    const StorableText storable = storableText(text);
    QCOMPARE(storable.lost, QStringList({"\u00e9", "\u4e2d"}));
    QCOMPARE(storable.kept.size(), text.size() - 2 * units);
}

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
