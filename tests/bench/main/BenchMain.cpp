// The one main of every benchmark program: an application object for the run
// (the SQL driver and the screen need one), then Google Benchmark, or the
// work a benchmark asked to run in a fresh process.
#include "BenchChild.h"

#include <benchmark/benchmark.h>

#ifdef PARQUETIX_BENCH_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char **argv)
{
#ifdef PARQUETIX_BENCH_WIDGETS
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    if (const int child = BenchChild::RunIfAsked(argc, argv); child >= 0)
        return child;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
