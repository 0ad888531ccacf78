// Reading records with just the birth data, as the Calculate command
// stores it, and the same computed; and the program-wide reading set as
// Calculate leaves it.
#pragma once

#include "mayan.h"

namespace tzk::test {

inline ReadingRecord birthRecord(const QString &name, int year, const QString &month, int day)
{
    ReadingRecord r;
    r.personName = name;
    r.birthYear = qint16(year);
    r.birthMonth = month;
    r.birthDay = qint16(day);
    return r;
}

inline ReadingRecord calculatedRecord(const QString &name, int year, const QString &month, int day)
{
    ReadingRecord r = birthRecord(name, year, month, day);
    CalculateReading(r);
    return r;
}

// MayanReading as Calculate leaves it for the windows that show it.
inline void setCurrentReading(const QString &name, int year, const QString &month, int day)
{
    MayanReading = calculatedRecord(name, year, month, day);
}

} // namespace tzk::test
