// The shot charts, the shot list, the play-by-play list and the score graph of
// a game of 3,000 logged events, each built from the model and written as a
// PDF, as the command line and "Save as PDF" do. Target: each under 150 ms.
#include "main/BenchGames.h"
#include "main/BenchReports.h"
#include "model/output/TNameOrder.h"
#include "reports/charts/TShotChoice.h"
#include "reports/charts/TqrDobasLista.h"
#include "reports/charts/TqrDobasok.h"
#include "reports/charts/TqrInvidualShotingChart.h"
#include "reports/charts/TqrULEBDobasterkep.h"
#include "reports/charts/TqrULEBGrafikon.h"
#include "reports/playbyplay/TqrULEBEventsList.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

using BenchGames::TBenchGame;

// Shots all over each team's half, rebounds, fouls, clock steps and changes.
void recordShots(TGame &game, int count)
{
    TTeam &team = game.Team(1 + count % 2);
    team.ActiveIndex = count % 3;
    const int side = team.SideNumber;
    const int x = 10 + (count * 37) % 220;
    const int y = 5 + (count * 53) % 170;
    const int along = side == 1 ? 358 - y : y;
    switch (count % 8) {
    case 0:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::MidRange, x, along);
        break;
    case 1:
        team.RecordEvent(side, Kind::ShotMissed, ShotKind::Three, x, along);
        break;
    case 2:
        team.RecordEvent(side, Kind::DefensiveRebound, 0);
        break;
    case 3:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::Close, x, along);
        break;
    case 4:
        if (game.Clock < 390)
            game.AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
        else
            team.RecordEvent(side, Kind::Assist, 0);
        break;
    case 5:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::FreeThrow);
        break;
    case 6:
        team.RecordEvent(side, Kind::PersonalFoul, 0);
        break;
    case 7:
        if (count % 56 == 7) {
            team.SubstituteIndex = count % 2;
            team.Substitute();
        } else {
            team.RecordEvent(side, Kind::ShotMissed, ShotKind::Close, x, along);
        }
        break;
    }
}

TBenchGame &sharedGame()
{
    static TBenchGame g(QStringLiteral("code=BENCH018 stadium=\"Bench Arena\" referee1=\"One Ref\""),
                        QStringLiteral("\"Home Team\""), QStringLiteral("\"Away Team\""), recordShots);
    return g;
}

// Builds the report's documents and writes them as one PDF.
void toPdf(benchmark::State &state, const std::function<std::vector<TReportDocument>(TBenchGame &)> &build)
{
    TBenchGame &g = sharedGame();
    const int pages =
        BenchReports::TimeToPdf(state, g.dir.filePath(QStringLiteral("chart.pdf")), [&] { return build(g); });
    state.counters["events"] = g.game->AllEvents.Count();
    state.counters["pages"] = pages;
}

void BM_ShootingChartToPdf(benchmark::State &state)
{
    toPdf(state, [](TBenchGame &g) {
        return std::vector<TReportDocument>{TqrULEBDobasterkep(*g.game, g.translator).Build()};
    });
}
BENCHMARK(BM_ShootingChartToPdf)->Unit(benchmark::kMillisecond);

void BM_AlternativeChartToPdf(benchmark::State &state)
{
    toPdf(state, [](TBenchGame &g) {
        const TShotChoice::TSelection s =
            TShotChoice::Select(*g.game, TShotChoice::TScope::Both, 0, g.translator);
        return std::vector<TReportDocument>{TqrDobasok(s.Title, s.Subtitle, s.OnePlayer, s.Events).Build()};
    });
}
BENCHMARK(BM_AlternativeChartToPdf)->Unit(benchmark::kMillisecond);

void BM_ShotListToPdf(benchmark::State &state)
{
    toPdf(state, [](TBenchGame &g) {
        const TShotChoice::TSelection s =
            TShotChoice::Select(*g.game, TShotChoice::TScope::Both, 0, g.translator);
        return std::vector<TReportDocument>{TqrDobasLista(s.Title, s.Events, g.translator).Build()};
    });
}
BENCHMARK(BM_ShotListToPdf)->Unit(benchmark::kMillisecond);

void BM_IndividualChartsToPdf(benchmark::State &state)
{
    toPdf(state, [](TBenchGame &g) {
        return std::vector<TReportDocument>{
            TqrInvidualShotingChart(*g.game,
                                    TqrInvidualShotingChart::TeamPlayers(
                                        g.game->HomeTeam(), true, TNameOrder(g.game->Settings().Edition())),
                                    g.translator)
                .Build()};
    });
}
BENCHMARK(BM_IndividualChartsToPdf)->Unit(benchmark::kMillisecond);

void BM_PlayByPlayToPdf(benchmark::State &state)
{
    toPdf(state, [](TBenchGame &g) {
        return std::vector<TReportDocument>{
            TqrULEBEventsList(*g.game, TqrULEBEventsList::Rows(*g.game), g.translator).Build()};
    });
}
BENCHMARK(BM_PlayByPlayToPdf)->Unit(benchmark::kMillisecond);

void BM_KeyMomentsToPdf(benchmark::State &state)
{
    toPdf(state, [](TBenchGame &g) {
        return std::vector<TReportDocument>{TqrULEBGrafikon(*g.game, g.translator).Build()};
    });
}
BENCHMARK(BM_KeyMomentsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
