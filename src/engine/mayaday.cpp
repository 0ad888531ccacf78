#include "mayaday.h"

#include "catalogue.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace tzk {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, counting years from
// 1 March so that the leap day is the last day of its year; the 400-year
// era repeats exactly (146097 days).
constexpr qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;                               // [0, 399]
    const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;       // [0, 146096]
    return qint64(era) * 146097 + doe - 719468;
}

// The inverse: year, month, day of a day count from 1970-01-01.
constexpr CivilDate civilFromDays(qint64 z)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = int(z - era * 146097);                                 // [0, 146096]
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const int mp = (5 * doy + 2) / 153;                                    // [0, 11], 0 = March
    const int d = doy - (153 * mp + 2) / 5 + 1;                            // [1, 31]
    const int m = mp < 10 ? mp + 3 : mp - 9;                               // [1, 12]
    return {int(yoe + era * 400) + (m <= 2), m, d};
}

constexpr bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

constexpr int daysInMonth(int y, int m)
{
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

constexpr bool exists(CivilDate c)
{
    return c.year >= 1 && c.year <= 9999 && c.month >= 1 && c.month <= 12 && c.day >= 1
        && c.day <= daysInMonth(c.year, c.month);
}

// The Julian day number of 1970-01-01: day 0 of the count above.
inline constexpr qint64 kUnixEpochJulianDay = 2440588;
inline constexpr qint64 kFirstJulianDay = kUnixEpochJulianDay + daysFromCivil(1, 1, 1);
inline constexpr qint64 kLastJulianDay = kUnixEpochJulianDay + daysFromCivil(9999, 12, 31);

static_assert(daysFromCivil(1970, 1, 1) == 0 && daysFromCivil(2000, 3, 1) == 11017);
static_assert(kUnixEpochJulianDay + daysFromCivil(2012, 12, 21) == 2456283); // 13.0.0.0.0
static_assert(kFirstJulianDay == 1721426 && kLastJulianDay == 5373484);
static_assert(civilFromDays(daysFromCivil(1600, 2, 29)) == CivilDate{1600, 2, 29});
static_assert(civilFromDays(daysFromCivil(1, 1, 1) - 1) == CivilDate{0, 12, 31});

constexpr qint64 floorMod(qint64 x, qint64 n) { return ((x % n) + n) % n; }
constexpr qint64 floorDiv(qint64 x, qint64 n) { return (x - floorMod(x, n)) / n; }

// 0.0.0.0.0 is 4 Ajaw 8 Kumk'u: kin 160, day 348 of the Haab' year
// (17 months of 20 days, then 8).
inline constexpr int kKinAtZero = 160;
inline constexpr int kHaabDayAtZero = 17 * 20 + 8;

constexpr int kinOf(qint64 days) { return int(floorMod(days + kKinAtZero - 1, 260)) + 1; }
constexpr int signOf(int kin) { return (kin - 1) % 20 + 1; }
constexpr int toneOf(int kin) { return (kin - 1) % 13 + 1; }

static_assert(catalogueRow(11) == 1 && catalogueRow(1) == 11 && catalogueRow(20) == 10 && catalogueRow(10) == 20);

constexpr std::string_view kSignNames[20] = {
    "Imix", "Ik'", "Ak'b'al", "K'an", "Chikchan", "Kimi", "Manik'", "Lamat", "Muluk", "Ok",
    "Chuwen", "Eb'", "B'en", "Ix", "Men", "K'ib'", "Kaban", "Etz'nab'", "Kawak", "Ajaw"};
constexpr std::string_view kHaabNames[19] = {
    "Pop", "Wo'", "Sip", "Sotz'", "Sek", "Xul", "Yaxk'in", "Mol", "Ch'en", "Yax",
    "Sak'", "Keh", "Mak", "K'ank'in", "Muwan", "Pax", "K'ayab", "Kumk'u", "Wayeb'"};

// The tones' English names, marked for translation (shownToneName); the
// catalogue's keys carry the same names for finding pictures.
constexpr std::array<std::string_view, 13> kToneNames{
    QT_TRANSLATE_NOOP("Tone", "Magnetic"), QT_TRANSLATE_NOOP("Tone", "Lunar"),
    QT_TRANSLATE_NOOP("Tone", "Electric"), QT_TRANSLATE_NOOP("Tone", "Self-Existing"),
    QT_TRANSLATE_NOOP("Tone", "Overtone"), QT_TRANSLATE_NOOP("Tone", "Rhythmic"),
    QT_TRANSLATE_NOOP("Tone", "Resonant"), QT_TRANSLATE_NOOP("Tone", "Galactic"),
    QT_TRANSLATE_NOOP("Tone", "Solar"), QT_TRANSLATE_NOOP("Tone", "Planetary"),
    QT_TRANSLATE_NOOP("Tone", "Spectral"), QT_TRANSLATE_NOOP("Tone", "Crystal"),
    QT_TRANSLATE_NOOP("Tone", "Cosmic")};
static_assert([] {
    for (int tone = 1; tone <= 13; ++tone) {
        const std::u16string_view key = toneTexts(tone).toneKey.substr(3);
        const std::string_view name = kToneNames[std::size_t(tone - 1)];
        if (!std::equal(key.begin(), key.end(), name.begin(), name.end()))
            return false;
    }
    return true;
}());

// The Dreamspell count skips 29 February: a day number over 365-day years.
constexpr qint64 dreamspellDay(CivilDate c)
{
    constexpr int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return qint64(c.year) * 365 + before[c.month - 1] + (c.month == 2 && c.day == 29 ? 28 : c.day);
}
inline constexpr qint64 kDreamspellAnchor = dreamspellDay({2013, 7, 26}); // kin 164

QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

} // namespace

