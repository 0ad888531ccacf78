// Reading records with just the birth data, as the Calculate command
// stores it.
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

} // namespace tzk::test
