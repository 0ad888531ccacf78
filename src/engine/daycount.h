// The 260-day count: a year table, month offset tables, one addition and
// one wrap. Everything is computed at compile time and checked against
// anchor rows below, so a wrong table cannot build.
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace tzk {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2016;
inline constexpr int kYearCount = kLastYear - kFirstYear + 1; // 117
inline constexpr int kPlaces = 260;

// English month names, compared exactly; the count is March-based below.
// They are data (a reading file stores them) as well as what the month
// list shows, so a translation changes only what is shown.
inline constexpr char kMonthContext[] = "Month";
inline constexpr std::array<std::string_view, 12> kMonthNames{
    QT_TRANSLATE_NOOP("Month", "January"), QT_TRANSLATE_NOOP("Month", "February"),
    QT_TRANSLATE_NOOP("Month", "March"),   QT_TRANSLATE_NOOP("Month", "April"),
    QT_TRANSLATE_NOOP("Month", "May"),     QT_TRANSLATE_NOOP("Month", "June"),
    QT_TRANSLATE_NOOP("Month", "July"),    QT_TRANSLATE_NOOP("Month", "August"),
    QT_TRANSLATE_NOOP("Month", "September"), QT_TRANSLATE_NOOP("Month", "October"),
    QT_TRANSLATE_NOOP("Month", "November"), QT_TRANSLATE_NOOP("Month", "December")};

namespace detail {

constexpr bool isLeapYear(int year) // Gregorian
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int wrap(int sum) { return sum > kPlaces ? sum - kPlaces : sum; }

// Value of a year = the place of 1 March of that year. Index 0 is 1899,
// which January and February 1900 need (1 March 1899 lies 365 days, that
// is 105 places, before 1 March 1900).
constexpr std::array<int, kYearCount + 1> makeYearTable()
{
    std::array<int, kYearCount + 1> t{};
    t[0] = 42;
    t[1] = 147;
    for (int i = 2; i <= kYearCount; ++i) {
        const int year = kFirstYear + i - 1;
        t[i] = wrap(t[i - 1] + (year % 4 == 0 ? 106 : 105)); // [4, 259]
    }
    return t;
}

inline constexpr auto kYearTable = makeYearTable();

constexpr int daysInMonth(int month0) // month0: 0 = January; February as 29
{
    constexpr int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[month0];
}

// Offset of each day 1..31 of each month (0 = January): the days since
// 1 March, with January and February following December, wrapped at 260.
// Days that do not exist hold 0.
constexpr std::array<std::array<int, 31>, 12> makeOffsetTables()
{
    std::array<std::array<int, 31>, 12> t{};
    int n = 0; // days since 1 March
    for (int k = 0; k < 12; ++k) {
        const int month0 = (k + 2) % 12; // March, April, ..., February
        for (int d = 1; d <= daysInMonth(month0); ++d, ++n)
            t[month0][d - 1] = n > kPlaces ? n - kPlaces : n;
    }
    return t;
}

inline constexpr auto kOffsetTables = makeOffsetTables();

constexpr int yearValue(int year) { return kYearTable[year - kFirstYear + 1]; }
constexpr int offset(int month0, int day) { return kOffsetTables[month0][day - 1]; }

// Year table anchors.
static_assert(yearValue(1900) == 147 && yearValue(1901) == 252 && yearValue(1903) == 202);
static_assert(yearValue(1904) == 48 && yearValue(1911) == 4 && yearValue(1927) == 128);
static_assert(yearValue(1928) == 234 && yearValue(1929) == 79 && yearValue(1948) == 259);
static_assert(yearValue(1990) == 259 && yearValue(1999) == 166 && yearValue(2000) == 12);
static_assert(yearValue(2015) == 30 && yearValue(2016) == 136);
static_assert(kYearTable[0] == 42);

// Offset anchors: first and last day of every month, and the November break.
static_assert(offset(2, 1) == 0 && offset(2, 31) == 30);    // March
static_assert(offset(3, 1) == 31 && offset(3, 30) == 60);   // April
static_assert(offset(4, 1) == 61 && offset(4, 31) == 91);   // May
static_assert(offset(5, 1) == 92 && offset(5, 30) == 121);  // June
static_assert(offset(6, 1) == 122 && offset(6, 31) == 152); // July
static_assert(offset(7, 1) == 153 && offset(7, 31) == 183); // August
static_assert(offset(8, 1) == 184 && offset(8, 30) == 213); // September
static_assert(offset(9, 1) == 214 && offset(9, 31) == 244); // October
static_assert(offset(10, 1) == 245 && offset(10, 30) == 14); // November
static_assert(offset(10, 16) == 260 && offset(10, 17) == 1);
static_assert(offset(11, 1) == 15 && offset(11, 31) == 45); // December
static_assert(offset(0, 1) == 46 && offset(0, 31) == 76);   // January
static_assert(offset(1, 1) == 77 && offset(1, 29) == 105);  // February
static_assert(offset(3, 31) == 0 && offset(1, 30) == 0 && offset(1, 31) == 0);

} // namespace detail

// Zero-based calendar index of an English month name, exact and
// case-sensitive, in 8-bit or UTF-16 characters (a QString's, through
// QStringView::utf16).
template <typename Char>
constexpr std::optional<int> monthIndex(std::basic_string_view<Char> name)
{
    for (int i = 0; i < 12; ++i) {
        const std::string_view month = kMonthNames[std::size_t(i)];
        if (std::equal(month.begin(), month.end(), name.begin(), name.end(),
                       [](char a, Char b) { return Char(a) == b; }))
            return i;
    }
    return std::nullopt;
}

// The date rules the entry form asks about. Gregorian leap years: 1900 is
// not one, so 29 February 1900 is no date.
enum class DateCheck {
    Exists,
    PastEndOfFebruary,   // 29 February in a common year, 30 or 31 February
    PastEndOfShortMonth, // 31 April, June, September or November
    OutOfRange,          // a year outside 1900..2016, no such month, a day outside 1..31
};

constexpr DateCheck checkDate(int year, int month0, int day)
{
    if (year < kFirstYear || year > kLastYear || month0 < 0 || month0 > 11 || day < 1 || day > 31)
        return DateCheck::OutOfRange;
    if (month0 == 1)
        return day > (detail::isLeapYear(year) ? 29 : 28) ? DateCheck::PastEndOfFebruary : DateCheck::Exists;
    return day > detail::daysInMonth(month0) ? DateCheck::PastEndOfShortMonth : DateCheck::Exists;
}

// Place 1..260 of a date (month0: 0 = January), or nothing for a date that
// checkDate does not accept. January and February are counted from
// 1 March of the year before.
constexpr std::optional<int> DayCount(int year, int month0, int day)
{
    if (checkDate(year, month0, day) != DateCheck::Exists)
        return std::nullopt;
    const int base = month0 < 2 ? detail::kYearTable[year - kFirstYear] // the year before
                                : detail::yearValue(year);
    return detail::wrap(base + detail::offset(month0, day)); // sum in [4, 519]
}

// The same by English month name; nothing for an unknown name.
constexpr std::optional<int> DayCount(int year, std::string_view monthName, int day)
{
    const auto month0 = monthIndex(monthName);
    return month0 ? DayCount(year, *month0, day) : std::nullopt;
}

constexpr int DaySign(int place) { return ((place - 1) % 20) + 1; }      // 1..20
constexpr int GalacticTone(int place) { return ((place + 6) % 13) + 1; } // 1..13

static_assert(DaySign(1) == 1 && GalacticTone(1) == 8);
static_assert(DaySign(260) == 20 && GalacticTone(260) == 7);
static_assert(DayCount(1900, "January", 1) == 88);
static_assert(DayCount(1901, "March", 9) == 260);
static_assert(DayCount(2000, "February", 29) == 11 && DayCount(2000, "March", 1) == 12);
static_assert(!DayCount(1900, "February", 29) && !DayCount(2016, "april", 1));
static_assert(monthIndex(std::u16string_view(u"December")) == 11 && !monthIndex(std::u16string_view(u"Decembe")));
static_assert(checkDate(1900, 1, 29) == DateCheck::PastEndOfFebruary && checkDate(2000, 1, 29) == DateCheck::Exists);
static_assert(checkDate(2000, 3, 31) == DateCheck::PastEndOfShortMonth && checkDate(2000, 4, 31) == DateCheck::Exists);

} // namespace tzk
