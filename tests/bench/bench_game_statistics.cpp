// The replays the report menu runs before a box score, on a game of 3,000
// logged events: period totals of both sides for the five periods, starter
// and bench totals, the per-period report of all five periods, plus-minus,
// line-ups and the leads and runs. Each is timed alone and the whole set together.
#include "main/BenchGames.h"
#include "model/statistics/TGameReport.h"
#include "model/statistics/TLineupStatistics.h"
#include "model/statistics/TPlusMinus.h"
#include "model/statistics/TSideTotals.h"

#include <benchmark/benchmark.h>

namespace {

using BenchGames::TBenchGame;

void substitute(TTeam &team, int count)
{
    team.ActiveIndex = count % 3;
    team.SubstituteIndex = count % 2;
    team.Substitute();
}

// What a game holds: shots of every kind, rebounds, fouls, team events,
// clock steps and, now and then, a change or two at one stoppage.
void recordMix(TGame &game, int count)
{
    TTeam &team = game.Team(1 + count % 2);
    team.TeamEventMode = false;
    team.ActiveIndex = count % 3;
    const int side = team.SideNumber;
    switch (count % 12) {
    case 0:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::MidRange, 100, 120);
        break;
    case 1:
        team.RecordEvent(side, Kind::ShotMissed, ShotKind::Three, 20, 200);
        break;
    case 2:
        team.RecordEvent(side, Kind::DefensiveRebound, 0);
        break;
    case 3:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::Three, 20, 200);
        break;
    case 4:
        team.RecordEvent(side, Kind::Turnover, 0);
        break;
    case 5:
    case 11:
        if (game.Clock < 390)
            game.AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
        else
            team.RecordEvent(side, Kind::Assist, 0);
        break;
    case 6:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::FreeThrow);
        break;
    case 7:
        team.TeamEventMode = true;
        team.RecordEvent(side, Kind::OffensiveRebound, 0);
        break;
    case 8:
        team.RecordEvent(side, Kind::PersonalFoul, 0);
        break;
    case 9:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::Dunk, 120, 20);
        break;
    case 10:
        if (count % 60 == 10) {
            substitute(team, count);
            substitute(team, count);
        } else {
            team.RecordEvent(side, Kind::ShotMissed, ShotKind::Close, 120, 30);
        }
        break;
    }
}

TBenchGame &sharedGame()
{
    static TBenchGame g(QStringLiteral("code=BENCH002"), QStringLiteral("Home"), QStringLiteral("Away"),
                        recordMix);
    return g;
}

void periodTotals(TGame &game)
{
    TTeamTotals t;
    for (int side = 1; side <= 2; ++side)
        for (int n = 1; n <= 5; ++n) {
            TSideTotals::PeriodTotals(game, side, n, true, t);
            benchmark::DoNotOptimize(t.Points);
        }
}

void groupTotals(TGame &game)
{
    TTeamTotals t;
    for (int side = 1; side <= 2; ++side)
        for (int group : {TSideTotals::Starters, TSideTotals::Bench}) {
            TSideTotals::GroupTotals(game, side, group, t);
            benchmark::DoNotOptimize(t.Points);
        }
}

void gameReport(TGame &game)
{
    TGameReport report(game);
    report.PeriodFlags.assign(report.PeriodFlags.size(), true);
    report.Build();
    benchmark::DoNotOptimize(report.HomeTotals.Data.Totals.Points);
}

void lineups(TGame &game)
{
    TLineupList home;
    TLineupList away;
    TLineupStatistics(game).LineupStatistics(home, away);
    benchmark::DoNotOptimize(home.Count());
}

void everything(TGame &game)
{
    periodTotals(game);
    groupTotals(game);
    gameReport(game);
    TPlusMinus::UpdatePlusMinus(game);
    lineups(game);
    game.Statistics.Compute();
}

template <void (*F)(TGame &)> void run(benchmark::State &state)
{
    TGame &game = *sharedGame().game;
    for (auto _ : state)
        F(game);
    state.counters["events"] = double(game.AllEvents.Count());
    state.counters["recorded"] = double(game.RecordedEvents.Count());
    state.counters["clock"] = double(game.Clock);
    int substitutions = 0;
    for (const TEventList::Entry &e : game.AllEvents.Entries())
        substitutions += e.Event->Kind == Kind::Substitution ? 1 : 0;
    state.counters["substitutions"] = double(substitutions);
}

void plusMinus(TGame &game)
{
    TPlusMinus::UpdatePlusMinus(game);
}
void gameStatistics(TGame &game)
{
    game.Statistics.Compute();
}

BENCHMARK(run<periodTotals>)->Name("PeriodTotals_BothSides_FivePeriods")->Unit(benchmark::kMillisecond);
BENCHMARK(run<groupTotals>)->Name("StarterAndBenchTotals_BothSides")->Unit(benchmark::kMillisecond);
BENCHMARK(run<gameReport>)->Name("GameReport_FivePeriods")->Unit(benchmark::kMillisecond);
BENCHMARK(run<plusMinus>)->Name("UpdatePlusMinus")->Unit(benchmark::kMillisecond);
BENCHMARK(run<lineups>)->Name("LineupStatistics")->Unit(benchmark::kMillisecond);
BENCHMARK(run<gameStatistics>)->Name("GameStatistics_Compute")->Unit(benchmark::kMillisecond);
BENCHMARK(run<everything>)->Name("AllReplays")->Unit(benchmark::kMillisecond);

} // namespace
