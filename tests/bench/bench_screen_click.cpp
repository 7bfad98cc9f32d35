// From a release of the home pointer to the repainted court screen, on a game
// of 1,000, 3,000 and 10,000 events: the hot-region hit test, RecordEvent, the
// save after the event and one full paint of the screen at 1280 x 800. Prints
// the median and the 99th percentile of the single clicks, with the save
// (first argument 1) and without (0); the second argument is the game's size.
// "p99_cpu_ms" and "median_cpu_ms" count the thread's CPU time of each click
// instead, which other programs on a busy machine disturb far less than the
// wall time (a click that waits for a core shows in p99_ms alone).
// Then, apart, the flags worked out again, which the screen does after the
// repaint ("flags_after_median_ms", and its CPU time "flags_after_median_cpu_ms").
//
// The save is the real one: the game folder's seven files through the saved-game
// writer, with the dump files for scoreboard software switched on.
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TPictureLibrary.h"
#include "desktop/court/TScreenPainter.h"
#include "main/BenchGames.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "shell/store/TGameStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <vector>

namespace {

double cpuMillis()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

QString libraryFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Library/ENG");
}

void BM_HomeClickToRepaint(benchmark::State &state)
{
    TSettings settings;
    settings.SetValue(QStringLiteral("AUTO_SAVE"), QStringLiteral("NO"));
    TFixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30)));
    TGame game(TGameServices{.Settings = &settings, .Clock = &clock});
    TCourtScreen screen(game);
    game.SetScreen(&screen);
    TPictureLibrary library(libraryFolder());
    screen.SetZoneMask(TZoneMask(library.Picture(QStringLiteral("MASK_VERTICAL")),
                                 library.Picture(QStringLiteral("MASK_HORIZONTAL"))));
    TGameScript script(game, screen);
    script.Run(QStringLiteral("\ngame code=BENCH002\n") + BenchGames::SmallRoster());
    screen.Open();
    script.Run(QStringLiteral("tick"));

    auto click = [&screen](QPoint p) {
        screen.HomePointerReport(p, TCourtScreen::ReportLeft);
        screen.HomePointerReport(p, 0);
    };
    const QPoint row(60, 313);     // the first home row
    const QPoint rebound(34, 199); // the defensive rebound button
    const QPoint steal(72, 199);   // the steal button
    const QPoint shot(501, 355);   // a two-pointer in the home half
    click(row);
    int n = 0;
    while (game.AllEvents.Count() < state.range(1)) {
        click(n % 3 == 0 ? shot : n % 3 == 1 ? rebound : steal);
        ++n;
    }

    QTemporaryDir home;
    TGameStore store(home.path(), home.filePath(QStringLiteral("Temp")),
                     home.filePath(QStringLiteral("Save")));
    game.GameFolder = home.filePath(QStringLiteral("Save/bench"));
    // Argument 1: with the save and the dumps; 0: the screen and the model alone.
    if (state.range(0) == 1) {
        game.SetStore(&store);
        game.SaveGame(); // the first, whole save happens when the game is set up
    }
    TScreenPainter painter(library);
    QImage frame(1280, 800, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> samples;
    std::vector<double> recording;
    std::vector<double> cpu;
    std::vector<double> flags;
    std::vector<double> flagsCpu;
    QElapsedTimer timer;
    for (auto _ : state) {
        const double cpuStart = cpuMillis();
        timer.start();
        click(n % 3 == 0 ? shot : n % 3 == 1 ? rebound : steal);
        ++n;
        recording.push_back(timer.nsecsElapsed() / 1e6);
        QPainter p(&frame);
        painter.Paint(p, screen.Items(), QSizeF(frame.size()));
        p.end();
        samples.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMillis() - cpuStart);
        // The flags follow the repaint; measured on their own.
        timer.start();
        const double flagsCpuStart = cpuMillis();
        screen.Flags().Flush();
        flagsCpu.push_back(cpuMillis() - flagsCpuStart);
        flags.push_back(timer.nsecsElapsed() / 1e6);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    std::sort(samples.begin(), samples.end());
    if (!samples.empty()) {
        state.counters["median_ms"] = samples[samples.size() / 2];
        state.counters["p99_ms"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
        state.counters["record_save_median_ms"] = median(recording);
        std::sort(cpu.begin(), cpu.end());
        state.counters["median_cpu_ms"] = cpu[cpu.size() / 2];
        state.counters["p99_cpu_ms"] = cpu[std::min(cpu.size() - 1, cpu.size() * 99 / 100)];
        state.counters["flags_after_median_ms"] = median(flags);
        state.counters["flags_after_median_cpu_ms"] = median(flagsCpu);
        state.counters["events"] = game.AllEvents.Count();
    }
    game.SetStore(nullptr); // the store goes before the game
}
BENCHMARK(BM_HomeClickToRepaint)
    ->Args({1, 1000})
    ->Args({0, 1000})
    ->Args({1, 3000})
    ->Args({1, 10000})
    ->Iterations(400)
    ->Unit(benchmark::kMillisecond);

} // namespace
