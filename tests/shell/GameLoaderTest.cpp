#include "ShellFixture.h"

#include "savegame/TSavedGameList.h"
#include "shell/session/TParquetixApplication.h"

namespace {

class GameLoaderTest : public ShellFixture
{
protected:
    // A first period with every kind of record: shots, a team event, a
    // substitution, timeouts, a foul with its type, and the minutes reports.
    QString firstPart() const
    {
        return roster() + QStringLiteral(R"(
game attendance=850 income=120000 referee1="Horvath Peter" referee2="Szabo Anna" coach1=Kiss coach2=Toth
tick
select home 4
shot home made mid 88 120
select away 8
shot away missed three 30 200
tick
select home 10
event home 1008
type home 2
teammode away
event away 1001
tick
sub home 7 15
timeout away
tick
tick
tick
tick
tick
)");
    }
    QString secondPart() const
    {
        return QStringLiteral(R"(
select home 15
shot home made three 15 180
select away 12
fastbreak away
shot away made dunk 120 20
tick
timeout home
select home 4
event home 1002
)");
    }
};

TEST_F(GameLoaderTest, SaveLoadSaveGivesTheSameFiles)
{
    run(firstPart() + secondPart() + QStringLiteral("periodend\n"));
    auto loaded = load(folder(), TLoadOptions{.Online = true});
    ASSERT_TRUE(loaded);
    loaded->GameFolder = folder(QStringLiteral("again"));
    TGameStore other(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
    other.SaveGame(*loaded);
    EXPECT_EQ(gameFiles(folder(QStringLiteral("again"))), gameFiles(folder()));
}

TEST_F(GameLoaderTest, ALoadedAndContinuedGameEqualsTheGamePlayedInOneGo)
{
    // Cut after the eighth step: its minutes reports used up one identifier more
    // than they queued (nobody of the away bench has played), exactly the one
    // the loader skips, so identifiers go on alike.
    run(firstPart() + secondPart());
    const QJsonObject oneGo = persisted(*game);
    const QMap<QString, QByteArray> oneGoFiles = gameFiles(folder());

    THeadlessScreen firstScreen;
    auto first = newGame(folder(QStringLiteral("continued")), nullptr, &firstScreen);
    run(*first, firstPart(), &firstScreen);
    ASSERT_EQ(first->Clock, 8);
    first.reset();

    THeadlessScreen loadedScreen;
    auto loaded = load(folder(QStringLiteral("continued")), TLoadOptions{.Online = true}, &loadedScreen);
    ASSERT_TRUE(loaded);
    run(*loaded, secondPart(), &loadedScreen);
    EXPECT_EQ(persisted(*loaded), oneGo);
    EXPECT_EQ(gameFiles(folder(QStringLiteral("continued"))), oneGoFiles);
}

TEST_F(GameLoaderTest, TheEventCounterSkipsOneIdentifierAfterTheLastRecord)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    ASSERT_EQ(game->EventCounter, 11);
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->EventCounter, 12);
    run(*loaded, QStringLiteral("select home 4\nshot home made close 100 30"));
    EXPECT_EQ(loaded->AllEvents.At(loaded->AllEvents.Count() - 1)->Id, 13);
}

// The official time messages are only queued, never logged: a reloaded game
// must not give their identifiers again while they wait in the unsent file.
TEST_F(GameLoaderTest, IdentifiersOfUnsentMessagesAreNotGivenAgain)
{
    run(roster() +
        QStringLiteral("tick\nselect home 4\nshot home made close 100 30\nsettime 930\nsettime 1000"));
    ASSERT_EQ(game->EventCounter, 13);
    auto loaded = load(folder(), TLoadOptions{.Online = true});
    ASSERT_TRUE(loaded);
    QList<int> queued;
    for (int i = 0; i < loaded->OutgoingQueue.Count(); ++i)
        queued << loaded->OutgoingQueue.At(i)->Id;
    ASSERT_TRUE(queued.contains(13)) << "the second time message waits to be sent";
    run(*loaded, QStringLiteral("select home 4\nshot home made close 100 30"));
    EXPECT_EQ(loaded->AllEvents.At(loaded->AllEvents.Count() - 1)->Id, 15);
}

