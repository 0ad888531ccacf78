// Fuzz bytes as program text, and the one property every scrambled text has.
#pragma once

#include "scramble.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>

namespace tzk::fuzz {

// The bytes as UTF-16 units, two to a unit: every QString there is, lone
// surrogates included, can be reached.
inline QString utf16Text(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    if (!text.isEmpty())
        std::memcpy(text.data(), data, size_t(text.size()) * sizeof(QChar));
    return text;
}

// Every character is a code-page character of code 85 or more.
inline bool onlyScrambledCodes(const QString &text)
{
    const QByteArray bytes = toCodePage(text);
    if (fromCodePage(bytes) != text)
        return false; // a character outside the code page
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < kScrambleShift)
            return false;
    }
    return true;
}

// Every character is a code-page character of code 170 or less: what
// unscrambling can give.
inline bool onlyPlainCodes(const QString &text)
{
    const QByteArray bytes = toCodePage(text);
    if (fromCodePage(bytes) != text)
        return false;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 255 - kScrambleShift)
            return false;
    }
    return true;
}

} // namespace tzk::fuzz
