// The cost of recording one event into games that already hold 100, 1,000 and
// 3,000 events. Recording must not get slower as the game grows.
#include "main/BenchGames.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"

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
        script.Run(QStringLiteral("\ngame code=BENCH001\n") + BenchGames::SmallRoster() +
                   QStringLiteral("tick\nselect home 4\nselect away 5\n"));
        while (game->AllEvents.Count() < events)
            recordOne();
    }

    void recordOne() { BenchGames::RecordMixed(*game, count++); }
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
