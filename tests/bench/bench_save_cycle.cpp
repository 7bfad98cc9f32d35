// One full record cycle (RecordEvent, its dumps and SaveGame) in games of 100,
// 1,000, 3,000 and 10,000 events, the bytes it hands to the file system and
// the bytes its files must hold, and the time a plain buffered write of as
// many bytes into one new file takes on the same disk in the same run; then
// the load of a saved 3,000- and 10,000-event folder, in this process and in a
// fresh one, beside reading and checksumming the folder's files.
//
//   build/bin/bench_save_cycle [--benchmark_filter=...]
//
// After every cycle the plain writes of that cycle's bytes are timed, so both
// see the same load of the machine. "ratio" is the cycle's wall time over the
// plain write of the bytes it handed to the file system, "ratio_cpu" the same
// in CPU time of the thread (user and system), which a busy machine disturbs
// far less. "held" counts every dump file whole (a dump rewrites only what
// changed): "ratio_held" and "ratio_held_cpu" compare the cycle with a plain
// write of what its files must hold; "ratio_held_median" compares the median
// cycle with the median plain write, which a disk that stalls now and then
// moves far less than the sums. "save_us" and "dumps_us" split the
// cycle's wall time. BM_SaveCycle flushes nothing;
// BM_SaveCycleDurable is the programs' default, the redo log flushed on a
// thread of its own, given an operator's pause after each cycle (outside the
// timing) for the flush; BM_SaveCycleSync flushes every save to disk;
// BM_RewriteCycle writes all seven files anew through a temporary file and a
// rename, for comparison.
//
// BM_LoadFreshProcess starts this program again for each load, as the
// desktop program opens one game: "load_ms" is the load inside that process
// (median of the runs), "read_ms" reading and checksumming the same files in
// another fresh process, "ratio" the one over the other.
#include "main/BenchChild.h"
#include "main/BenchGames.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "savegame/TAtomicFile.h"
#include "savegame/TGameFolder.h"
#include "savegame/TGeneralRecord.h"
#include "savegame/TSaveManifest.h"
#include "shell/store/TGameLoader.h"
#include "shell/store/TGameStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

double cpuMicros()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

// Wall and CPU time of a stretch of code, added up, and the wall time of each.
struct TStopwatch
{
    double Wall = 0;
    double Cpu = 0;
    std::vector<double> Each;
    template <typename F> void time(F &&f)
    {
        const auto wall = Clock::now();
        const double cpu = cpuMicros();
        f();
        Cpu += cpuMicros() - cpu;
        const double took = micros(Clock::now() - wall);
        Wall += took;
        Each.push_back(took);
    }
    // The middle of the times: a disk that stalls now and then moves sums, not this.
    double Median() const
    {
        std::vector<double> v = Each;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    }
};

// Times the saves and the dumps of the store it passes the calls to.
class TTimedStore : public IGameStore
{
public:
    explicit TTimedStore(IGameStore &inner) : m_inner(inner) {}
    void SaveGame(TGame &game) override
    {
        Save.time([&] { m_inner.SaveGame(game); });
    }
    void WriteDumps(TGame &game) override
    {
        Dumps.time([&] { m_inner.WriteDumps(game); });
    }
    void WritePeriodDump(TGame &game, int period) override
    {
        Dumps.time([&] { m_inner.WritePeriodDump(game, period); });
    }
    void DeleteEarlierDumps(TGame &game) override { m_inner.DeleteEarlierDumps(game); }
    void DeleteDumps(TGame &game) override { m_inner.DeleteDumps(game); }
    TStopwatch Save;
    TStopwatch Dumps;

private:
    IGameStore &m_inner;
};

