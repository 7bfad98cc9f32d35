#include "ShellFixture.h"

#include "savegame/TFileIo.h"
#include "shell/dumps/TDumpText.h"
#include "support/Golden.h"

#include <cerrno>
#include <functional>
#include <sys/uio.h>

namespace {

QString zeros(int n)
{
    return QStringLiteral("0|").repeated(n);
}

class DumpTest : public ShellFixture
{
protected:
    QString dumps() const { return home.file(QStringLiteral("Dumps")); }
    QString temp() const { return home.file(QStringLiteral("Temp")); }
    // The files other programs see; the hidden spare of a series is left out.
    QStringList files(const QString &dir, const QString &pattern) const
    {
        return QDir(dir).entryList({pattern}, QDir::Files, QDir::Name);
    }
    static QString text(const QString &path) { return QString::fromLatin1(read(path)); }
};

TEST_F(DumpTest, TheLiveBoxScoreAfterTheFirstShot)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made mid 88 120"));
    ASSERT_EQ(files(dumps(), QStringLiteral("Dump_Data_*")),
              (QStringList{"Dump_Data_000010.dat", "Dump_Data_000011.dat"}));
    EXPECT_TRUE(MatchesGolden(QStringLiteral("shell/golden/live-dump-after-first-shot.dat"),
                              read(QDir(dumps()).filePath(QStringLiteral("Dump_Data_000011.dat")))));
}

// Scoreboards split lines at CR LF and fields at "|": a name holds neither.
TEST_F(DumpTest, NamesWithTheFieldMarkOrLineBreaksKeepTheLiveBoxScoreItsFields)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made mid 88 120"));
    auto fieldsByLine = [&] {
        QList<qsizetype> counts;
        for (const QByteArray &line : TDumpText::LiveBoxScore(*game).split('\n'))
            counts << line.count('|');
        return counts;
    };
    const QList<qsizetype> plain = fieldsByLine();
    for (const char *name : {"Kiss|Bela", "Kiss\r\nBela", "a|b\r"}) {
        SCOPED_TRACE(name);
        game->HomeTeam().OnCourt.At(0)->JatekosNev = QString::fromLatin1(name);
        game->AwayTeam().Data.EgyesuletNev = QString::fromLatin1(name);
        EXPECT_EQ(fieldsByLine(), plain);
    }
}

TEST_F(DumpTest, AfterEventFortyOnlyTheTwoNewestLiveFilesRemain)
{
    run(roster() + QStringLiteral("tick\nselect home 4"));
    for (int i = 0; i < 30; ++i)
        run(QStringLiteral("shot home made close 100 30"));
    ASSERT_EQ(game->EventCounter, 40);
    EXPECT_EQ(files(dumps(), QStringLiteral("*")),
              (QStringList{"Dump_Data_000039.dat", "Dump_Data_000040.dat"}));
    EXPECT_EQ(files(temp(), QStringLiteral("*")),
              (QStringList{"Game_Data_000038.dat", "Game_Data_000039.dat"}));
}

TEST_F(DumpTest, EventCopiesHoldEveryMessageWithoutTheServerPart)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made mid 88 120"));
    // An event without a message (a refused clock step's) has no line.
    game->EditEvent(game->AllEvents.At(10))->SetMessage(QString());
    run(QStringLiteral("event home 1001"));
    ASSERT_EQ(game->AllEvents.Count(), 12);
    QString expected;
    for (int i = 0; i < 12; ++i)
        if (!game->AllEvents.At(i)->Message.isEmpty())
            expected += game->AllEvents.At(i)->Message.mid(20) + QStringLiteral("&subevent=0\r\n");
    EXPECT_EQ(expected.count(QStringLiteral("\r\n")), 11);
    EXPECT_EQ(text(QDir(temp()).filePath(QStringLiteral("Game_Data_000011.dat"))), expected);
    EXPECT_TRUE(
        expected.startsWith(QStringLiteral("kod=0001&szkod=ABC1DEF2&time=20261209183005&h=Home_Team")));
}

