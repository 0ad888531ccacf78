#include "scramble.h"

#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>

namespace tzk {

namespace {

// Windows-1252 bytes 0x80..0x9F; every other byte has the character of the
// same code. The five bytes the code page leaves unassigned stand for the
// control characters of their own code, as Windows itself maps them.
constexpr std::array<char16_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

constexpr char16_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControlRange[byte - 0x80] : char16_t(byte);
}

constexpr int byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < int(kHighControlRange.size()); ++i) {
        if (kHighControlRange[size_t(i)] == c)
            return 0x80 + i;
    }
    return -1;
}

static_assert(characterOf(0x80) == u'\u20AC' && characterOf(0x99) == u'\u2122' && characterOf(0xE9) == u'\u00E9');
static_assert(byteOf(U'\u20AC') == 0x80 && byteOf(U'\u0099') == -1 && byteOf(U'\u4E2D') == -1);
static_assert([] {
    for (int b = 0; b < 256; ++b) {
        if (byteOf(characterOf((unsigned char)b)) != b)
            return false;
    }
    return true;
}());

// Whether the code point survives scrambling and unscrambling unchanged.
constexpr bool comesBack(char32_t c)
{
    const int byte = byteOf(c);
    return byte >= 0 && byte <= 255 - kScrambleShift;
}

// Characters a reader does not see as such: controls, format characters
// (joiners, direction marks and overrides), blanks other than the space,
// lone surrogates, unassigned codes, and the selectors and joiner that
// only change how the character before them looks.
bool isInvisible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || c == 0x034F;
    }
}

// Length in UTF-16 units of the code point that starts at `i`.
qsizetype codePointLength(const QString &text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

// The code points of `text`; a lone surrogate stands for itself.
QList<char32_t> codePoints(const QString &text)
{
    QList<char32_t> codes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = codePointLength(text, i);
        codes << (n == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : char32_t(text.at(i).unicode()));
        i += n;
    }
    return codes;
}

} // namespace

QByteArray toCodePage(const QString &text)
{
    // One byte per code point; a surrogate pair or a lone surrogate is a
    // character the code page lacks like any other.
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = codePointLength(text, i);
        const int byte = n == 1 ? byteOf(text.at(i).unicode()) : -1;
        out.append(byte < 0 ? '?' : char(byte));
        i += n;
    }
    return out;
}

QString fromCodePage(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char c : bytes)
        *dst++ = QChar(characterOf(static_cast<unsigned char>(c)));
    return out;
}

QByteArray scrambleBytes(const QByteArray &plain)
{
    QByteArray out;
    out.reserve(plain.size());
    for (const char c : plain) {
        const int code = static_cast<unsigned char>(c) + kScrambleShift;
        if (code <= 255)
            out.append(static_cast<char>(code));
    }
    return out;
}

QByteArray unscrambleBytes(const QByteArray &scrambled)
{
    QByteArray out;
    out.reserve(scrambled.size());
    for (const char c : scrambled) {
        const int code = static_cast<unsigned char>(c) - kScrambleShift;
        if (code >= 0)
            out.append(static_cast<char>(code));
    }
    return out;
}

QString ScrambleText(const QString &text)
{
    return fromCodePage(scrambleBytes(toCodePage(text)));
}

QString UnscrambleText(const QString &text)
{
    return fromCodePage(unscrambleBytes(toCodePage(text)));
}

StorableText storableText(const QString &text)
{
    StorableText result;
    // Listed once as the reader sees them: "e" + U+0301 and U+00E9 are the
    // same character, with a joiner after it or without.
    QSet<QString> listed;
    const auto lose = [&](const QString &shown, const QList<char32_t> &codes) {
        QString seen;
        for (const char32_t c : codes) {
            if (!isInvisible(c))
                seen += QString::fromUcs4(&c, 1);
        }
        const QString key = (seen.isEmpty() ? shown : seen).normalized(QString::NormalizationForm_C);
        if (!listed.contains(key)) {
            listed.insert(key);
            result.lost << shown;
        }
    };
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = clusters.toNextBoundary();
        if (end <= start)
            end = text.size();
        const QString cluster = text.mid(start, end - start);
        const QList<char32_t> codes = codePoints(cluster);
        // What the reader sees of the cluster comes back whole, or the
        // cluster is lost whole; invisible parts beside what comes back are
        // judged alone.
        if (std::any_of(codes.cbegin(), codes.cend(), [](char32_t c) { return !isInvisible(c) && !comesBack(c); })) {
            lose(cluster, codes);
        } else {
            for (const char32_t c : codes) {
                if (comesBack(c))
                    result.kept += QChar(char16_t(c)); // the code page holds nothing beyond U+FFFF
                else
                    lose(QStringLiteral("U+%1").arg(QString::number(uint(c), 16).toUpper(), 4, QLatin1Char('0')), {});
            }
        }
        start = end;
    }
    return result;
}

} // namespace tzk
