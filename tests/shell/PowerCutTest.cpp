#include "ShellFixture.h"

#include "savegame/TBackgroundSync.h"
#include "savegame/TFileIo.h"

#include <QHash>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <iostream>
#include <mutex>
#include <sys/uio.h>

namespace {

// The file calls of a store, made for real and kept in order, so that the
// folder can be rebuilt as a power cut after any of them would leave it: what
// a flush covered is there, of the rest every write may be lost or torn.
// Folder entries (new and removed files) count as on disk at once. Flushes
// are not made: the record says what they covered. Flushes run on the store's
// own thread, so every call is taken under a lock.
class TPowerCutIo : public TFileIo
{
public:
    enum class TKind
    {
        Write,
        Truncate,
        Flushed, // a flush finished: it covered the calls before Covers
        Created,
        Removed,
        Mark // a save returned (Step), or was known to be on disk (OnDisk)
    };
    struct TCall
    {
        TKind Kind;
        QString File;
        qint64 Offset = 0;
        QByteArray Bytes;
        qsizetype Covers = 0;
        int Step = -1;
        bool OnDisk = false;
    };

    explicit TPowerCutIo(const QString &folder) : m_folder(QDir(folder).absolutePath() + QLatin1Char('/')) {}

    int Open(const QByteArray &path, int flags, mode_t mode) override
    {
        std::lock_guard lock(m_mutex);
        const bool existed = QFileInfo::exists(QFile::decodeName(path));
        const int fd = TFileIo::Open(path, flags, mode);
        const QString file = inFolder(path);
        if (fd >= 0) {
            m_files.insert(fd, file);
            if (!file.isEmpty() && !existed)
                m_calls.append({TKind::Created, file});
            if (!file.isEmpty() && (flags & O_TRUNC))
                m_calls.append({TKind::Truncate, file, 0});
        }
        return fd;
    }
    ssize_t WriteAt(int fd, const iovec *parts, int count, off_t offset) override
    {
        std::lock_guard lock(m_mutex);
        const ssize_t n = TFileIo::WriteAt(fd, parts, count, offset);
        const QString file = m_files.value(fd);
        if (n > 0 && !file.isEmpty()) {
            QByteArray bytes;
            for (int i = 0; i < count && bytes.size() < n; ++i)
                bytes.append(static_cast<const char *>(parts[i].iov_base),
                             qsizetype(std::min<size_t>(parts[i].iov_len, size_t(n - bytes.size()))));
            m_calls.append({TKind::Write, file, qint64(offset), bytes});
        }
        return n;
    }
    int Truncate(int fd, off_t size) override
    {
        std::lock_guard lock(m_mutex);
        const int result = TFileIo::Truncate(fd, size);
        if (result == 0 && !m_files.value(fd).isEmpty())
            m_calls.append({TKind::Truncate, m_files.value(fd), qint64(size)});
        return result;
    }
    int Sync(int fd) override
    {
        std::lock_guard lock(m_mutex);
        if (!m_files.value(fd).isEmpty())
            m_calls.append({TKind::Flushed, m_files.value(fd), 0, {}, m_calls.size()});
        return 0;
    }
    void SyncFolder(const QByteArray &) override {}
    int Close(int fd) override
    {
        std::lock_guard lock(m_mutex);
        m_files.remove(fd);
        return TFileIo::Close(fd);
    }
    int Unlink(const QByteArray &path) override
    {
        std::lock_guard lock(m_mutex);
        const int result = TFileIo::Unlink(path);
        if (result == 0 && !inFolder(path).isEmpty())
            m_calls.append({TKind::Removed, inFolder(path)});
        return result;
    }
    int Rename(const QByteArray &from, const QByteArray &to) override
    {
        ADD_FAILURE() << "a rename inside the game folder is not modelled: " << from.constData() << " "
                      << to.constData();
        return TFileIo::Rename(from, to);
    }

    void Mark(int step, bool onDisk)
    {
        std::lock_guard lock(m_mutex);
        m_calls.append({TKind::Mark, {}, 0, {}, 0, step, onDisk});
    }
    QList<TCall> Calls()
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    QString inFolder(const QByteArray &path) const
    {
        const QString p = QFile::decodeName(path);
        return p.startsWith(m_folder) && !p.mid(m_folder.size()).contains(QLatin1Char('/'))
                   ? p.mid(m_folder.size())
                   : QString();
    }