// A deleted event leaves no event copy behind that still holds it.
TEST_F(DumpTest, NoEventCopyHoldsADeletedEvent)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made mid 88 120\nshot home made close 5 5\n"
                                  "deletelast home"));
    const QString deleted = QStringLiteral("&id=12&");
    ASSERT_EQ(game->AllEvents.IndexOf(12), -1);
    const QStringList copies = files(temp(), QStringLiteral("Game_Data_*"));
    ASSERT_FALSE(copies.isEmpty());
    for (const QString &name : copies)
        EXPECT_FALSE(text(QDir(temp()).filePath(name)).contains(deleted)) << name.toStdString();
}

TEST_F(DumpTest, TheGameDataFile)
{
    run(roster() +
        QStringLiteral("game coach1=Kiss coach2=Toth referee1=R1 referee2=R2 date=2026-12-09 time=18:30 "
                       "stadium=Arena attendance=850 income=120000"));
    game->AwayTeam().Data.EgyesuletNev = QString(65, QLatin1Char('x'));
    store.WriteGameDataDump(*game);
    EXPECT_TRUE(MatchesGolden(QStringLiteral("shell/golden/game-data-dump.dat"),
                              read(QDir(dumps()).filePath(QStringLiteral("GameDumpData.dat")))));
}

TEST_F(DumpTest, ThePeriodFileCountsThatPeriodOnly)
{
    run(roster());
    for (int i = 0; i < 20; ++i)
        run(QStringLiteral("tick"));
    run(QStringLiteral("select home 4\nshot home made mid 88 120\nsub home 7 15"));
    for (int i = 0; i < 20; ++i)
        run(QStringLiteral("tick"));
    run(QStringLiteral("teammode away\nevent away 1001\nperiodend"));
    // The forty steps of period 1 count in it, the first included: jersey 7
    // was on court for the 20 before the substitution at clock 20 and jersey
    // 15 for the 20 after.
    EXPECT_TRUE(MatchesGolden(QStringLiteral("shell/golden/period-dump-q1.dat"),
                              read(QDir(dumps()).filePath(QStringLiteral("Dump_Data_Q1.dat")))));
    EXPECT_TRUE(prompter.Messages.isEmpty()) << "every event could be counted";
}

TEST_F(DumpTest, TheItalianEditionAddsThePlusMinus)
{
    settings.SetValue(QStringLiteral("VERSION"), TSettings::EditionId(TEdition::Italian));
    run(roster() + QStringLiteral("tick"));
    PlayerStats::AddPlusMinus(*game->HomeTeam().OnCourt.At(0), 3);
    store.WriteDumps(*game);
    const QStringList lines =
        text(QDir(dumps()).filePath(QStringLiteral("Dump_Data_000010.dat"))).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[2], QStringLiteral("0|H11|4|KOVACS Janos|1|00:15|") + zeros(17) + QStringLiteral("3|"));
    EXPECT_EQ(lines[1], QStringLiteral("0|T1|0|HOMETEAM|0|0|") + zeros(17) + QStringLiteral("0|0|"))
        << "team lines have no plus-minus";
}

TEST_F(DumpTest, SwitchedOffDumpsWriteNothing)
{
    settings.SetValue(QStringLiteral("DATA_DUMP"), QStringLiteral("NO"));
    settings.SetValue(QStringLiteral("CREATE_TEMP_DATA_FILES"), QStringLiteral("NO"));
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made mid 88 120\nperiodend"));
    store.WriteGameDataDump(*game);
    EXPECT_FALSE(QDir(dumps()).exists());
    EXPECT_TRUE(files(temp(), QStringLiteral("*")).isEmpty());
    EXPECT_EQ(gameFiles(folder()).size(), 7) << "the game itself is saved";
}

TEST_F(DumpTest, TheDumpFolderNeverFallsToTheRootOfTheDisk)
{
    EXPECT_EQ(store.DumpFolder(settings), home.file(QStringLiteral("Dumps")));
    settings.SetValue(QStringLiteral("DATA_DUMP_DIRECTORY"), QStringLiteral("   "));
    EXPECT_EQ(store.DumpFolder(settings), home.file(QStringLiteral("Dumps")));
    settings.SetValue(QStringLiteral("DATA_DUMP_DIRECTORY"), QStringLiteral("scoreboard\\live"));
    EXPECT_EQ(store.DumpFolder(settings), home.file(QStringLiteral("scoreboard/live")));
    settings.SetValue(QStringLiteral("DATA_DUMP_DIRECTORY"), home.file(QStringLiteral("elsewhere/")));
    EXPECT_EQ(store.DumpFolder(settings), home.file(QStringLiteral("elsewhere")));
    run(roster() + QStringLiteral("tick"));
    EXPECT_EQ(files(home.file(QStringLiteral("elsewhere")), QStringLiteral("*")),
              (QStringList{"Dump_Data_000009.dat", "Dump_Data_000010.dat"}));
}

