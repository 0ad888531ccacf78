// The reading record shared by every window, and the one engine operation
// that fills it from the birth date.
#pragma once

#include <QString>
#include <QtGlobal>

namespace tzk {

struct ReadingRecord {
    // Birth data, written by the Calculate command.
    QString personName;
    qint16 birthDay = 0;
    QString birthMonth;
    qint16 birthYear = 0;

    // Computed fields, written only by CalculateReading.
    qint16 galacticTone = 0;
    QString toneDescription;
    QString mayanName;
    QString englishName;
    QString signDescription;
    QString keywords;
    QString gemstone;
    QString significance;
    QString famousPersons;

    bool operator==(const ReadingRecord &) const = default;
};

// The program-wide current reading.
extern ReadingRecord MayanReading;

// Replaces every computed field of `reading` from its birth fields. A date
// that cannot be placed (outside 1900..2016, unknown month, no such day)
// empties the computed fields, so no earlier reading survives it. Returns
// whether the date could be placed.
bool CalculateReading(ReadingRecord &reading);

// The same on the program-wide record.
bool CalculateReading();

// The twenty English sign names in catalogue order (keys of the sign pictures).
QStringList signPictureKeys();

// What a person reads for a text the record took from the catalogue, and
// for a month name: its translation once one is installed, the text itself
// until then. The record keeps the catalogue's own text, which files and
// picture keys rely on.
QString shownCatalogueText(const QString &text);
QString shownMonthName(const QString &month);

} // namespace tzk
