#include "ShellFixture.h"

#include "savegame/TFileIo.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <cerrno>
#include <iostream>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// Fails chosen calls among the writes, truncations, flushes and renames: the
// calls through which a full or failing disk shows. A failing write first puts
// half of its first part on disk, as a write cut short by a full disk does.
class TFaultyIo : public TFileIo
{
public:
    int Calls = 0;        // counted calls so far
    int FailAt = 0;       // the first call that fails; 0: none
    bool Persist = false; // every later call fails too, until Heal()
    int Error = ENOSPC;
    int Failures = 0;

    void Heal()
    {
        FailAt = 0;
        Persist = false;
    }

    ssize_t WriteAt(int fd, const iovec *parts, int count, off_t offset) override
    {
        if (fails()) {
            if (count > 0 && parts[0].iov_len > 1 &&
                ::pwrite(fd, parts[0].iov_base, parts[0].iov_len / 2, offset) < 0)
                ADD_FAILURE() << "the torn write itself failed";
            errno = Error;
            return -1;
        }
        return TFileIo::WriteAt(fd, parts, count, offset);
    }
    int Truncate(int fd, off_t size) override { return fails() ? failed() : TFileIo::Truncate(fd, size); }
    // Flushes are counted and failed but not made: a test that kills no
    // machine needs none, and they would cost seconds.
    int Sync(int) override { return fails() ? failed() : 0; }
    void SyncFolder(const QByteArray &) override {}
    int Rename(const QByteArray &from, const QByteArray &to) override
    {
        return fails() ? failed() : TFileIo::Rename(from, to);
    }

private:
    bool fails()
    {
        ++Calls;
        if (FailAt == 0 || Calls < FailAt || (Calls > FailAt && !Persist))
            return false;
        ++Failures;
        return true;
    }
    int failed()
    {
        errno = Error;
        return -1;
    }
};

enum class TAfterFailure
{
    GoOn,         // the next save runs on a healthy disk
    FailAgain,    // the disk stays broken through the next save
    Kill,         // the program dies; a new store saves the next time
    KillFailAgain // both
};

class FaultInjectionTest : public ShellFixture
{
protected:
    static constexpr int Steps = 4;

    // Records step k of the game: the roster and a shot, a timeout and a
    // miss, a substitution (the team file changes), then a deleted event and
    // sent events (the files change in the middle and at the front).
    void play(TGame &g, int step)
    {
        static const char *const scripts[Steps] = {
            "tick\nselect home 4\nshot home made close 100 30",
            "timeout away\nselect away 5\nshot away missed three 20 200",
            "sub home 4 15\nselect home 15\nshot home made three 10 180\ntick", "shot away made close 90 40"};
        g.SetStore(nullptr);
        if (step == 0)
            run(g, roster());
        run(g, QString::fromLatin1(scripts[step]));
        if (step == 3) {
            g.RemoveEvent(g.AllEvents.At(4)->Id);
            g.OutgoingQueue.Acknowledge();
            g.OutgoingQueue.Acknowledge();
        }
    }

    void configure(bool sync, bool dumps)
    {
        const QString yes = dumps ? QStringLiteral("YES") : QStringLiteral("NO");
        settings.SetValue(QStringLiteral("DATA_DUMP"), yes);
        settings.SetValue(QStringLiteral("CREATE_TEMP_DATA_FILES"), yes);
        m_sync = sync;
        m_dumps = dumps;
    }

    // Each run has a home of its own, so that dumps left by one run do not
    // change the calls of the next.
    std::unique_ptr<TGameStore> newStore(TFileIo &io, const QString &runHome)
    {
        auto s = std::make_unique<TGameStore>(runHome, runHome + QStringLiteral("/Temp"),
                                              home.file(QStringLiteral("Save")));
        // The background flush is left out: its thread would make the order of
        // the calls vary from run to run (the power cut test covers it).
        s->SetDurability(m_sync ? TSaveDurability::EverySave : TSaveDurability::None);
        s->SetFileIo(io);
        return s;
    }

    // One save as the court screen makes it: dumps, then the game; each
    // failure is reported and recording goes on. True when both succeeded.
    bool save(TGameStore &s, TGame &g)
    {
        bool ok = true;
        if (m_dumps) {
            try {
                s.WriteDumps(g);
            } catch (const TFileError &) {
                ok = false;
            }
        }
        try {
            s.SaveGame(g);
        } catch (const TFileError &) {
            ok = false;
        }
        return ok;
    }

    // The state of the folder after each step, saved without faults.
    QList<QByteArray> referenceStates(int &calls)
    {
        TFaultyIo counting;
        auto s = newStore(counting, m_runs.filePath(QStringLiteral("reference-home")));
        auto g = newGame(m_runs.filePath(QStringLiteral("reference")), s.get());
        QList<QByteArray> states;
        for (int step = 0; step < Steps; ++step) {
            play(*g, step);
            EXPECT_TRUE(save(*s, *g));
            states.append(ShellFixture::stateOf(TGameFolder(g->GameFolder)));
        }
        calls = counting.Calls;
        return states;
    }

