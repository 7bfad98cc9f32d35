#include "ShellFixture.h"

#include <functional>

#include "model/game/RecordBuffer.h"

#include <QtEndian>

namespace {

qint32 int32At(const QByteArray &data, int offset)
{
    return qFromLittleEndian<qint32>(data.constData() + offset);
}

// The text of a string[N] field: length byte, then the bytes.
QByteArray textAt(const QByteArray &data, int offset)
{
    return data.mid(offset + 1, quint8(data.at(offset)));
}

class GameStoreTest : public ShellFixture
{
protected:
    void playOpening()
    {
        run(roster());
        run(QStringLiteral(R"(
game attendance=850 income=120000 referee1="Horvath Peter" stadium=Arena date=2026-12-09 time=18:30
tick
select home 4
shot home made mid 88 120
sub home 7 15
timeout away
)"));
    }
};

TEST_F(GameStoreTest, WritesTheGeneralRecordAtItsOffsets)
{
    playOpening();
    const QByteArray general = file(QStringLiteral("general_"));
    ASSERT_EQ(general.size(), 3700);
    EXPECT_EQ(int32At(general, 0), 850);
    EXPECT_EQ(textAt(general, 4), "Horvath Peter");
    EXPECT_EQ(textAt(general, 1284), "Arena");
    EXPECT_EQ(textAt(general, 1540), "2026-12-09");
    EXPECT_EQ(textAt(general, 1556), "18:30");
    EXPECT_EQ(textAt(general, 1572 + 21), "Home Team");
    EXPECT_EQ(textAt(general, 1572 + 8), "T1");
    EXPECT_EQ(textAt(general, 2628 + 21), "Away Team");
    EXPECT_EQ(int32At(general, 1572 + 952), 2) << "home points, the first team counter";
    EXPECT_EQ(int32At(general, 1572 + 952 + 4 * 4), 1) << "home mid-range shots made, the fifth";
    EXPECT_EQ(int32At(general, 3684), 1) << "clock";
    EXPECT_EQ(int32At(general, 3688), 1) << "period";
    EXPECT_EQ(int32At(general, 3692), 0) << "periods ended";
    EXPECT_EQ(int32At(general, 3696), 120000) << "income";
    // Unused positions and reserved ranges are zero.
    EXPECT_EQ(general.mid(4 + 1 + 13, 255 - 13), QByteArray(255 - 13, '\0'));
    EXPECT_EQ(general.mid(1572 + 339, 201), QByteArray(201, '\0'));
}

TEST_F(GameStoreTest, TeamFilesHoldTheTeamLineThenCourtThenBench)
{
    playOpening();
    const QByteArray home = file(QStringLiteral("hazai_"));
    ASSERT_EQ(home.size(), 5 * 1084);
    EXPECT_EQ(textAt(home, 49), "Csapat") << "the team line comes first";
    // Jersey 7 went to the bench and 15 came on: court 04, 10, 15, then bench 07.
    const int jerseys[] = {4, 10, 15, 7};
    const char onBench[] = {0, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        const int at = (i + 1) * 1084;
        EXPECT_EQ(int32At(home, at + 208), jerseys[i]) << "record " << i + 1;
        EXPECT_EQ(home.at(at + 301), onBench[i]) << "record " << i + 1;
    }
    EXPECT_EQ(int32At(home, 1084 + 212), 2) << "jersey 4 scored two points";
    EXPECT_EQ(int32At(home, 1084 + 212 + 20 * 4), 1) << "and played one quarter-minute";
    EXPECT_EQ(file(QStringLiteral("vendeg_")).size(), 5 * 1084);
}

TEST_F(GameStoreTest, TimeoutRecordsHoldPeriodAndClock)
{
    playOpening();
    EXPECT_TRUE(file(QStringLiteral("home_timeouts_")).isEmpty());
    const QByteArray away = file(QStringLiteral("away_timeouts_"));
    ASSERT_EQ(away.size(), 56);
    EXPECT_EQ(int32At(away, 0), 1);
    EXPECT_EQ(textAt(away, 4), "00:15");
    EXPECT_EQ(away.at(55), '\0');
}

TEST_F(GameStoreTest, EventFilesHoldTheLogAndTheQueueInOrder)
{
    playOpening();
    // The first step queues the game header and eight roster lines (2 to 10)
    // before the step itself (1); then the shot (11), the substitution (12)
    // and the timeout (13).
    const QByteArray events = file(QStringLiteral("events_"));
    ASSERT_EQ(events.size(), 13 * 604);
    const int ids[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 11, 12, 13};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(int32At(events, i * 604), ids[i]) << "record " << i;
    const int shot = 10 * 604;
    EXPECT_EQ(int32At(events, shot + 260), 11) << "player";
    EXPECT_EQ(int32At(events, shot + 264), Kind::ShotMade);
    EXPECT_EQ(int32At(events, shot + 268), ShotKind::MidRange);
    EXPECT_EQ(int32At(events, shot + 272), Side::HomePlayer);
    EXPECT_EQ(int32At(events, shot + 276), 1) << "clock";
    EXPECT_EQ(textAt(events, shot + 536), "KOVACS Janos");
    EXPECT_EQ(int32At(events, shot + 600), 0) << "sub-event";
    EXPECT_TRUE(textAt(events, shot + 4).startsWith("/income/index.phtml?kod=1000"));
    // Nothing was sent: the queue holds the same events.
    EXPECT_EQ(file(QStringLiteral("events_notsend_")), events);
}

TEST_F(GameStoreTest, IncrementalSavesEqualAFullRewrite)
{
    run(roster());
    run(QStringLiteral("tick\nselect home 4\nselect away 5"));
    for (int i = 0; i < 40; ++i) {
        run(QStringLiteral(
            "shot home made close 100 30\nshot away missed three 20 200\nevent home 1008\ntype home "
            "3\ntick"));
        if (i == 20)
            run(QStringLiteral("sub home 4 15\nselect home 15\ntimeout home"));
    }
    // A deleted event leaves the log, and the sender takes events off the front of the queue.
    game->RemoveEvent(game->AllEvents.At(30)->Id);
    game->OutgoingQueue.Acknowledge();
    game->OutgoingQueue.Acknowledge();
    run(QStringLiteral("shot home made dunk 120 20"));

    TGameStore fresh(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
    game->GameFolder = folder(QStringLiteral("rewritten"));
    fresh.SaveGame(*game);
    const QMap<QString, QByteArray> incremental = gameFiles(folder());
    const QMap<QString, QByteArray> rewritten = gameFiles(folder(QStringLiteral("rewritten")));
    ASSERT_EQ(incremental.keys(), rewritten.keys());
    ASSERT_EQ(incremental.size(), 7);
    for (const QString &name : incremental.keys())
        EXPECT_TRUE(incremental[name] == rewritten[name]) << name.toStdString();
}

// The store keeps the records of unchanged events; an event changed in place,
// in any field and in any way, must still reach both events files.
TEST_F(GameStoreTest, AnEventChangedInPlaceIsSavedAgain)
{
    run(roster() + QStringLiteral("tick\nselect home 4\n"));
    for (int i = 0; i < 12; ++i)
        run(QStringLiteral("shot home made close 100 30"));
    const struct
    {
        const char *Name;
        std::function<void(TGameEvent &)> Change;
    } changes[] = {
        {"kind", [](TGameEvent &e) { e.Kind = Kind::ShotMissed; }},
        {"detail", [](TGameEvent &e) { e.Detail += 1; }},
        {"side", [](TGameEvent &e) { e.Side = Side::HomeTeam; }},
        {"clock", [](TGameEvent &e) { e.Clock += 1; }},
        {"player", [](TGameEvent &e) { e.PlayerId = 12; }},
        {"fast break", [](TGameEvent &e) { e.FastBreak = 1; }},
        {"second chance", [](TGameEvent &e) { e.SecondChance = 1; }},
        {"sub-event", [](TGameEvent &e) { e.SubEvent = 1; }},
        {"message", [](TGameEvent &e) { e.SetMessage(e.Message + QStringLiteral("&x=1")); }},
        {"text appended in place", [](TGameEvent &e) { e.Text.append(QLatin1Char('!')); }},
        {"text letter replaced in place", [](TGameEvent &e) { e.Text[0] = QLatin1Char('#'); }},
        {"name of the same length", [](TGameEvent &e) { e.PlayerName = QString(e.PlayerName.size(), u'Z'); }},
        {"name emptied", [](TGameEvent &e) { e.PlayerName.clear(); }},
        {"text with a letter of the code page", [](TGameEvent &e) { e.Text = QStringLiteral("Dobás"); }},
    };
    auto records = [](const TEventList &list) {
        QByteArray out;
        for (int i = 0; i < list.Count(); ++i)
            out += list.At(i)->ToRecord();
        return out;
    };
    int at = 10;
    for (const auto &change : changes) {
        SCOPED_TRACE(change.Name);
        change.Change(*game->EditEvent(game->AllEvents.At(at++ % game->AllEvents.Count())));
        game->SaveGame();
        EXPECT_TRUE(file(QStringLiteral("events_")) == records(game->AllEvents));
        EXPECT_TRUE(file(QStringLiteral("events_notsend_")) == records(game->OutgoingQueue.Snapshot()));
    }
}

TEST_F(GameStoreTest, ASaveWritesOnlyWhatChanged)
{
    run(roster());
    run(QStringLiteral("tick\nselect home 4"));
    for (int i = 0; i < 200; ++i)
        run(QStringLiteral("shot home made close 100 30"));
    settings.SetValue(QStringLiteral("DATA_DUMP"), QStringLiteral("NO"));
    settings.SetValue(QStringLiteral("CREATE_TEMP_DATA_FILES"), QStringLiteral("NO"));
    const qint64 before = store.BytesWritten();
    run(QStringLiteral("shot home made close 100 30"));
    // One record appended to each events file, a few counters of the general
    // record and of one player, the journal and the redo log holding the same
    // and the record of the save: far less than the 250 kB the folder holds.
    EXPECT_GT(file(QStringLiteral("events_")).size(), 200 * 604);
    const qsizetype manifest =
        read(QDir(folder()).filePath(QString::fromLatin1(TSaveManifest::FileName))).size();
    ASSERT_GT(manifest, 0);
    EXPECT_LT(store.BytesWritten() - before, 6 * 604 + 900 + manifest);
}

TEST_F(GameStoreTest, AFileChangedBehindTheStoresBackIsWrittenWhole)
{
    run(roster());
    run(QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    const QString events = QDir(folder()).filePath(QStringLiteral("events_ABC1DEF2.dat"));
    write(events, QByteArray(100, 'x'));
    run(QStringLiteral("shot home made close 100 30"));
    ASSERT_EQ(read(events).size(), game->AllEvents.Count() * 604);
    QByteArray expected;
    for (int i = 0; i < game->AllEvents.Count(); ++i)
        expected += game->AllEvents.At(i)->ToRecord();
    EXPECT_EQ(read(events), expected);
}

TEST_F(GameStoreTest, TheJournalIsMarkedAppliedAndRemovedWhenTheStoreCloses)
{
    run(roster());
    run(QStringLiteral("tick"));
    const QString journal = QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName));
    const QByteArray record = read(journal);
    ASSERT_GE(record.size(), 24);
    EXPECT_TRUE(record.startsWith("PQXJ"));
    EXPECT_EQ(qFromLittleEndian<quint32>(record.constData() + TSaveJournal::StateOffset),
              TSaveJournal::Applied);
    {
        TGameStore other(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
        auto second = newGame(folder(QStringLiteral("second")), &other);
        run(*second, roster() + QStringLiteral("tick"));
        EXPECT_TRUE(QFile::exists(
            QDir(folder(QStringLiteral("second"))).filePath(QString::fromLatin1(TSaveJournal::FileName))));
        second.reset();
    }
    EXPECT_FALSE(QFile::exists(
        QDir(folder(QStringLiteral("second"))).filePath(QString::fromLatin1(TSaveJournal::FileName))));
    EXPECT_EQ(gameFiles(folder(QStringLiteral("second"))).size(), 7);
}

TEST_F(GameStoreTest, SavingWithoutAFolderOrIntoAFileIsAFileError)
{
    run(roster());
    game->GameFolder.clear();
    EXPECT_THROW(game->SaveGame(), TFileError);
    write(home.file(QStringLiteral("Save/plainfile")), "x");
    game->GameFolder = home.file(QStringLiteral("Save/plainfile"));
    try {
        game->SaveGame();
        ADD_FAILURE() << "a file is no folder";
    } catch (const TFileError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("plainfile"))) << e.Message().toStdString();
    }
}

TEST_F(GameStoreTest, LongTextsAreCutToTheirCapacity)
{
    run(roster());
    game->Stadium = QString(300, QLatin1Char('s'));
    game->GameDate = QStringLiteral("2026-12-09 and more");
    game->HomeTeam().Data.EgyesuletNev = QString(70, QLatin1Char('n'));
    game->SaveGame();
    const QByteArray general = file(QStringLiteral("general_"));
    EXPECT_EQ(textAt(general, 1284), QByteArray(255, 's'));
    EXPECT_EQ(textAt(general, 1540), "2026-12-09 and ");
    EXPECT_EQ(textAt(general, 1572 + 21), QByteArray(60, 'n'));
    EXPECT_EQ(quint8(general.at(1572 + 82)), 0) << "the next field is untouched";
}

} // namespace