TEST_F(GameLoaderTest, RostersComeBackInTheirListsWithTheirTimeouts)
{
    run(firstPart());
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    const TTeam &home = loaded->HomeTeam();
    ASSERT_EQ(home.OnCourt.Count(), 3);
    ASSERT_EQ(home.Bench.Count(), 1);
    EXPECT_EQ(home.Bench.At(0)->JatekosMezSzam, 7) << "moved to the bench before the save";
    EXPECT_EQ(home.Bench.KeyAt(0), QStringLiteral("07"));
    EXPECT_EQ(home.OnCourt.At(2)->JatekosMezSzam, 15);
    EXPECT_EQ(home.OnCourt.At(2)->OnBench, 0);
    EXPECT_EQ(home.Bench.At(0)->OnBench, 1);
    EXPECT_EQ(home.TeamLine, game->HomeTeam().TeamLine);
    ASSERT_EQ(loaded->AwayTeam().Timeouts.size(), 1);
    EXPECT_EQ(loaded->AwayTeam().Timeouts[0].first, QStringLiteral("00:45"));
    EXPECT_EQ(loaded->AwayTeam().Timeouts[0].second, (ToIdokeres{1, QStringLiteral("00:45")}));
    EXPECT_EQ(loaded->Referee2, QStringLiteral("Szabo Anna"));
    EXPECT_EQ(loaded->Attendance, 850);
    EXPECT_EQ(loaded->AwayTeam().Data, game->AwayTeam().Data);
    // The first three of each on-court list start the line-up tracking.
    EXPECT_EQ(home.LineupTracking, (QList<int>{11, 13, 14}));
    EXPECT_EQ(loaded->AwayTeam().LineupTracking, (QList<int>{21, 22, 23}));
}

TEST_F(GameLoaderTest, RosterKeysFollowTheCurrentSorting)
{
    run(firstPart());
    settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_NEV"));
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    const TPlayerList &court = loaded->HomeTeam().OnCourt;
    ASSERT_EQ(court.Count(), 3);
    EXPECT_EQ(court.KeyAt(0), QStringLiteral("BALOGH Adam"));
    EXPECT_EQ(court.KeyAt(1), QStringLiteral("Farkas"));
    EXPECT_EQ(court.KeyAt(2), QStringLiteral("KOVACS Janos"));
}

// An event whose message holds an opening code anywhere is not a recorded one.
TEST_F(GameLoaderTest, OpeningCodesAnywhereInAMessageKeepAnEventOutOfTheRecordedOnes)
{
    const struct
    {
        const char *Message;
        bool Recorded;
    } cases[] = {
        {"/income/index.phtml?kod=0001&szkod=X", false},
        {"/income/index.phtml?kod=0002&p=H11", false},
        {"kod=0005", false},
        {"a=1&kod=0010&b=2", false},
        {"kod=1000&x=kod=0005", false},
        {"kod=0003&p=H11", true},
        {"kod=0011", true},
        {"kod=001", true},
        {"kod=0100&k=0001", true},
        {"", true},
    };
    run(roster() + QStringLiteral("tick\nselect home 4\n"));
    const int first = game->AllEvents.Count();
    for (size_t i = 0; i < std::size(cases); ++i)
        run(QStringLiteral("event home 1008"));
    for (size_t i = 0; i < std::size(cases); ++i)
        game->EditEvent(game->AllEvents.At(first + int(i)))
            ->SetMessage(QString::fromLatin1(cases[i].Message));
    game->SaveGame();
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const int id = game->AllEvents.At(first + int(i))->Id;
        bool recorded = false;
        for (int r = 0; r < loaded->RecordedEvents.Count(); ++r)
            recorded = recorded || loaded->RecordedEvents.At(r)->Id == id;
        EXPECT_EQ(recorded, cases[i].Recorded) << cases[i].Message;
    }
}

