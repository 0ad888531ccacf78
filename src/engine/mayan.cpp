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

// The catalogue as shared QStrings, made on first use: a calculation then
// copies references instead of converting and allocating nine texts.
struct CatalogueTexts {
    struct Sign {
        QString mayanName, englishName, keywords, gemstone, significance, famousPersons, signDescription;
    };
    std::array<Sign, kSignCount> signs;
    std::array<QString, kToneCount> tones;
};

const CatalogueTexts &catalogueTexts()
{
    static const CatalogueTexts texts = [] {
        CatalogueTexts t;
        for (int i = 0; i < kSignCount; ++i) {
            const SignRow &r = kSignRows[i];
            t.signs[i] = {text(r.mayanName), text(r.englishName),   text(r.keywords),       text(r.gemstone),
                          text(r.significance), text(r.famousPersons), text(r.signDescription)};
        }
        for (int i = 0; i < kToneCount; ++i)
            t.tones[i] = text(kToneRows[i].toneDescription);
        return t;
    }();
    return texts;
}

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
    const auto place = month ? DayCount(r.birthYear, kMonthNames[*month], r.birthDay) : std::nullopt;
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
    const CatalogueTexts &texts = catalogueTexts();
    const CatalogueTexts::Sign &sign = texts.signs[DaySign(*place) - 1];
    const int tone = GalacticTone(*place);
    r.galacticTone = qint16(tone);
    r.toneDescription = texts.tones[tone - 1];
    r.mayanName = sign.mayanName;
    r.englishName = sign.englishName;
    r.signDescription = sign.signDescription;
    r.keywords = sign.keywords;
    r.gemstone = sign.gemstone;
    r.significance = sign.significance;
    r.famousPersons = sign.famousPersons;
    return true;
}

bool CalculateReading() { return CalculateReading(MayanReading); }

QStringList signPictureKeys()
{
    QStringList keys;
    for (const auto &sign : catalogueTexts().signs)
        keys << sign.englishName;
    return keys;
}

} // namespace tzk
