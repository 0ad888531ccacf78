#include "mayan.h"

#include "catalogue.h"
#include "daycount.h"

#include <QCoreApplication>
#include <QStringList>

namespace tzk {

ReadingRecord MayanReading;

namespace {

std::optional<int> monthIndex(QStringView name)
{
    for (int i = 0; i < 12; ++i)
        if (name == QLatin1StringView(kMonthNames[i].data(), qsizetype(kMonthNames[i].size())))
            return i;
    return std::nullopt;
}

} // namespace

bool CalculateReading(ReadingRecord &r)
{
    const auto month = monthIndex(r.birthMonth);
    const auto place = month ? DayCount(r.birthYear, *month, r.birthDay) : std::nullopt;
    if (!place) {
        // No earlier reading survives a date that cannot be placed.
        ReadingRecord empty;
        empty.personName = r.personName;
        empty.birthDay = r.birthDay;
        empty.birthMonth = r.birthMonth;
        empty.birthYear = r.birthYear;
        r = empty;
        return false;
    }
    // Views of the static catalogue: a reading copies pointers, no text.
    const SignTexts sign = signTexts(DaySign(*place));
    const int tone = GalacticTone(*place);
    r.galacticTone = qint16(tone);
    r.toneDescription = staticString(toneTexts(tone).toneDescription);
    r.mayanName = staticString(sign.mayanName);
    r.englishName = staticString(sign.englishName);
    r.signDescription = staticString(sign.signDescription);
    r.keywords = staticString(sign.keywords);
    r.gemstone = staticString(sign.gemstone);
    r.significance = staticString(sign.significance);
    r.famousPersons = staticString(sign.famousPersons);
    return true;
}

bool CalculateReading() { return CalculateReading(MayanReading); }

QString shownCatalogueText(const QString &text)
{
    return QCoreApplication::translate(kCatalogueContext, text.toUtf8().constData());
}

QString shownMonthName(const QString &month)
{
    return QCoreApplication::translate(kMonthContext, month.toUtf8().constData());
}

QStringList signPictureKeys()
{
    QStringList keys;
    for (int row = 1; row <= kSignCount; ++row)
        keys << staticString(signTexts(row).englishName);
    return keys;
}

} // namespace tzk