TEST_F(GameLoaderTest, RecordedEventsAndHistoriesAreRebuiltByKind)
{
    run(roster() + QStringLiteral(R"(
tick
select home 4
shot home made close 100 30
teammode away
event away 1001
sub home 4 15
timeout away
defense home
tick
periodend
)"));
    THeadlessScreen loadedScreen;
    auto loaded = load(folder(), {}, &loadedScreen);
    ASSERT_TRUE(loaded);
    // The log: header 2..10, step 1, shot 11, team rebound 12, substitution 13,
    // timeout 14, defence mode 15, step 16, period end 17 and its minutes
    // reports 18 (home court), 19 (home bench: jersey 4 played a step) and
    // 20 (away court); the away bench has not played, so 21 is not queued.
    QList<int> log;
    for (int i = 0; i < loaded->AllEvents.Count(); ++i)
        log.append(loaded->AllEvents.At(i)->Id);
    EXPECT_EQ(log, (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    // Headers, steps, substitutions, the defence mode and the period end go to
    // no other list; the timeout and the minutes reports do.
    QList<int> recorded;
    for (int i = 0; i < loaded->RecordedEvents.Count(); ++i)
        recorded.append(loaded->RecordedEvents.At(i)->Id);
    EXPECT_EQ(recorded, (QList<int>{11, 12, 14, 18, 19, 20}));
    QList<int> homeLines, awayLines;
    for (const auto &line : loadedScreen.history(1))
        homeLines.append(line.EventId);
    for (const auto &line : loadedScreen.history(2))
        awayLines.append(line.EventId);
    // The lines the game showed: the steps on both sides, the substitution on its own.
    EXPECT_EQ(homeLines, (QList<int>{1, 11, 13, 16}));
    EXPECT_EQ(awayLines, (QList<int>{1, 12, 14, 16}));
    EXPECT_EQ(loadedScreen.history(1).at(1).Text, game->AllEvents.Find(11)->Text);
    // Each list holds its own copy.
    EXPECT_NE(loaded->AllEvents.Find(11), loaded->RecordedEvents.At(0));
    EXPECT_EQ(*loaded->AllEvents.Find(11), *loaded->RecordedEvents.At(0));
}

// Line numbers noted during the game still find their lines after a reload:
// steps merged into one line, substitutions, and the gaps deleted events left.
TEST_F(GameLoaderTest, AReloadedGameShowsTheSameNumberedHistory)
{
    run(roster() + QStringLiteral(R"(
tick
select home 4
event home 1002
tick
select home 7
event home 1001
tick
tick
sub home 4 15
select away 5
event away 1002
timeout home
delete home 4
tick
select home 10
event home 1008
delete home 9
tick
event home 1008
tick
delete home 10
change home 2 kind=1001
tick
periodend
)"));
    auto numbered = [](const THeadlessScreen &s, int side) {
        QStringList lines;
        for (const TSideHistory::Entry &e : s.log(side).Entries())
            lines.append(e.Text);
        return lines;
    };
    const QStringList home = numbered(screen, 1);
    const QStringList away = numbered(screen, 2);
    // 1 step, 2 steal, 3 step, 5 steps, 6 substitution, 7 timeout, 8 steps
    // (the foul between them deleted at once), 11 steps (10 deleted later).
    QList<int> numbers;
    for (const TSideHistory::Entry &e : screen.log(1).Entries())
        numbers.append(e.Number);
    ASSERT_EQ(numbers, (QList<int>{1, 2, 3, 5, 6, 7, 8, 11})) << home.join(u'|').toStdString();
    THeadlessScreen loadedScreen;
    auto loaded = load(folder(), {}, &loadedScreen);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(numbered(loadedScreen, 1), home);
    EXPECT_EQ(numbered(loadedScreen, 2), away);
    // A line number noted before the reload selects the same event after it.
    ASSERT_TRUE(loadedScreen.SelectHistoryNumber(1, 7));
    EXPECT_EQ(loadedScreen.log(1).SelectedId, screen.log(1).Entries().at(5).Event.Id);
}

TEST_F(GameLoaderTest, TheResendChoicesFillTheQueue)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    // The sender delivered all but the shot.
    while (game->OutgoingQueue.Count() > 1)
        game->OutgoingQueue.Acknowledge();
    game->SaveGame();

    auto missing = load(folder(), TLoadOptions{.Online = true});
    ASSERT_TRUE(missing);
    ASSERT_EQ(missing->OutgoingQueue.Count(), 1);
    EXPECT_EQ(missing->OutgoingQueue.At(0)->Id, 11);

    auto all = load(folder(), TLoadOptions{.Online = true, .ResendAll = true});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->OutgoingQueue.Count(), 11);
    EXPECT_NE(all->OutgoingQueue.At(0), all->AllEvents.At(0)) << "copies";

    auto offline = load(folder(), TLoadOptions{.ResendAll = true});
    ASSERT_TRUE(offline);
    EXPECT_EQ(offline->OutgoingQueue.Count(), 0);
    EXPECT_FALSE(offline->Online);

    store.CloseGameFolder(); // the redo log of an open game would still hold the file
    QFile::remove(QDir(folder()).filePath(QStringLiteral("events_notsend_ABC1DEF2.dat")));
    auto none = load(folder(), TLoadOptions{.Online = true});
    ASSERT_TRUE(none);
    EXPECT_EQ(none->OutgoingQueue.Count(), 0);
}

TEST_F(GameLoaderTest, AGameLoadedNotOnlineStillWritesItsEventsToTheUnsentFile)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    game.reset();
    run(*loaded, QStringLiteral("select home 4\nshot home made three 10 180"));
    const QByteArray unsent = file(QStringLiteral("events_notsend_"));
    ASSERT_EQ(unsent.size(), 604);
    EXPECT_EQ(unsent, loaded->AllEvents.At(loaded->AllEvents.Count() - 1)->ToRecord());
}

TEST_F(GameLoaderTest, EventRecordSizeFollowsTheFileSize)
{
    EXPECT_EQ(TSavedGame::EventRecordSizeFor(150 * 604), 604) << "a multiple of both sizes";
    EXPECT_EQ(TSavedGame::EventRecordSizeFor(2 * 600), 600);
    EXPECT_EQ(TSavedGame::EventRecordSizeFor(0), 604);
    EXPECT_EQ(TSavedGame::EventRecordSizeFor(3 * 604), 604);

    run(roster() + QStringLiteral("tick\nselect home 4"));
    for (int i = 0; i < 140; ++i)
        run(QStringLiteral("shot home made close 100 30"));
    ASSERT_EQ(game->AllEvents.Count(), 150);
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->AllEvents.Count(), 150);
    EXPECT_EQ(*loaded->AllEvents.At(149), *game->AllEvents.At(149));
}