TEST_F(DumpTest, DeletingDumpsTakesOnlyTheDumpFiles)
{
    run(roster() + QStringLiteral("tick\nperiodend"));
    store.WriteGameDataDump(*game);
    write(QDir(dumps()).filePath(QStringLiteral("scoreboard.cfg")), "keep");
    write(QDir(temp()).filePath(QStringLiteral("Game_Subdata_Data_000001.dat")), "old");
    write(QDir(temp()).filePath(QStringLiteral("other.txt")), "keep");
    // The minutes reports skip identifier 13, so live file 14 deleted 11 and 12
    // and stands alone beside the period file.
    ASSERT_EQ(files(dumps(), QStringLiteral("*")), (QStringList{"Dump_Data_000014.dat", "Dump_Data_Q1.dat",
                                                                "GameDumpData.dat", "scoreboard.cfg"}));

    store.DeleteEarlierDumps(*game);
    EXPECT_EQ(files(dumps(), QStringLiteral("*")), (QStringList{"GameDumpData.dat", "scoreboard.cfg"}));
    EXPECT_EQ(files(temp(), QStringLiteral("*")), QStringList{"other.txt"});

    run(QStringLiteral("tick"));
    store.DeleteDumps(*game);
    EXPECT_EQ(QDir(dumps()).entryList(QDir::Files | QDir::Hidden), QStringList{"scoreboard.cfg"});
    EXPECT_EQ(QDir(temp()).entryList(QDir::Files | QDir::Hidden), QStringList{"other.txt"});
}

TEST_F(DumpTest, AnEndingGameDeletesItsDumpsOnlyWhenSetTo)
{
    run(roster() + QStringLiteral("tick"));
    settings.SetValue(QStringLiteral("DELETE_DATA_DUMP"), QStringLiteral("NO"));
    game.reset();
    EXPECT_EQ(files(dumps(), QStringLiteral("*")).size(), 2);
    settings.SetValue(QStringLiteral("DELETE_DATA_DUMP"), QStringLiteral("YES"));
    game = newGame(folder());
    game.reset();
    EXPECT_TRUE(files(dumps(), QStringLiteral("*")).isEmpty());
    EXPECT_TRUE(files(temp(), QStringLiteral("*")).isEmpty());
}

TEST_F(DumpTest, AnUnwritableDumpIsRaisedAfterTheGameIsSaved)
{
    run(roster() + QStringLiteral("tick\nselect home 4"));
    // The dump folder is a file: no dump can be written.
    write(home.file(QStringLiteral("blocked")), "x");
    settings.SetValue(QStringLiteral("DATA_DUMP_DIRECTORY"), home.file(QStringLiteral("blocked")));
    EXPECT_THROW(run(QStringLiteral("shot home made close 100 30")), TFileError);
    ASSERT_EQ(game->AllEvents.Count(), 11);
    EXPECT_EQ(file(QStringLiteral("events_")).size(), 11 * 604) << "the shot is saved all the same";
}

// Fails the next write when armed, after putting half of it on disk.
class TFailNextWrite : public TFileIo
{
public:
    bool Armed = false;
    ssize_t WriteAt(int fd, const iovec *parts, int count, off_t offset) override
    {
        if (!Armed)
            return TFileIo::WriteAt(fd, parts, count, offset);
        Armed = false;
        if (count > 0 && parts[0].iov_len > 1)
            TFileIo::WriteAt(fd, parts, 1, offset);
        errno = ENOSPC;
        return -1;
    }
};