// Saves every file anew through a temporary file and a rename; dumps as the store does.
class TRewriteStore : public IGameStore
{
public:
    explicit TRewriteStore(TGameStore &dumps) : m_dumps(dumps) {}
    void SaveGame(TGame &game) override
    {
        const QDir dir(game.GameFolder);
        const QString &code = game.GameCode;
        auto team = [](const TTeam &t) {
            QByteArray out = t.TeamLine.ToRecord();
            for (const TPlayerList *list : {&t.OnCourt, &t.Bench})
                for (int i = 0; i < list->Count(); ++i) {
                    QByteArray r = list->At(i)->ToRecord();
                    r[TPlayer::OnBenchOffset] = list == &t.Bench ? 1 : 0;
                    out += r;
                }
            return out;
        };
        auto timeouts = [](const TTeam &t) {
            QByteArray out;
            for (const auto &to : t.Timeouts)
                out += to.second.ToRecord();
            return out;
        };
        auto events = [](const TEventList &list) {
            QByteArray out;
            for (int i = 0; i < list.Count(); ++i)
                out += list.At(i)->ToRecord();
            return out;
        };
        const QByteArray files[] = {TGeneralRecord::FromGame(game).ToRecord(),
                                    team(game.HomeTeam()),
                                    timeouts(game.HomeTeam()),
                                    team(game.AwayTeam()),
                                    timeouts(game.AwayTeam()),
                                    events(game.AllEvents),
                                    events(game.OutgoingQueue.Snapshot())};
        const QStringList names = TGameFolder::GameFiles(code);
        QDir().mkpath(game.GameFolder);
        for (int i = 0; i < 7; ++i) {
            TAtomicFile::Write(dir.filePath(names[i]), files[i]);
            Bytes += files[i].size();
        }
    }
    void WriteDumps(TGame &game) override { m_dumps.WriteDumps(game); }
    void WritePeriodDump(TGame &game, int period) override { m_dumps.WritePeriodDump(game, period); }
    void DeleteEarlierDumps(TGame &game) override { m_dumps.DeleteEarlierDumps(game); }
    void DeleteDumps(TGame &game) override { m_dumps.DeleteDumps(game); }
    qint64 Bytes = 0;

private:
    TGameStore &m_dumps;
};

struct BenchGame
{
    QTemporaryDir home;
    TSettings settings;
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    THeadlessScreen screen;
    TGameStore store{home.path(), home.filePath(QStringLiteral("Temp")),
                     home.filePath(QStringLiteral("Save"))};
    std::unique_ptr<TGame> game;
    int count = 0;

    explicit BenchGame(int events)
    {
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
        game = std::make_unique<TGame>(TGameServices{.Settings = &settings, .Clock = &clock});
        game->SetScreen(&screen);
        game->GameFolder = home.filePath(QStringLiteral("Save/game"));
        TGameScript script(*game, screen);
        script.Run(QStringLiteral("\ngame code=BENCH001\n") + BenchGames::SmallRoster() +
                   QStringLiteral("tick\nselect home 4\nselect away 5\n"));
        while (game->AllEvents.Count() < events)
            recordOne();
    }

    void attach(IGameStore *s)
    {
        game->SetStore(s);
        game->SaveGame(); // the first save of a session writes the whole folder
        game->WriteDumps();
    }

    void recordOne() { BenchGames::RecordMixed(*game, count++); }
};

// A plain buffered write of that many bytes into a new file.
void plainWrite(qint64 bytes, const QByteArray &path)
{
    static QByteArray data;
    if (data.size() < bytes)
        data = QByteArray(bytes, 'x');
    ::unlink(path.constData());
    FILE *f = std::fopen(path.constData(), "wb");
    std::fwrite(data.constData(), 1, size_t(bytes), f);
    std::fclose(f);
}

// The measured part of a cycle, apart so that a profiler can count it alone
// (valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*recordCycle*').
[[gnu::noinline]] void recordCycle(BenchGame &g)
{
    g.recordOne();
}

enum class TMode
{
    Journal,
    Durable,
    Sync,
    Rewrite
};