TEST_F(GameLoaderTest, LegacySixHundredByteRecordsReadLikeCurrentOnes)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    QByteArray legacy;
    for (int i = 0; i < game->AllEvents.Count(); ++i)
        legacy += game->AllEvents.At(i)->ToRecord().left(600);
    write(QDir(folder()).filePath(QStringLiteral("events_ABC1DEF2.dat")), legacy);
    // An older program kept no record of its last save.
    QFile::remove(QDir(folder()).filePath(QString::fromLatin1(TSaveManifest::FileName)));
    ASSERT_NE(legacy.size() % 604, 0);
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->AllEvents.Count(), game->AllEvents.Count());
    for (int i = 0; i < game->AllEvents.Count(); ++i)
        EXPECT_EQ(*loaded->AllEvents.At(i), *game->AllEvents.At(i)) << i;
}

TEST_F(GameLoaderTest, TheScreenStartsBetweenPeriodsWhenThePeriodWasEnded)
{
    run(roster() + QStringLiteral("tick\ntick\nperiodend"));
    THeadlessScreen ended;
    auto loaded = load(folder(), {}, &ended);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(ended.eventsLocked());
    EXPECT_EQ(loaded->ClockDisplay, QStringLiteral("1000"));
    EXPECT_TRUE(ended.ItemVisible(QStringLiteral("imgQuarter1")));
    EXPECT_TRUE(ended.ItemVisible(QStringLiteral("imgIdoCsapat1")));
    EXPECT_TRUE(loaded->HeaderSent) << "clock 2 is beyond 1";

    game = newGame(folder(QStringLiteral("running")));
    run(roster() + QStringLiteral("tick"));
    THeadlessScreen running;
    loaded = load(folder(QStringLiteral("running")), {}, &running);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(running.eventsLocked());
    EXPECT_EQ(loaded->ClockDisplay, QStringLiteral("0945"));
    EXPECT_FALSE(loaded->HeaderSent) << "at clock 1 the opening messages go again";
}

