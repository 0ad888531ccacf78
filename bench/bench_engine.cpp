// CalculateReading over every date the entry form accepts.
#include "daycount.h"
#include "mayan.h"

#include <benchmark/benchmark.h>

#include <QDate>

#include <vector>

namespace {

std::vector<tzk::ReadingRecord> everyAcceptedDate()
{
    std::vector<tzk::ReadingRecord> dates;
    for (QDate d(1900, 1, 1); d <= QDate(2016, 12, 31); d = d.addDays(1)) {
        tzk::ReadingRecord r;
        r.personName = QStringLiteral("Ann");
        r.birthYear = qint16(d.year());
        const auto month = tzk::kMonthNames[d.month() - 1];
        r.birthMonth = QString::fromLatin1(month.data(), qsizetype(month.size()));
        r.birthDay = qint16(d.day());
        dates.push_back(r);
    }
    return dates;
}

void BM_CalculateReadingSweep(benchmark::State &state)
{
    std::vector<tzk::ReadingRecord> dates = everyAcceptedDate();
    for (auto _ : state) {
        for (tzk::ReadingRecord &r : dates)
            benchmark::DoNotOptimize(tzk::CalculateReading(r));
        benchmark::ClobberMemory();
    }
    state.counters["readings"] = double(dates.size());
    state.SetItemsProcessed(state.iterations() * int64_t(dates.size()));
}

} // namespace

BENCHMARK(BM_CalculateReadingSweep)->Unit(benchmark::kMillisecond);
