// The steps a person waits on, through the real windows, headless:
// Calculate until the result window is painted, the report window until
// its report is built and painted, and a reading file written and read.
#include "readings.h"
#include "drive.h"
#include "fakeplatform.h"
#include "frmmain.h"
#include "frmmayanresult.h"
#include "frmsave.h"
#include "frmstartup.h"
#include "mayan.h"
#include "readingfile.h"
#include "scramble.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

using namespace tzk;

void BM_CalculateToPaintedResult(benchmark::State &state)
{
    test::FakePlatform platform;
    FrmStartup startup(platform);
    startup.Form_Load();
    for (auto _ : state) {
        test::fillEntry(startup.mainWindow(), QStringLiteral("Ann"), QStringLiteral("March"), 14, 1975);
        test::click(startup.mainWindow(), "cmdCalculate");
        benchmark::DoNotOptimize(startup.resultWindow()->grab());
        test::click(startup.resultWindow(), "cmdBack");
        test::settle();
    }
}

// Resident memory now, in megabytes (Linux; 0 elsewhere).
double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// A long session: Calculate and Back 5,000 times. What stays resident
// after the 500th cycle and after the last should differ by less than a
// megabyte: nothing a cycle makes may outlive it.
void BM_CalculateBackSoak(benchmark::State &state)
{
    test::FakePlatform platform;
    FrmStartup startup(platform);
    startup.Form_Load();
    int cycles = 0;
    for (auto _ : state) {
        test::fillEntry(startup.mainWindow(), QStringLiteral("Ann"), QStringLiteral("March"), 14, 1975);
        test::click(startup.mainWindow(), "cmdCalculate");
        benchmark::DoNotOptimize(startup.resultWindow()->grab());
        test::click(startup.resultWindow(), "cmdBack");
        test::settle();
        if (++cycles == 500)
            state.counters["MB_after_500"] = residentMegabytes();
    }
    state.counters["MB_after_5000"] = residentMegabytes();
    const double growth = state.counters["MB_after_5000"] - state.counters["MB_after_500"];
    state.counters["MB_growth"] = growth;
    if (growth >= 1.0)
        state.SkipWithError("resident memory grew by a megabyte or more");
}

void BM_ReportBuiltAndPainted(benchmark::State &state)
{
    test::FakePlatform platform;
    test::setCurrentReading(QStringLiteral("Ann"), 1975, QStringLiteral("March"), 14);
    for (auto _ : state) {
        FrmSave report(platform);
        report.show();
        benchmark::DoNotOptimize(report.grab());
        report.close();
    }
}

void BM_ReadingFileWriteAndRead(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.man"));
    const ReadingRecord r = test::birthRecord(QStringLiteral("Reader"), 1990, QStringLiteral("March"), 5);
    for (auto _ : state) {
        if (!writeReadingFile(path, r).isEmpty())
            state.SkipWithError("write failed");
        benchmark::DoNotOptimize(readReadingFile(path));
    }
}

void BM_ScrambleRoundTrip(benchmark::State &state)
{
    const QString name = QStringLiteral("Reader of the Mayan count");
    for (auto _ : state)
        benchmark::DoNotOptimize(UnscrambleText(ScrambleText(name)));
}

} // namespace

BENCHMARK(BM_CalculateToPaintedResult)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateBackSoak)->Iterations(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportBuiltAndPainted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingFileWriteAndRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrambleRoundTrip)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program sets itself up.
    tzk::prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