TEST_F(GameLoaderTest, AFolderWithoutGeneralRecordLoadsWithEmptyGameData)
{
    run(firstPart());
    store.CloseGameFolder(); // the redo log of an open game would still hold the file
    QFile::remove(QDir(folder()).filePath(QStringLiteral("general_ABC1DEF2.dat")));
    QFile::remove(QDir(folder()).filePath(QString::fromLatin1(TSaveManifest::FileName)));
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Attendance, 0);
    EXPECT_TRUE(loaded->HomeTeam().Data.EgyesuletNev.isEmpty());
    EXPECT_EQ(loaded->Clock, 0);
    EXPECT_EQ(loaded->HomeTeam().OnCourt.Count(), 3);
}

TEST_F(GameLoaderTest, SavedGamesAreListedLikeTheWizardDoes)
{
    run(firstPart());
    game = newGame(folder(QStringLiteral("b-second")));
    run(roster() + QStringLiteral("game code=XY9\ntick"));
    // No "hazai_" file: not a saved game.
    QDir().mkpath(folder(QStringLiteral("c-nohome")));
    write(QDir(folder(QStringLiteral("c-nohome"))).filePath(QStringLiteral("general_Q.dat")),
          QByteArray(3700, 0));
    // No general record: not listed either.
    QDir().mkpath(folder(QStringLiteral("d-nogeneral")));
    write(QDir(folder(QStringLiteral("d-nogeneral"))).filePath(QStringLiteral("hazai_Q.dat")),
          QByteArray(1084, 0));

    const QList<TSavedGameRow> rows = TSavedGameList::List(home.file(QStringLiteral("Save")));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (TSavedGameRow{QStringLiteral("b-second"), QStringLiteral("Home Team"),
                                      QStringLiteral("Away Team"), QStringLiteral("XY9")}));
    EXPECT_EQ(rows[1].Folder, QStringLiteral("game"));
    EXPECT_EQ(rows[1].Code, QStringLiteral("ABC1DEF2"));
}

TEST_F(GameLoaderTest, TheApplicationLoadsIntoANewGameAndClearsTheEventCopies)
{
    run(firstPart());
    game.reset();
    TestHome appHome;
    TGameStore appStore(appHome.path(), appHome.file(QStringLiteral("Temp")),
                        appHome.file(QStringLiteral("Save")));
    TParquetixApplication app(appHome.path());
    THeadlessScreen appScreen;
    app.SetGameStore(&appStore);
    app.SetScreen(&appScreen);
    app.Initialize();
    app.Game().Online = true;
    write(appHome.file(QStringLiteral("Temp/Game_Data_000012.dat")), "x");
    write(appHome.file(QStringLiteral("Temp/Game_Subdata_Data_000003.dat")), "x");
    write(appHome.file(QStringLiteral("Temp/other.txt")), "x");

    QString error;
    ASSERT_TRUE(TGameLoader::Load(app, folder(), QLatin1String(Code), TLoadOptions{}, &appStore, &error))
        << error.toStdString();
    EXPECT_EQ(app.Game().GameCode, QLatin1String(Code));
    EXPECT_EQ(app.Game().GameFolder, folder());
    EXPECT_FALSE(app.Game().Online) << "the check box decides";
    EXPECT_EQ(app.Game().HomeTeam().OnCourt.Count(), 3);
    EXPECT_FALSE(app.Game().HomeTeam().DefenseModes.isEmpty()) << "reference lists loaded";
    EXPECT_EQ(QDir(appHome.file(QStringLiteral("Temp"))).entryList(QDir::Files), QStringList{"other.txt"});
    // Eight steps, the shot, the foul and the substitution, as the game showed them.
    EXPECT_EQ(appScreen.history(1).size(), 11);
}

} // namespace

namespace {

QString ticks(int n)
{
    QString text;
    for (int i = 0; i < n; ++i)
        text += QStringLiteral("tick\n");
    return text;
}

} // namespace

