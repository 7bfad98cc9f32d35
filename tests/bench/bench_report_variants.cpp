// The box score variants of a game of 3,000 logged events, each built from
// the model and written as a PDF as "Save as PDF" and the command line do.
// Target: each under 150 ms.
#include "main/BenchGames.h"
#include "main/BenchReports.h"
#include "reports/variants/TVariantReports.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

using BenchGames::TBenchGame;

// Steals in place of the turnovers of the box score benchmark.
TBenchGame &sharedGame()
{
    static TBenchGame g(QStringLiteral("code=BENCH017 stadium=\"Bench Arena\" attendance=900 income=1200"),
                        QStringLiteral("\"Home Team\""), QStringLiteral("\"Away Team\""),
                        [](TGame &game, int n) { BenchGames::RecordFull(game, n, Kind::Steal); });
    return g;
}

struct TVariant
{
    const char *Name;
    const char *Edition;
    std::function<TReportDocument(TVariantReports &)> Build;
};

const TVariant Variants[] = {
    {"Italian box score", "ITA", [](TVariantReports &r) { return r.EditionBoxScore(); }},
    {"French box score", "FRA", [](TVariantReports &r) { return r.EditionBoxScore(); }},
    {"Hebrew box score", "HEB", [](TVariantReports &r) { return r.Hebrew(); }},
    {"press sheet", "ENG", [](TVariantReports &r) { return r.Press(); }},
    {"line-up report", "ENG", [](TVariantReports &r) { return r.Quintet(); }},
    {"quarter report, all periods", "ENG",
     [](TVariantReports &r) {
         return r.Quarters({1, 2, 3, 4, 5});
     }},
};

// Each report built from the game and written to PDF; target: under 150 ms.
void BM_VariantToPdf(benchmark::State &state)
{
    TBenchGame &g = sharedGame();
    const TVariant &variant = Variants[state.range(0)];
    g.settings.SetValue(QStringLiteral("VERSION"), QLatin1String(variant.Edition));
    TVariantReports reports(*g.game, g.translator);
    const QString file = g.dir.filePath(QStringLiteral("variant.pdf"));
    BenchReports::TimeOneToPdf(state, file, [&] { return variant.Build(reports); });
    state.SetLabel(variant.Name);
    state.counters["events"] = g.game->AllEvents.Count();
}
BENCHMARK(BM_VariantToPdf)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace
