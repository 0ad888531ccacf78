// The constant texts of the twenty day signs and thirteen tones.
//
// Row order is load-bearing: the day count produces row numbers, and the
// sign pictures are stored in the same order under the English names.
//
// The rows are plain UTF-16 literals, so a QString can view a text for the
// program's whole life without copying it and a reading allocates nothing.
// Each text a person reads is written `u""sv QT_TRANSLATE_NOOP(...)`: the
// empty u""sv makes the joined literal a UTF-16 view of known length, while
// the translation tools, which read the source as written, still find the
// text in its context; translate() gets the UTF-8 key from the UTF-16 text.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace tzk {

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

inline constexpr int kSignCount = 20;
inline constexpr int kToneCount = 13;

// Context of the catalogue's texts for translators.
inline constexpr char kCatalogueContext[] = "Catalogue";

} // namespace tzk

#include "catalogue_data.h"

namespace tzk {

// Row r (1-based) of either table; callers hold r in range.
constexpr const SignTexts &signTexts(int daySign) { return kSignRows[daySign - 1]; }
constexpr const ToneTexts &toneTexts(int tone) { return kToneRows[tone - 1]; }

static_assert(signTexts(1).mayanName == u"BATZ - (CHUEN)" && signTexts(20).englishName == u"Dog");
static_assert(signTexts(3).gemstone == u"Turquoise " && toneTexts(13).toneKey == u"13-Cosmic");

// A QString over a catalogue text, without a copy.
inline QString staticString(std::u16string_view text)
{
    const QStringView view(text);
    return QString::fromRawData(view.data(), view.size());
}

} // namespace tzk
