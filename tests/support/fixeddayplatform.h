// The production platform with "today" fixed, so that a test that reads the
// date back never sees it change under it at midnight.
#pragma once

#include "qtplatform.h"

#include <QDate>

namespace tzk::test {

inline const QDate kFixedToday(2026, 12, 8);

class FixedDayPlatform : public QtPlatform
{
public:
    QDate today() override { return kFixedToday; }
};

} // namespace tzk::test