// The saved format has no field for the team fouls, the event waiting for its
// type or the defence mode: a reopened game must show what the live game
// showed, worked out from the events.
TEST_F(GameLoaderTest, TeamStateComesBackFromTheEvents)
{
    struct Case
    {
        const char *name;
        QString script;
        int homeFouls, awayFouls;
        bool homeWaitsForType;
    };
    // Two periods of 20 steps; a step past the second one starts the overtime.
    const QString foulHome = QStringLiteral("select home 4\nevent home 1008\n");
    const QString foulAway = QStringLiteral("select away 5\nevent away 1008\n");
    const QString endFirst = ticks(19) + QStringLiteral("periodend\ntick\n");
    const Case cases[] = {
        {"foul waits for its type", QStringLiteral("tick\n") + foulHome, 1, 0, true},
        {"typed foul", QStringLiteral("tick\n") + foulHome + QStringLiteral("type home 2\n"), 1, 0, false},
        {"a later event of the team ends the wait",
         QStringLiteral("tick\n") + foulHome + QStringLiteral("select home 7\nevent home 1001\n"), 1, 0,
         false},
        {"the other team does not end the wait", QStringLiteral("tick\n") + foulHome + foulAway, 1, 1, true},
        {"a clock step ends the wait", QStringLiteral("tick\n") + foulHome + QStringLiteral("tick\n"), 1, 0,
         false},
        {"turnover waits", QStringLiteral("tick\nselect home 7\nevent home 1007\n"), 0, 0, true},
        {"team and technical fouls are not team fouls",
         QStringLiteral("tick\nteammode home\nevent home 1008\nselect away 5\nevent away 1019\n"), 0, 0,
         false},
        {"a new period starts without fouls",
         QStringLiteral("tick\n") + foulHome + foulHome + foulAway + endFirst + foulAway, 0, 1, false},
        {"fouls after the period's end count until the next period starts",
         QStringLiteral("tick\n") + foulHome + ticks(19) + QStringLiteral("periodend\n") + foulHome, 2, 0,
         true},
        {"overtime goes on with the fouls of the last period",
         QStringLiteral("tick\n") + endFirst + foulHome + ticks(19) + QStringLiteral("periodend\ntick\n") +
             foulHome + foulHome,
         3, 0, true},
    };
    const TRefList modes = {TRefItem{QStringLiteral("Man"), 1}, TRefItem{QStringLiteral("Zone"), 2},
                            TRefItem{QStringLiteral("Press"), 3}};
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString where = folder(QStringLiteral("case%1").arg(++n));
        game = newGame(where);
        run(*game, roster(5) + c.script);
        EXPECT_EQ(game->HomeTeam().TeamFouls, c.homeFouls);
        EXPECT_EQ(game->AwayTeam().TeamFouls, c.awayFouls);

        THeadlessScreen reopened;
        auto loaded = load(where, {}, &reopened);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->Period, game->Period);
        for (int side = 1; side <= 2; ++side)
            EXPECT_EQ(loaded->Team(side).TeamFouls, game->Team(side).TeamFouls) << side;
        // The log does not say which team took a clock step, so a step ends
        // the wait of both; otherwise the wait is the live one.
        EXPECT_EQ(loaded->HomeTeam().LastTypedEvent >= 0, c.homeWaitsForType);
        if (c.homeWaitsForType) {
            EXPECT_EQ(loaded->HomeTeam().LastTypedEvent, game->HomeTeam().LastTypedEvent);
        }
    }

    // The defence mode last sent, as far as the lists know it.
    game = newGame(folder(QStringLiteral("defense")));
    for (int side = 1; side <= 2; ++side) {
        game->Team(side).DefenseModes = modes;
        game->Team(side).DefenseModeIndex = 0;
    }
    run(*game, roster(5) + QStringLiteral("tick\ndefense home next\ndefense home next\ndefense away prev\n"));
    ASSERT_EQ(game->HomeTeam().DefenseModeIndex, 2);
    ASSERT_EQ(game->AwayTeam().DefenseModeIndex, 2);
    TGameLoader loader;
    QString error;
    ASSERT_TRUE(loader.Read(TGameFolder(folder(QStringLiteral("defense"))), QLatin1String(Code), &error));
    for (const int known : {3, 2}) {
        auto loaded = newGame(folder(QStringLiteral("defense")));
        loader.ApplyRosters(*loaded);
        for (int side = 1; side <= 2; ++side) {
            loaded->Team(side).DefenseModes = modes.mid(0, known);
            loaded->Team(side).DefenseModeIndex = 0;
        }
        ASSERT_TRUE(loader.ApplyEvents(*loaded, {}, &error));
        loader.ApplyScreenState(*loaded);
        // A mode beyond the lists of this installation leaves the first one.
        EXPECT_EQ(loaded->HomeTeam().DefenseModeIndex, known == 3 ? 2 : 0) << known;
        EXPECT_EQ(loaded->AwayTeam().DefenseModeIndex, known == 3 ? 2 : 0) << known;
    }
}
