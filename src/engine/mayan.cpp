#include "mayan.h"

#include "catalogue.h"
#include "daycount.h"

#include <QStringList>

namespace tzk {

ReadingRecord MayanReading;

namespace {

QString text(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

} // namespace

bool CalculateReading(ReadingRecord &r)
{
    const QByteArray month = r.birthMonth.toUtf8();
    const auto place = DayCount(r.birthYear, std::string_view(month.constData(), size_t(month.size())),
                                r.birthDay);
    if (!place) {
        r.galacticTone = 0;
        r.toneDescription.clear();
        r.mayanName.clear();
        r.englishName.clear();
        r.signDescription.clear();
        r.keywords.clear();
        r.gemstone.clear();
        r.significance.clear();
        r.famousPersons.clear();
        return false;
    }
    const SignRow &sign = signRow(DaySign(*place));
    const int tone = GalacticTone(*place);
    r.galacticTone = qint16(tone);
    r.toneDescription = text(toneRow(tone).toneDescription);
    r.mayanName = text(sign.mayanName);
    r.englishName = text(sign.englishName);
    r.signDescription = text(sign.signDescription);
    r.keywords = text(sign.keywords);
    r.gemstone = text(sign.gemstone);
    r.significance = text(sign.significance);
    r.famousPersons = text(sign.famousPersons);
    return true;
}

bool CalculateReading() { return CalculateReading(MayanReading); }

QStringList signPictureKeys()
{
    QStringList keys;
    for (const SignRow &row : kSignRows)
        keys << text(row.englishName);
    return keys;
}

} // namespace tzk
