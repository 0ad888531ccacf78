#include "mayan.h"

#include "catalogue.h"
#include "daycount.h"

#include <QStringList>

#include <string>
#include <vector>

namespace tzk {

ReadingRecord MayanReading;

namespace {

// The catalogue as QStrings over UTF-16 copies made once, on first use.
// They are built with fromRawData, so copying one into the record is a
// pointer copy: no allocation and no reference count to touch.
struct CatalogueTexts {
    struct Sign {
        QString mayanName, englishName, keywords, gemstone, significance, famousPersons, signDescription;
    };
    std::array<Sign, kSignCount> signs;
    std::array<QString, kToneCount> tones;
    std::vector<std::u16string> storage; // never resized after the views are made

    QString view(std::string_view latin1)
    {
        const std::u16string &s = storage.emplace_back(latin1.begin(), latin1.end());
        return QString::fromRawData(reinterpret_cast<const QChar *>(s.data()), qsizetype(s.size()));
    }
};

const CatalogueTexts &catalogueTexts()
{
    static const CatalogueTexts texts = [] {
        CatalogueTexts t;
        t.storage.reserve(kSignCount * 7 + kToneCount);
        for (int i = 0; i < kSignCount; ++i) {
            const SignRow &r = kSignRows[i];
            t.signs[i] = {t.view(r.mayanName),    t.view(r.englishName),   t.view(r.keywords),
                          t.view(r.gemstone),     t.view(r.significance),  t.view(r.famousPersons),
                          t.view(r.signDescription)};
        }
        for (int i = 0; i < kToneCount; ++i)
            t.tones[i] = t.view(kToneRows[i].toneDescription);
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
