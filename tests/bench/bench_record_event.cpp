// The cost of recording one event into games that already hold 100, 1,000 and
// 3,000 events. Recording must not get slower as the game grows.
#include "model/EventKinds.h"
#include "model/TGame.h"
#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct BenchGame
{
    TSettings settings;
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    THeadlessScreen screen;
    std::unique_ptr<TGame> game;
    int count = 0;

    explicit BenchGame(int events)
    {
        game = std::make_unique<TGame>(TGameServices{.Settings = &settings, .Clock = &clock});
        game->SetScreen(&screen);
        TGameScript script(*game, screen);
        script.Run(QStringLiteral(R"(
game code=BENCH001
team home id=1 webid=T1 name=Home league=1
team away id=2 webid=T2 name=Away league=1
player home id=11 webid=H11 jersey=4 name="A One" court
player home id=12 webid=H12 jersey=7 name="B Two" court
player home id=13 webid=H13 jersey=10 name="C Three" court
player home id=14 webid=H14 jersey=15 name="D Four" bench
player away id=21 webid=A21 jersey=5 name="E Five" court
player away id=22 webid=A22 jersey=8 name="F Six" court
player away id=23 webid=A23 jersey=12 name="G Seven" court
tick
select home 4
select away 5
)"));
        while (game->AllEvents.Count() < events)
            recordOne();
    }

    // A mix of what a game holds: shots, rebounds, steals, turnovers, clock steps.
    void recordOne()
    {
        TTeam &team = game->Team(1 + count % 2);
        team.ActiveIndex = count % 3;
        switch (count % 6) {
        case 0:
            team.RecordEvent(team.SideNumber, Kind::ShotMade, ShotKind::MidRange, 100, 120);
            break;
        case 1:
            team.RecordEvent(team.SideNumber, Kind::ShotMissed, ShotKind::Three, 20, 200);
            break;
        case 2:
            team.RecordEvent(team.SideNumber, Kind::DefensiveRebound, 0);
            break;
        case 3:
            team.RecordEvent(team.SideNumber, Kind::Steal, 0);
            break;
        case 4:
            team.RecordEvent(team.SideNumber, Kind::Turnover, 0);
            break;
        case 5:
            if (game->Clock < 380)
                game->AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
            else
                team.RecordEvent(team.SideNumber, Kind::Assist, 0);
            break;
        }
        ++count;
    }
};

void BM_RecordEvent(benchmark::State &state)
{
    const int size = int(state.range(0));
    auto game = std::make_unique<BenchGame>(size);
    int sinceBuild = 0;
    for (auto _ : state) {
        game->recordOne();
        if (++sinceBuild == 100) {
            // Keep the game near its size: rebuild it outside the measurement.
            state.PauseTiming();
            game = std::make_unique<BenchGame>(size);
            sinceBuild = 0;
            state.ResumeTiming();
        }
    }
    state.counters["events_in_game"] = double(size);
}
BENCHMARK(BM_RecordEvent)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMicrosecond);

} // namespace
