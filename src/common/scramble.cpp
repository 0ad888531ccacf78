#include "scramble.h"

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

// Length in UTF-16 units of the code point that starts at `i`.
qsizetype codePointLength(const QString &text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
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

QString unscramblableCharacters(const QString &text)
{
    QString dropped;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = codePointLength(text, i);
        if (n == 1 && byteOf(text.at(i).unicode()) > 255 - kScrambleShift)
            dropped += text.at(i);
        i += n;
    }
    return dropped;
}

} // namespace tzk
