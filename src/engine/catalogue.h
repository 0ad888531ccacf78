// The constant texts of the twenty day signs and thirteen tones.
//
// Row order is load-bearing: the day count produces row numbers, and the
// sign pictures are stored in the same order under the English names.
//
// The rows are written in UTF-8 (the form translation tools read) and
// turned into UTF-16 at compile time, into one static pool: a QString can
// view a text for the program's whole life without copying it, so a
// reading allocates nothing.
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

namespace tzk {

struct SignRow {
    std::string_view mayanName;
    std::string_view englishName;
    std::string_view keywords;
    std::string_view gemstone;
    std::string_view significance;
    std::string_view famousPersons;
    std::string_view signDescription;
};

struct ToneRow {
    std::string_view toneKey;
    std::string_view toneDescription;
};

inline constexpr int kSignCount = 20;
inline constexpr int kToneCount = 13;

// Context of the catalogue's texts for translators.
inline constexpr char kCatalogueContext[] = "Catalogue";

} // namespace tzk

#include "catalogue_data.h"

namespace tzk {

// Row r (1-based) of either table, in UTF-8; callers hold r in range.
constexpr const SignRow &signRow(int daySign) { return kSignRows[daySign - 1]; }
constexpr const ToneRow &toneRow(int tone) { return kToneRows[tone - 1]; }

// The same rows in UTF-16.
struct SignTexts {
    std::u16string_view mayanName;
    std::u16string_view englishName;
    std::u16string_view keywords;
    std::u16string_view gemstone;
    std::u16string_view significance;
    std::u16string_view famousPersons;
    std::u16string_view signDescription;
};

struct ToneTexts {
    std::u16string_view toneKey;
    std::u16string_view toneDescription;
};

namespace detail {

// UTF-16 length of well-formed UTF-8: four-byte sequences need two units.
constexpr std::size_t utf16Length(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80) // every lead byte starts one character
            n += b >= 0xF0 ? 2 : 1;
    }
    return n;
}

// Appends `s` in UTF-16 at `out`, returns the end.
constexpr char16_t *appendUtf16(std::string_view s, char16_t *out)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + std::size_t(k)]) & 0x3F);
        i += std::size_t(extra) + 1;
        if (c >= 0x10000) {
            *out++ = char16_t(0xD800 + ((c - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            *out++ = char16_t(c);
        }
    }
    return out;
}

// Every text in one list, signs row by row and then the tones.
inline constexpr int kSignFields = 7;
inline constexpr int kToneFields = 2;
inline constexpr int kTextCount = kSignCount * kSignFields + kToneCount * kToneFields;

constexpr std::array<std::string_view, kTextCount> allTexts()
{
    std::array<std::string_view, kTextCount> t{};
    std::size_t i = 0;
    for (const SignRow &r : kSignRows)
        for (const std::string_view s : {r.mayanName, r.englishName, r.keywords, r.gemstone, r.significance,
                                         r.famousPersons, r.signDescription})
            t[i++] = s;
    for (const ToneRow &r : kToneRows)
        for (const std::string_view s : {r.toneKey, r.toneDescription})
            t[i++] = s;
    return t;
}

inline constexpr std::size_t kPoolSize = [] {
    std::size_t n = 0;
    for (const std::string_view s : allTexts())
        n += utf16Length(s);
    return n;
}();

inline constexpr std::array<char16_t, kPoolSize> kPool = [] {
    std::array<char16_t, kPoolSize> pool{};
    char16_t *out = pool.data();
    for (const std::string_view s : allTexts())
        out = appendUtf16(s, out);
    return pool;
}();

// Where each text starts in the pool, and one past the last.
inline constexpr std::array<std::size_t, kTextCount + 1> kOffsets = [] {
    std::array<std::size_t, kTextCount + 1> at{};
    const auto texts = allTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        at[i + 1] = at[i] + utf16Length(texts[i]);
    return at;
}();

constexpr std::u16string_view pooled(int index)
{
    const auto i = std::size_t(index);
    return std::u16string_view(kPool.data() + kOffsets[i], kOffsets[i + 1] - kOffsets[i]);
}

} // namespace detail

constexpr SignTexts signTexts(int daySign)
{
    const int f = (daySign - 1) * detail::kSignFields;
    using detail::pooled;
    return {pooled(f), pooled(f + 1), pooled(f + 2), pooled(f + 3), pooled(f + 4), pooled(f + 5), pooled(f + 6)};
}

constexpr ToneTexts toneTexts(int tone)
{
    const int f = kSignCount * detail::kSignFields + (tone - 1) * detail::kToneFields;
    return {detail::pooled(f), detail::pooled(f + 1)};
}

static_assert(signTexts(1).mayanName == u"BATZ - (CHUEN)" && signTexts(20).englishName == u"Dog");
static_assert(signTexts(3).gemstone == u"Turquoise " && toneTexts(13).toneKey == u"13-Cosmic");

// A QString over static text, without a copy: the form QStringLiteral
// makes, so building one is inline and touches no reference count.
inline QString staticString(std::u16string_view text)
{
    return QString(QStringPrivate(nullptr, const_cast<char16_t *>(text.data()), qsizetype(text.size())));
}

} // namespace tzk