    std::mutex m_mutex;
    QString m_folder;
    QHash<int, QString> m_files;
    QList<TCall> m_calls;
};

// What the writes not yet flushed leave behind when the power goes.
enum class TLoss
{
    All,         // none of them reached the disk
    None,        // all of them did (as after a crash of the program)
    TornLast,    // all but the last, of which the first half
    FirstHalf,   // the earlier half of them, in order
    AllButFirst, // the disk wrote them out of order and lost the first
    EveryOther   // every second one per file
};

// The folder as the first `cut` calls leave it after a power cut.
QHash<QString, QByteArray> folderAfterPowerCut(const QList<TPowerCutIo::TCall> &calls, qsizetype cut,
                                               TLoss loss)
{
    using TKind = TPowerCutIo::TKind;
    struct TFile
    {
        QByteArray Content;
        QList<qsizetype> Unflushed; // indexes of calls
    };
    auto apply = [&calls](QByteArray &content, qsizetype index, bool torn) {
        const TPowerCutIo::TCall &call = calls[index];
        if (call.Kind == TKind::Truncate) {
            content.resize(qsizetype(call.Offset), '\0');
            return;
        }
        const qsizetype bytes = torn ? call.Bytes.size() / 2 : call.Bytes.size();
        const qsizetype end = qsizetype(call.Offset) + bytes;
        if (content.size() < end)
            content.resize(end, '\0');
        std::copy(call.Bytes.cbegin(), call.Bytes.cbegin() + bytes, content.begin() + qsizetype(call.Offset));
    };
    QHash<QString, TFile> files;
    for (qsizetype i = 0; i < cut; ++i) {
        const TPowerCutIo::TCall &call = calls[i];
        switch (call.Kind) {
        case TKind::Created:
            files[call.File]; // an empty file, unless it is there already
            break;
        case TKind::Removed:
            files.remove(call.File);
            break;
        case TKind::Write:
        case TKind::Truncate:
            files[call.File].Unflushed.append(i);
            break;
        case TKind::Flushed: {
            TFile &file = files[call.File];
            while (!file.Unflushed.isEmpty() && file.Unflushed.first() < call.Covers)
                apply(file.Content, file.Unflushed.takeFirst(), false);
            break;
        }
        case TKind::Mark:
            break;
        }
    }
    QHash<QString, QByteArray> folder;
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QList<qsizetype> &unflushed = it->Unflushed;
        const qsizetype n = unflushed.size();
        for (qsizetype k = 0; k < n; ++k) {
            bool reached = false;
            bool torn = false;
            switch (loss) {
            case TLoss::All:
                break;
            case TLoss::None:
                reached = true;
                break;
            case TLoss::TornLast:
                reached = true;
                torn = k == n - 1;
                break;
            case TLoss::FirstHalf:
                reached = k < n / 2;
                break;
            case TLoss::AllButFirst:
                reached = k > 0;
                break;
            case TLoss::EveryOther:
                reached = k % 2 == 1;
                break;
            }
            if (reached)
                apply(it->Content, unflushed[k], torn);
        }
        folder.insert(it.key(), it->Content);
    }
    return folder;
}

class PowerCutTest : public ShellFixture
{
protected:
    static constexpr int Steps = 8;

    // Step k of the game: each changes other files, the last ones the front
    // and the middle of the events files.
    void play(TGame &g, int step)
    {
        static const char *const scripts[Steps] = {
            "tick\nselect home 4\nshot home made close 100 30",
            "timeout away\nselect away 5\nshot away missed three 20 200",
            "sub home 4 15\nselect home 15\nshot home made three 10 180",
            "tick\nshot away made close 90 40",
            "select home 15\nshot home missed close 100 40\ntick",
            "timeout home",
            "shot away made three 30 190\ntick",
            "select home 15\nshot home made close 95 35"};
        g.SetStore(nullptr);
        if (step == 0)
            run(g, roster());
        run(g, QString::fromLatin1(scripts[step]));
        if (step == 5) {
            g.RemoveEvent(g.AllEvents.At(4)->Id);
            g.OutgoingQueue.Acknowledge();
            g.OutgoingQueue.Acknowledge();
        }
    }