    // Plays the game with call n failing; after every save the folder must
    // load as the last completed save or a later one, and once the disk is
    // healthy again the next save must give the whole game.
    void runWithFault(const QList<QByteArray> &states, int n, TAfterFailure after, int &failed)
    {
        const QString dir = m_runs.filePath(QStringLiteral("fault%1").arg(n));
        TFaultyIo io;
        io.FailAt = n;
        io.Error = n % 2 ? EIO : ENOSPC;
        io.Persist = false;
        const bool again = after == TAfterFailure::FailAgain || after == TAfterFailure::KillFailAgain;
        const bool kill = after == TAfterFailure::Kill || after == TAfterFailure::KillFailAgain;
        const QString runHome = dir + QStringLiteral("-home");
        QDir(dir).removeRecursively();
        QDir(runHome).removeRecursively();
        auto s = newStore(io, runHome);
        auto g = newGame(dir, s.get());
        int completed = -1; // the last step whose save succeeded
        int healAfter = -1;
        for (int step = 0; step < Steps; ++step) {
            play(*g, step);
            const int failuresBefore = io.Failures;
            if (again && io.Failures == 0)
                io.Persist = true; // once the first call fails, the rest of this save and the next fail
            const bool ok = save(*s, *g);
            if (ok)
                completed = step;
            if (io.Failures > failuresBefore && healAfter < 0)
                healAfter = again ? step + 1 : step;
            if (step == healAfter)
                io.Heal();
            if (!check(dir, states, completed, step, ok, n))
                ++failed;
            if (!ok && kill)
                s = newStore(io, runHome);
        }
        io.Heal();
        s->SaveGame(*g);
        if (ShellFixture::stateOf(TGameFolder(dir)) != states.last()) {
            ++failed;
            ADD_FAILURE() << "fault at call " << n << ": the save after the disk recovered is not the game";
        }
        EXPECT_GT(io.Failures, 0) << "call " << n << " was never made";
    }

    bool check(const QString &dir, const QList<QByteArray> &states, int completed, int step, bool ok, int n)
    {
        const TGameFolder gameFolder(dir);
        const QByteArray state = ShellFixture::stateOf(gameFolder);
        const qsizetype at = states.indexOf(state);
        QString problem;
        if (state.isEmpty()) {
            if (completed >= 0)
                problem = QStringLiteral("nothing saved after a completed save");
        } else if (at < 0 || at > step) {
            problem = QStringLiteral("the folder holds no save of the game so far");
        } else if (at < completed || (ok && at != step)) {
            problem =
                QStringLiteral("the folder holds step %1 after step %2 was saved").arg(at).arg(completed);
        } else {
            TGameLoader loader;
            if (!loader.Read(gameFolder, QLatin1String(Code), &problem))
                problem = QStringLiteral("does not load: ") + problem;
        }
        if (problem.isEmpty())
            return true;
        ADD_FAILURE() << "fault at call " << n << ", step " << step << ": " << problem.toStdString();
        return false;
    }

    bool m_sync = false;
    bool m_dumps = false;
    // Over a thousand short games: in memory where the machine offers it.
    QTemporaryDir m_runs{QDir(QStringLiteral("/dev/shm")).exists()
                             ? QStringLiteral("/dev/shm/parquetix-faults-XXXXXX")
                             : QDir::tempPath() + QStringLiteral("/parquetix-faults-XXXXXX")};
};

TEST_F(FaultInjectionTest, NoFailedWriteSyncOrRenameCostsTheLastSave)
{
    int tried = 0;
    int scenarios = 0;
    int failed = 0;
    for (const bool sync : {false, true}) {
        for (const bool dumps : {false, true}) {
            configure(sync, dumps);
            int calls = 0;
            const QList<QByteArray> states = referenceStates(calls);
            ASSERT_EQ(states.size(), Steps);
            ASSERT_EQ(QSet<QByteArray>(states.cbegin(), states.cend()).size(), Steps)
                << "every step changes the game";
            for (const TAfterFailure after : {TAfterFailure::GoOn, TAfterFailure::FailAgain,
                                              TAfterFailure::Kill, TAfterFailure::KillFailAgain}) {
                for (int n = 1; n <= calls; ++n) {
                    runWithFault(states, n, after, failed);
                    ++scenarios;
                }
                tried += calls;
            }
            ASSERT_TRUE(m_runs.isValid());
        }
    }
    std::cout << "[ faults   ] " << tried
              << " fault points tried (every write, truncation, flush and rename of " << Steps
              << " saves, with and without dumps and flushing, the failure once or again on the next "
              << "save, with and without a kill after it): " << failed << " failures\n";
    EXPECT_EQ(failed, 0);
    EXPECT_GT(tried, 100);
}

} // namespace