std::optional<qint64> julianDay(CivilDate date)
{
    if (!exists(date))
        return std::nullopt;
    return kUnixEpochJulianDay + daysFromCivil(date.year, date.month, date.day);
}

std::optional<CivilDate> civilDate(qint64 jd)
{
    if (jd < kFirstJulianDay || jd > kLastJulianDay)
        return std::nullopt;
    return civilFromDays(jd - kUnixEpochJulianDay);
}

std::optional<MayaDay> mayaDay(CivilDate date, int correlation)
{
    const auto jd = julianDay(date);
    if (!jd)
        return std::nullopt;
    const qint64 days = *jd - correlation; // since 0.0.0.0.0
    MayaDay m;
    m.kin = kinOf(days);
    m.tone = toneOf(m.kin);
    m.sign = signOf(m.kin);
    m.signRow = catalogueRow(m.sign);
    m.trecenaKin = kinOf(days - (m.tone - 1));
    m.trecenaSign = signOf(m.trecenaKin);
    const int haab = int(floorMod(days + kHaabDayAtZero, 365)); // [0, 364]
    m.haabDay = haab % 20;
    m.haabMonth = haab / 20 + 1;
    // The baktun runs on past 13 (and below 0 for a correlation past year 1).
    m.longCount[0] = int(floorDiv(days, 144000));
    qint64 rest = floorMod(days, 144000);
    m.longCount[1] = int(rest / 7200);
    rest %= 7200;
    m.longCount[2] = int(rest / 360);
    rest %= 360;
    m.longCount[3] = int(rest / 20);
    m.longCount[4] = int(rest % 20);
    const int lord = int(floorMod(days, 9));
    m.lordOfTheNight = lord == 0 ? 9 : lord;
    m.yearBearer = signOf(kinOf(days - haab)); // the kin of 0 Pop
    return m;
}

QString mayaSignName(int sign)
{
    return sign >= 1 && sign <= 20 ? fromUtf8(kSignNames[sign - 1]) : QString();
}

QString haabMonthName(int month)
{
    return month >= 1 && month <= 19 ? fromUtf8(kHaabNames[month - 1]) : QString();
}

QString toneName(int tone)
{
    if (tone < 1 || tone > 13)
        return {};
    return fromUtf8(kToneNames[std::size_t(tone - 1)]);
}

QString shownToneName(int tone)
{
    return tone < 1 || tone > 13 ? QString() : QCoreApplication::translate("Tone", kToneNames[std::size_t(tone - 1)].data());
}

QString calendarRound(const MayaDay &day)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(day.tone)
        .arg(mayaSignName(day.sign))
        .arg(day.haabDay)
        .arg(haabMonthName(day.haabMonth));
}

QString longCountText(const MayaDay &day)
{
    QStringList parts;
    for (const int n : day.longCount)
        parts << QString::number(n);
    return parts.join(QLatin1Char('.'));
}

