// The one main of every benchmark program: an application object for the run
// (the SQL driver and the screen need one), then Google Benchmark.
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
