// The flag rule on a game of 3,000 logged events: what the court screen pays
// after an event (marking its board stale), the whole recomputation, and what
// the board pays to catch up the first time it shows the flags again.
#include "main/BenchGames.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/review/TFlagRule.h"

#include <benchmark/benchmark.h>

namespace {

using BenchGames::BoxScoreGame;

void counters(benchmark::State &state, const TGame &game, int flags)
{
    state.counters["events"] = double(game.AllEvents.Count());
    state.counters["flags"] = double(flags);
}

void FlagRule_Open(benchmark::State &state)
{
    BenchGames::TBenchGame &g = BoxScoreGame();
    int flags = 0;
    for (auto _ : state) {
        const QList<TFlag> open =
            TFlagRule::Open(*g.game, g.game->Review, &g.screen.log(1), &g.screen.log(2));
        flags = int(open.size());
        benchmark::DoNotOptimize(open.data());
    }
    counters(state, *g.game, flags);
}

void FlagBoard_Invalidate(benchmark::State &state)
{
    BenchGames::TBenchGame &g = BoxScoreGame();
    TFlagBoard board;
    board.Attach(g.game.get(), &g.screen.log(1), &g.screen.log(2));
    for (auto _ : state) {
        board.Invalidate();
        benchmark::ClobberMemory();
    }
    counters(state, *g.game, int(board.Flags().size()));
}

void FlagBoard_InvalidateAndCount(benchmark::State &state)
{
    BenchGames::TBenchGame &g = BoxScoreGame();
    TFlagBoard board;
    board.Attach(g.game.get(), &g.screen.log(1), &g.screen.log(2));
    for (auto _ : state) {
        board.Invalidate();
        benchmark::DoNotOptimize(board.OpenCount(1) + board.OpenCount(2));
    }
    counters(state, *g.game, int(board.Flags().size()));
}

// An input at the end of the game: the last action of a home player changes
// to a steal and back, and the board is brought up to date.
void FlagBoard_AfterAnInput(benchmark::State &state)
{
    BenchGames::TBenchGame &g = BoxScoreGame();
    TFlagBoard board;
    board.Attach(g.game.get(), &g.screen.log(1), &g.screen.log(2));
    int last = g.game->AllEvents.Count() - 1;
    while (last > 0 && g.game->AllEvents.At(last)->Side != Side::HomePlayer)
        --last;
    TGameEvent *event = g.game->EditEvent(g.game->AllEvents.At(last));
    const int kind = event->Kind;
    for (auto _ : state) {
        event->Kind = event->Kind == kind ? int(Kind::Steal) : kind;
        board.Invalidate();
        benchmark::DoNotOptimize(board.OpenCount(1) + board.OpenCount(2));
    }
    event->Kind = kind;
    state.counters["from_end"] = double(g.game->AllEvents.Count() - last);
    counters(state, *g.game, int(board.Flags().size()));
}

BENCHMARK(FlagRule_Open)->Unit(benchmark::kMillisecond);
BENCHMARK(FlagBoard_Invalidate)->Unit(benchmark::kNanosecond);
BENCHMARK(FlagBoard_InvalidateAndCount)->Unit(benchmark::kMillisecond);
BENCHMARK(FlagBoard_AfterAnInput)->Unit(benchmark::kMillisecond);

} // namespace
