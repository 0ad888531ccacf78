// The constant texts of the twenty day signs and thirteen tones.
//
// Row order is load-bearing: the day count produces row numbers, and the
// sign pictures are stored in the same order under the English names.
#pragma once

#include <array>
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

} // namespace tzk

#include "catalogue_data.h"

namespace tzk {

// Row r (1-based) of either table; callers hold r in range.
constexpr const SignRow &signRow(int daySign) { return kSignRows[daySign - 1]; }
constexpr const ToneRow &toneRow(int tone) { return kToneRows[tone - 1]; }

} // namespace tzk