    // The folder's state after each step, saved by a store that flushes nothing.
    QList<QByteArray> referenceStates()
    {
        TGameStore s(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
        s.SetDurability(TSaveDurability::None);
        auto g = newGame(folder(QStringLiteral("reference")), &s);
        QList<QByteArray> states;
        for (int step = 0; step < Steps; ++step) {
            play(*g, step);
            s.SaveGame(*g);
            states.append(stateOf(TGameFolder(g->GameFolder)));
        }
        return states;
    }

    // Records the game with every file call kept; after each save, the store
    // is given the time an operator takes to the next event.
    QList<TPowerCutIo::TCall> record(const QString &name, TSaveDurability durability, qint64 redoLimit)
    {
        TPowerCutIo io(folder(name));
        {
            TGameStore s(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
            s.SetDurability(durability);
            s.SetFileIo(io);
            s.SetRedoLogLimit(redoLimit);
            auto g = newGame(folder(name), &s);
            for (int step = 0; step < Steps; ++step) {
                play(*g, step);
                s.SaveGame(*g);
                io.Mark(step, durability == TSaveDurability::EverySave);
                if (durability == TSaveDurability::Background) {
                    EXPECT_TRUE(s.WaitForDisk());
                    io.Mark(step, true);
                }
            }
            s.CloseGameFolder();
            io.Mark(Steps - 1, true);
        }
        return io.Calls();
    }

    // Cuts the power after every call with every kind of loss; returns the
    // number of cuts after which the folder holds less than the last save
    // known to be on disk, or no save of the game at all.
    int lostSaves(const QList<TPowerCutIo::TCall> &calls, const QList<QByteArray> &states, int &cuts)
    {
        int lost = 0;
        int onDisk = -1;   // the last step known to be on disk
        int returned = -1; // the last step whose save returned
        for (qsizetype cut = 0; cut <= calls.size(); ++cut) {
            if (cut > 0 && calls[cut - 1].Kind == TPowerCutIo::TKind::Mark) {
                returned = std::max(returned, calls[cut - 1].Step);
                if (calls[cut - 1].OnDisk)
                    onDisk = calls[cut - 1].Step;
            }
            for (const TLoss loss : {TLoss::All, TLoss::None, TLoss::TornLast, TLoss::FirstHalf,
                                     TLoss::AllButFirst, TLoss::EveryOther}) {
                // Before the first save reached the disk there is nothing to lose.
                if (onDisk < 0)
                    continue;
                ++cuts;
                const TGameFolder image(folderAfterPowerCut(calls, cut, loss));
                const QByteArray state = stateOf(image);
                const qsizetype at = states.indexOf(state);
                QString problem;
                if (state.isEmpty() || at < onDisk || at > returned + 1)
                    problem = QStringLiteral("holds step %1, the last on disk was %2").arg(at).arg(onDisk);
                else if (!state.isEmpty() && !TGameLoader().Read(image, QLatin1String(Code), &problem))
                    problem = QStringLiteral("does not load: ") + problem;
                if (!problem.isEmpty()) {
                    ++lost;
                    if (lost <= 3)
                        std::cout << "  cut after call " << cut << " of " << calls.size() << ", loss "
                                  << int(loss) << ": " << problem.toStdString() << "\n";
                }
            }
        }
        return lost;
    }
};

TEST_F(PowerCutTest, APowerCutAtAnyCallCostsNoSaveThatReachedTheDisk)
{
    const QList<QByteArray> states = referenceStates();
    ASSERT_EQ(QSet<QByteArray>(states.cbegin(), states.cend()).size(), Steps)
        << "every step changes the game";
    struct TCase
    {
        const char *Name;
        TSaveDurability Durability;
        qint64 RedoLimit; // 0: the store's own
    };
    const TCase cases[] = {{"background", TSaveDurability::Background, 0},
                           {"background-new-log-every-save", TSaveDurability::Background, 1},
                           {"background-new-log-now-and-then", TSaveDurability::Background, 30000},
                           {"every-save", TSaveDurability::EverySave, 0}};
    for (const TCase &c : cases) {
        const QList<TPowerCutIo::TCall> calls =
            record(QString::fromLatin1(c.Name), c.Durability, c.RedoLimit);
        if (c.RedoLimit > 0) {
            const auto begun =
                std::count_if(calls.cbegin(), calls.cend(), [](const TPowerCutIo::TCall &call) {
                    return call.Kind == TPowerCutIo::TKind::Truncate &&
                           call.File == QLatin1String(TSaveJournal::RedoFileNames[1]);
                });
            EXPECT_GT(begun, 0) << c.Name << ": the second redo log was never begun";
        }
        int cuts = 0;
        const int lost = lostSaves(calls, states, cuts);
        std::cout << "[ power    ] " << c.Name << ": " << cuts << " power cuts (after each of "
                  << calls.size() << " file calls of " << Steps
                  << " saves, six ways of losing unflushed writes): " << lost
                  << " lost a save that was on disk\n";
        EXPECT_EQ(lost, 0) << c.Name;
    }
}

// The simulation must see the loss it is there to catch: a store that
// flushes nothing loses saves to a power cut.
TEST_F(PowerCutTest, AStoreThatFlushesNothingLosesSaves)
{
    const QList<QByteArray> states = referenceStates();
    const QList<TPowerCutIo::TCall> calls = record(QStringLiteral("unflushed"), TSaveDurability::None, 0);
    QList<TPowerCutIo::TCall> claimed;
    // Claim each save on disk once it returned, as the store did before it flushed in the background.
    for (TPowerCutIo::TCall call : calls) {
        if (call.Kind == TPowerCutIo::TKind::Mark)
            call.OnDisk = true;
        claimed.append(call);
    }
    int cuts = 0;
    EXPECT_GT(lostSaves(claimed, states, cuts), 0);
}

// Flushes that wait until the test lets them finish, and may fail.
class TGatedSyncIo : public TFileIo
{
public:
    int Sync(int) override
    {
        std::unique_lock lock(m_mutex);
        ++m_started;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
        ++m_made;
        if (m_fail) {
            errno = EIO;
            return -1;
        }
        return 0;
    }
    void WaitStarted(int n)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_started >= n; });
    }
    void Release(bool fail)
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_fail = fail;
        m_changed.notify_all();
    }
    int Made()
    {
        std::lock_guard lock(m_mutex);
        return m_made;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_started = 0;
    int m_made = 0;
    bool m_open = false;
    bool m_fail = false;
};