void cycle(benchmark::State &state, TMode mode)
{
    const int size = int(state.range(0));
    const int iterations = int(state.max_iterations);
    // Centred on the size: the game grows by one event or a few per cycle.
    BenchGame g(size - iterations / 2);
    TRewriteStore rewrite(g.store);
    g.store.SetDurability(mode == TMode::Sync      ? TSaveDurability::EverySave
                          : mode == TMode::Durable ? TSaveDurability::Background
                                                   : TSaveDurability::None);
    TTimedStore timed(mode == TMode::Rewrite ? static_cast<IGameStore &>(rewrite) : g.store);
    g.attach(&timed);
    timed.Save = {};
    timed.Dumps = {};
    const QByteArray plainPath = QFile::encodeName(QDir(g.home.path()).filePath(QStringLiteral("plain.dat")));
    TStopwatch cycleTime;
    TStopwatch plainTime;
    TStopwatch plainHeldTime;
    qint64 bytes = 0;
    qint64 held = 0;
    for (auto _ : state) {
        const qint64 before = g.store.BytesWritten() + rewrite.Bytes;
        const qint64 heldBefore = g.store.BytesHeld() + rewrite.Bytes;
        cycleTime.time([&] { recordCycle(g); });
        const qint64 written = g.store.BytesWritten() + rewrite.Bytes - before;
        const qint64 mustHold = g.store.BytesHeld() + rewrite.Bytes - heldBefore;
        bytes += written;
        held += mustHold;
        state.PauseTiming();
        plainTime.time([&] { plainWrite(written, plainPath); });
        plainHeldTime.time([&] { plainWrite(mustHold, plainPath); });
        if (mode == TMode::Durable)
            g.store.WaitForDisk();
        state.ResumeTiming();
    }
    const double n = iterations;
    state.counters["events"] = double(g.game->AllEvents.Count());
    state.counters["bytes_per_cycle"] = double(bytes) / n;
    state.counters["held_bytes_per_cycle"] = double(held) / n;
    state.counters["plain_held_us"] = plainHeldTime.Wall / n;
    state.counters["ratio_held"] = cycleTime.Wall / plainHeldTime.Wall;
    state.counters["ratio_held_cpu"] = cycleTime.Cpu / plainHeldTime.Cpu;
    state.counters["ratio_held_median"] = cycleTime.Median() / plainHeldTime.Median();
    state.counters["cycle_median_us"] = cycleTime.Median();
    state.counters["plain_held_median_us"] = plainHeldTime.Median();
    state.counters["cycle_us"] = cycleTime.Wall / n;
    state.counters["cycle_cpu_us"] = cycleTime.Cpu / n;
    state.counters["save_us"] = timed.Save.Wall / n;
    state.counters["dumps_us"] = timed.Dumps.Wall / n;
    state.counters["plain_us"] = plainTime.Wall / n;
    state.counters["plain_cpu_us"] = plainTime.Cpu / n;
    state.counters["ratio"] = cycleTime.Wall / plainTime.Wall;
    state.counters["ratio_cpu"] = cycleTime.Cpu / plainTime.Cpu;
}

void BM_SaveCycle(benchmark::State &state)
{
    cycle(state, TMode::Journal);
}
void BM_SaveCycleDurable(benchmark::State &state)
{
    cycle(state, TMode::Durable);
}
void BM_SaveCycleSync(benchmark::State &state)
{
    cycle(state, TMode::Sync);
}
void BM_RewriteCycle(benchmark::State &state)
{
    cycle(state, TMode::Rewrite);
}

BENCHMARK(BM_SaveCycle)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveCycleDurable)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveCycleSync)->Arg(100)->Arg(3000)->Iterations(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RewriteCycle)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Iterations(60)
    ->Unit(benchmark::kMicrosecond);

// The load wizard's steps on a saved folder, as the program takes them.
bool loadGame(const QString &folder, TSettings &settings, TFixedClock &clock, QString *error, int *events)
{
    TGameLoader loader;
    const TGameFolder gameFolder(folder);
    if (!loader.Read(gameFolder, QStringLiteral("BENCH001"), error))
        return false;
    THeadlessScreen screen;
    TGame loaded(TGameServices{.Settings = &settings, .Clock = &clock});
    loaded.SetScreen(&screen);
    loader.ApplyGameData(loaded);
    loader.ApplyRosters(loaded);
    loader.ApplyEvents(loaded, TLoadOptions{.Online = true}, error);
    loader.ApplyScreenState(loaded);
    *events = loaded.AllEvents.Count();
    return true;
}

