// The Maya day of any date from 1 January 1 to 31 December 9999 (proleptic
// Gregorian, the civil day running from midnight): integer arithmetic on
// the Julian day number. The reading windows keep the tables of
// daycount.h; the console program and the day window use this.
//
//   julianDay(date) - correlation = days since 0.0.0.0.0 (13.0.0.0.0 of the
//   previous era), from which every count below is a division or a modulo.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace tzk {

inline constexpr int kCorrelationGmt = 584283;       // Goodman-Martinez-Thompson
inline constexpr int kCorrelationGmtPlus2 = 584285;
inline constexpr int kCorrelationGmtPlus3 = 584286;

struct CivilDate {
    int year = 0; // 1..9999
    int month = 0; // 1..12
    int day = 0; // 1..31
    bool operator==(const CivilDate &) const = default;
};

// Julian day number of a proleptic Gregorian date; nullopt outside
// 0001-01-01..9999-12-31 or for a day that does not exist.
std::optional<qint64> julianDay(CivilDate date);
// The date of a Julian day number inside that range.
std::optional<CivilDate> civilDate(qint64 julianDay);

struct MayaDay {
    int kin = 0;          // 1..260, 1 = 1 Imix
    int tone = 0;         // 1..13
    int sign = 0;         // 1..20 traditional order: 1 = Imix (Crocodile) .. 20 = Ajaw (Sun)
    int signRow = 0;      // 1..20 the catalogue's row for the same sign (its texts and pictures)
    int trecenaKin = 0;   // kin that opens the 13-day period (tone 1)
    int trecenaSign = 0;  // its sign, traditional order
    int haabDay = 0;      // 0..19 (0..4 in Wayeb')
    int haabMonth = 0;    // 1..19, 19 = Wayeb'
    std::array<int, 5> longCount{}; // baktun (not wrapped), katun, tun, winal, kin
    int lordOfTheNight = 0; // 1..9 (G1..G9)
    int yearBearer = 0;   // sign (traditional order) of 0 Pop of the Haab' year
    bool operator==(const MayaDay &) const = default;
};

// The catalogue's row of a sign in the traditional order: the rows start at
// Monkey (Chuwen, traditional sign 11).
constexpr int catalogueRow(int sign) { return (sign + 9) % 20 + 1; }

// The day in the count with the given correlation; nullopt for a date
// julianDay() refuses.
std::optional<MayaDay> mayaDay(CivilDate date, int correlation = kCorrelationGmt);

// Names, in the orthography the README gives. Maya names are not translated.
QString mayaSignName(int sign);       // "Imix" .. "Ajaw"
QString haabMonthName(int month);     // "Pop" .. "Wayeb'"
QString toneName(int tone);           // "Magnetic" .. "Cosmic", the catalogue's tone keys without their number
QString shownToneName(int tone);      // the same as a person reads it: translated where a translation is installed
QString calendarRound(const MayaDay &day); // "13 Ak'b'al 16 K'ayab"
QString longCountText(const MayaDay &day); // "12.18.1.12.3"

// The Dreamspell kin (1..260) of a date: a separate count, kin 164 on
// 2013-07-26, 29 February taking 28 February's kin.
std::optional<int> dreamspellKin(CivilDate date);

// The next `count` dates on or after `from` whose kin (correlation 584283)
// equals `kin`; fewer where 9999-12-31 comes first, none for a bad argument.
QList<CivilDate> kinReturns(int kin, CivilDate from, int count);

// CivilDate <-> QDate for the years QDate and QDateEdit handle.
QDate toQDate(CivilDate date);
CivilDate fromQDate(QDate date);

// An iCalendar file (RFC 5545) with one all-day event per date, each named
// for the kin and its day, the correlation in its description. `stamp` is
// the DTSTAMP (UTC). Both tzolkara-cli --ics and the day window write it.
QByteArray kinReturnsCalendar(const MayaDay &day, const QList<CivilDate> &dates, const QDateTime &stamp);

} // namespace tzk