TEST(BackgroundSync, FlushesAskedForWhileOneRunsAreMadeAsOne)
{
    TGatedSyncIo io;
    TBackgroundSync sync;
    sync.Request(io, 7);
    io.WaitStarted(1);
    for (int i = 0; i < 5; ++i)
        sync.Request(io, 7);
    io.Release(false);
    EXPECT_EQ(sync.Wait(), 0);
    EXPECT_EQ(io.Made(), 2) << "the one running, then one for the five asked for meanwhile";
}

TEST(BackgroundSync, AFailedFlushIsReportedOnce)
{
    TGatedSyncIo io;
    TBackgroundSync sync;
    io.Release(true);
    sync.Request(io, 7);
    EXPECT_EQ(sync.Wait(), EIO);
    EXPECT_EQ(sync.Wait(), 0) << "reported already";
    EXPECT_EQ(sync.TakeError(), 0);
}

// A disk whose next flush fails.
class TFailingFlushIo : public TFileIo
{
public:
    std::atomic<bool> FailNext = false;
    int Sync(int) override
    {
        if (FailNext.exchange(false)) {
            errno = EIO;
            return -1;
        }
        return 0;
    }
};

TEST_F(PowerCutTest, AFlushThatFailedInTheBackgroundFailsTheNextSaveAndTheOneAfterWritesAll)
{
    // The fixture's store closes its folder through this disk after the test
    // body has returned.
    static TFailingFlushIo io;
    store.SetFileIo(io);
    run(roster() + QStringLiteral("tick\nselect home 4"));
    // The earlier saves' flushes are done, so only the next one meets the failing disk.
    ASSERT_TRUE(store.WaitForDisk());
    io.FailNext = true;
    run(QStringLiteral("shot home made close 100 30"));
    EXPECT_FALSE(store.WaitForDisk());
    game->SetStore(nullptr);
    run(QStringLiteral("shot home missed close 100 30"));
    try {
        store.SaveGame(*game);
        ADD_FAILURE() << "the failed flush was not reported";
    } catch (const TFileError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("flush"))) << e.Message().toStdString();
    }
    store.SaveGame(*game);
    ASSERT_TRUE(store.WaitForDisk());
    // The folder holds the whole game, as a store writing it anew gives it.
    TGameStore fresh(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
    game->GameFolder = folder(QStringLiteral("fresh"));
    fresh.SaveGame(*game);
    EXPECT_EQ(stateOf(TGameFolder(folder())), stateOf(TGameFolder(folder(QStringLiteral("fresh")))));
    EXPECT_EQ(gameFiles(folder()), gameFiles(folder(QStringLiteral("fresh"))));
}

} // namespace