// The copies are rewritten only from their first changed byte: whatever the
// operator does, the newest files must read as if written whole.
TEST_F(DumpTest, EveryDumpReadsAsWrittenWholeAfterRecordsChangesAndDeletions)
{
    TFailNextWrite io;
    store.SetFileIo(io);
    run(roster() + QStringLiteral("tick\nselect home 4"));
    // A file outside the series, scribbled on by a scoreboard program: its
    // size is what shows.
    auto scribbleOnOldest = [this] {
        const QStringList copies = files(temp(), QStringLiteral("Game_Data_*"));
        QFile f(QDir(temp()).filePath(copies.first()));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("scribbled\r\n");
    };
    const struct
    {
        const char *Name;
        std::function<void()> Step;
    } steps[] = {
        {"a shot", [&] { run(QStringLiteral("shot home made mid 88 120")); }},
        {"a foul", [&] { run(QStringLiteral("event home 1008")); }},
        {"a clock step", [&] { run(QStringLiteral("tick")); }},
        {"an event changed in the middle", [&] { run(QStringLiteral("change home 2 kind=1001")); }},
        {"an event deleted in the middle", [&] { run(QStringLiteral("delete home 3")); }},
        {"the last event deleted", [&] { run(QStringLiteral("shot home made close 5 5\ndeletelast home")); }},
        {"an early message emptied",
         [&] {
             game->EditEvent(game->AllEvents.At(2))->SetMessage(QString());
             run(QStringLiteral("select away 5\nevent away 1002"));
         }},
        {"a scribbled old copy",
         [&] {
             scribbleOnOldest();
             run(QStringLiteral("event home 1001"));
         }},
        {"the spare replaced by another file of its size",
         [&] {
             const QString spare = QDir(temp()).filePath(QStringLiteral(".Game_Data_spare.tmp"));
             const qint64 size = QFileInfo(spare).size();
             ASSERT_GT(size, 0);
             ASSERT_TRUE(QFile::remove(spare));
             write(spare, QByteArray(size, 'x'));
             run(QStringLiteral("event home 1006"));
         }},
        {"a write that failed",
         [&] {
             io.Armed = true;
             EXPECT_THROW(run(*game, QStringLiteral("shot home missed three 20 200")), TFileError);
             run(QStringLiteral("event home 1001"));
         }},
        {"the server part changed",
         [&] {
             settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/"));
             run(QStringLiteral("event away 1001"));
         }},
        {"a substitution",
         [&] { run(QStringLiteral("sub home 4 15\nselect home 7\nshot home made mid 60 90")); }},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.Name);
        step.Step();
        QByteArray expected;
        const int prefix = int(settings.ServerName().size());
        for (int i = 0; i < game->AllEvents.Count(); ++i)
            if (!game->AllEvents.At(i)->Message.isEmpty())
                expected += TDumpText::EventLine(*game->AllEvents.At(i), prefix);
        const QString copy =
            QStringLiteral("Game_Data_%1.dat").arg(game->AllEvents.Count() - 1, 6, 10, QLatin1Char('0'));
        EXPECT_EQ(read(QDir(temp()).filePath(copy)), expected);
        const QString live =
            QStringLiteral("Dump_Data_%1.dat").arg(game->EventCounter, 6, 10, QLatin1Char('0'));
        EXPECT_EQ(read(QDir(dumps()).filePath(live)), TDumpText::LiveBoxScore(*game));
    }
    store.SetFileIo(TFileIo::System());
}

// A new event costs the copies its own line, not the whole game again.
TEST_F(DumpTest, AnEventWritesOnlyWhatChangedOfTheEventCopy)
{
    settings.SetValue(QStringLiteral("DATA_DUMP"), QStringLiteral("NO"));
    run(roster() + QStringLiteral("tick\nselect home 4"));
    for (int i = 0; i < 40; ++i)
        run(QStringLiteral("event home 1008"));
    const qint64 heldBefore = store.BytesHeld();
    const qint64 writtenBefore = store.BytesWritten();
    run(QStringLiteral("event home 1008"));
    const qint64 copy = read(QDir(temp()).filePath(QStringLiteral("Game_Data_000050.dat"))).size();
    ASSERT_GT(copy, 0);
    EXPECT_GE(store.BytesHeld() - heldBefore, copy);
    EXPECT_LT(store.BytesWritten() - writtenBefore, store.BytesHeld() - heldBefore - copy / 2);
}

} // namespace