std::optional<int> dreamspellKin(CivilDate date)
{
    if (!exists(date))
        return std::nullopt;
    return int(floorMod(dreamspellDay(date) - kDreamspellAnchor + 163, 260)) + 1;
}

QList<CivilDate> kinReturns(int kin, CivilDate from, int count)
{
    QList<CivilDate> dates;
    const auto start = julianDay(from);
    if (!start || kin < 1 || kin > 260 || count < 1)
        return dates;
    const int here = kinOf(*start - kCorrelationGmt);
    // Never more than the range holds (about 14,000 returns), whatever is asked.
    for (qint64 jd = *start + floorMod(kin - here, 260); jd <= kLastJulianDay && dates.size() < count; jd += 260)
        dates.append(civilFromDays(jd - kUnixEpochJulianDay));
    return dates;
}

QDate toQDate(CivilDate date)
{
    const auto jd = julianDay(date);
    return jd ? QDate::fromJulianDay(*jd) : QDate();
}

CivilDate fromQDate(QDate date)
{
    if (!date.isValid())
        return {};
    return civilDate(date.toJulianDay()).value_or(CivilDate{});
}

namespace {

// TEXT values: backslash, semicolon, comma and line breaks escaped.
QByteArray icsText(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\r')
            continue;
        out += c;
    }
    return out;
}

// One content line, folded so that no line exceeds 75 octets: a
// continuation starts with a space, and no UTF-8 sequence is split.
void icsLine(QByteArray &out, const QByteArray &line)
{
    qsizetype start = 0;
    qsizetype room = 75;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut; // back to the lead byte
        out += line.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = 74;
    }
    out += line.mid(start) + "\r\n";
}

// YYYYMMDD, by hand: a thousand returns made this the file's slowest part.
QByteArray icsDate(CivilDate d)
{
    QByteArray out(8, '0');
    for (int i = 3, y = d.year; i >= 0; --i, y /= 10)
        out[i] = char('0' + y % 10);
    out[4] = char('0' + d.month / 10);
    out[5] = char('0' + d.month % 10);
    out[6] = char('0' + d.day / 10);
    out[7] = char('0' + d.day % 10);
    return out;
}

} // namespace

QByteArray kinReturnsCalendar(const MayaDay &day, const QList<CivilDate> &dates, const QDateTime &stamp)
{
    const QByteArray dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    const QString name = QStringLiteral("%1 %2").arg(day.tone).arg(mayaSignName(day.sign));
    const QString summary = QCoreApplication::translate("tzk::MayaDay", "%1 (kin %2) comes round").arg(name).arg(day.kin);
    const QString description = QCoreApplication::translate(
        "tzk::MayaDay",
        "Kin %1, %2, returns on this day in the 260-day count, reckoned with the correlation %3 "
        "(Goodman-Martinez-Thompson); the day runs from civil midnight to midnight.")
        .arg(day.kin).arg(name).arg(kCorrelationGmt);

    QByteArray out;
    icsLine(out, "BEGIN:VCALENDAR");
    icsLine(out, "VERSION:2.0");
    icsLine(out, "PRODID:-//Tessaly Softwares//Tzolkara kin returns//EN");
    icsLine(out, "CALSCALE:GREGORIAN");
    // What every event shares, folded once.
    QByteArray shared;
    icsLine(shared, "DTSTAMP:" + dtstamp);
    icsLine(shared, "SUMMARY:" + icsText(summary));
    icsLine(shared, "DESCRIPTION:" + icsText(description));
    icsLine(shared, "TRANSP:TRANSPARENT");
    icsLine(shared, "END:VEVENT");
    out.reserve(out.size() + dates.size() * (shared.size() + 110));
    for (const CivilDate &d : dates) {
        const QByteArray date = icsDate(d);
        icsLine(out, "BEGIN:VEVENT");
        // Deterministic: the same return always gets the same UID, so an
        // import repeated updates the event instead of doubling it.
        icsLine(out, "UID:" + date + "-kin" + QByteArray::number(day.kin) + "@tzolkara.tessalyforum.com");
        icsLine(out, "DTSTART;VALUE=DATE:" + date);
        out += shared;
    }
    icsLine(out, "END:VCALENDAR");
    return out;
}

} // namespace tzk