void BM_Load(benchmark::State &state)
{
    BenchGame g(int(state.range(0)));
    g.attach(&g.store);
    // A folder as recording leaves it: its journal holds the last event's save,
    // not the whole folder of the session's first save.
    for (int i = 0; i < 3; ++i)
        g.recordOne();
    const QString folder = g.game->GameFolder;
    for (auto _ : state) {
        QString error;
        int events = 0;
        if (!loadGame(folder, g.settings, g.clock, &error, &events)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(events);
    }
    state.counters["events"] = double(g.game->AllEvents.Count());
}
BENCHMARK(BM_Load)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Prints the wall and CPU milliseconds of f, as a child reports them.
template <typename F> int reportTimes(F &&f)
{
    TStopwatch t;
    bool ok = true;
    t.time([&] { ok = f(); });
    if (!ok)
        return 1;
    std::printf("%.3f %.3f\n", t.Wall / 1000, t.Cpu / 1000);
    return 0;
}

// Child: the load of the folder given, in a process that has done nothing else.
int loadChild(const QStringList &args)
{
    TSettings settings;
    settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    return reportTimes([&] {
        QString error;
        int events = 0;
        if (!loadGame(args.value(0), settings, clock, &error, &events)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return false;
        }
        return events > 0;
    });
}

// Child: every file of the folder read and checksummed, the floor of a load.
int readChild(const QStringList &args)
{
    return reportTimes([&] {
        const QDir dir(args.value(0));
        std::vector<char> buffer;
        quint32 crc = 0;
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
            const int fd = ::open(QFile::encodeName(dir.filePath(name)).constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                return false;
            const off_t size = ::lseek(fd, 0, SEEK_END);
            buffer.resize(size_t(size));
            const bool read = size == 0 || ::pread(fd, buffer.data(), size_t(size), 0) == ssize_t(size);
            ::close(fd);
            if (!read)
                return false;
            crc ^= TSaveManifest::Crc(QByteArrayView(buffer.data(), qsizetype(buffer.size())));
        }
        benchmark::DoNotOptimize(crc);
        return true;
    });
}

const BenchChild::TRegister loadChildEntry("load", loadChild);
const BenchChild::TRegister readChildEntry("read", readChild);

void BM_LoadFreshProcess(benchmark::State &state)
{
    BenchGame g(int(state.range(0)));
    g.attach(&g.store);
    // A folder as recording leaves it: its journal holds the last event's save,
    // not the whole folder of the session's first save.
    for (int i = 0; i < 3; ++i)
        g.recordOne();
    const QString folder = g.game->GameFolder;
    std::vector<double> load, loadCpu, read, readCpu;
    for (auto _ : state) {
        for (const char *name : {"load", "read"}) {
            const QByteArray out = BenchChild::Start(QString::fromLatin1(name), {folder});
            const QList<QByteArray> figures = out.trimmed().split(' ');
            if (figures.size() != 2) {
                state.SkipWithError("the child process failed");
                return;
            }
            (*name == 'l' ? load : read).push_back(figures[0].toDouble());
            (*name == 'l' ? loadCpu : readCpu).push_back(figures[1].toDouble());
        }
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    state.counters["events"] = double(g.game->AllEvents.Count());
    state.counters["load_ms"] = median(load);
    state.counters["load_cpu_ms"] = median(loadCpu);
    state.counters["read_ms"] = median(read);
    state.counters["read_cpu_ms"] = median(readCpu);
    state.counters["ratio"] = median(load) / median(read);
    state.counters["ratio_cpu"] = median(loadCpu) / median(readCpu);
    state.counters["load_us_per_event"] = median(load) * 1000 / double(g.game->AllEvents.Count());
}
BENCHMARK(BM_LoadFreshProcess)->Arg(3000)->Arg(10000)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
