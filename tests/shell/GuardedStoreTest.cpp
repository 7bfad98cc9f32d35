#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameLoader.h"
#include "shell/store/TGameStore.h"
#include "shell/store/TGuardedGameStore.h"
#include "support/SampleGame.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// A disk that fails while recording must not stop the recording: the game goes
// on in memory, the failure is reported, and the first save that works again
// writes a folder that loads as the whole game.
TEST(GuardedStore, RecordingOutlivesAFailingDisk)
{
    TestHome home;
    // The store outlives the application, whose game reaches it until the end.
    TGameStore store;
    TGuardedGameStore guard(store);
    TParquetixApplication app(home.path());
    QStringList reports;
    guard.Report = [&](const QString &error) { reports.append(error); };
    app.SetGameStore(&guard);
    app.Initialize();
    store.SetFolders(app);
    THeadlessScreen screen;
    app.SetScreen(&screen);
    TGame &game = app.Game();
    const QString folder = home.file(QStringLiteral("Save/g1"));
    // A file where the game folder should be: every save fails.
    home.write(QStringLiteral("Save/g1"), "in the way");
    game.GameFolder = folder;

    TGameScript script(game, screen);
    ASSERT_TRUE(
        script.Run(QStringLiteral("set DATA_DUMP=NO CREATE_TEMP_DATA_FILES=NO\ngame code=DISK1ERR2\n") +
                   SampleRoster() + QStringLiteral("tick\nselect home 4\nshot home made three 20 200\n")))
        << script.Error().toStdString();
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_FALSE(reports.last().isEmpty());
    EXPECT_TRUE(guard.Failing());
    EXPECT_EQ(game.HomeTeam().Data.Totals.Points, 3);

    // The disk comes back: the next event saves the whole game.
    QFile::remove(folder);
    ASSERT_TRUE(script.Run(QStringLiteral("select home 4\nshot home made freethrow")));
    EXPECT_FALSE(guard.Failing());
    EXPECT_TRUE(reports.last().isEmpty());

    TParquetixApplication reloaded(home.path());
    reloaded.Initialize();
    QString error;
    ASSERT_TRUE(TGameLoader::Load(reloaded, folder, QStringLiteral("DISK1ERR2"), {}, nullptr, &error))
        << error.toStdString();
    EXPECT_EQ(reloaded.Game().HomeTeam().Data.Totals.Points, 4);
    EXPECT_EQ(reloaded.Game().AllEvents.Count(), game.AllEvents.Count());
}

// The court screen is created in the middle of the load, so the history lines
// of the saved events reach it.
TEST(LoadWithScreen, HistoryLinesReachTheScreenCreatedDuringTheLoad)
{
    TestHome home;
    const QString folder = home.file(QStringLiteral("Save/g2"));
    {
        TGameStore store;
        TParquetixApplication app(home.path());
        app.SetGameStore(&store);
        app.Initialize();
        store.SetFolders(app);
        THeadlessScreen screen;
        app.SetScreen(&screen);
        app.Game().GameFolder = folder;
        TGameScript script(app.Game(), screen);
        ASSERT_TRUE(script.Run(QStringLiteral(R"(set DATA_DUMP=NO CREATE_TEMP_DATA_FILES=NO
game code=SCRN1HIS2
team home id=1 webid=T1 name=Home league=1
team away id=2 webid=T2 name=Away league=1
player home id=11 webid=H11 jersey=4 name="KISS Ede" court
player away id=21 webid=A21 jersey=5 name="NAGY Ida" court
tick
select home 4
shot home made three 20 200
select away 5
event away 1002
)"))) << script.Error().toStdString();
    }
    TParquetixApplication app(home.path());
    app.Initialize();
    THeadlessScreen screen;
    bool created = false;
    QString error;
    ASSERT_TRUE(TGameLoader::Load(app, folder, QStringLiteral("SCRN1HIS2"), {}, nullptr, &error,
                                  [&](TGame &game) {
                                      created = true;
                                      EXPECT_EQ(game.HomeTeam().OnCourt.Count(), 1);
                                      app.SetScreen(&screen);
                                  }))
        << error.toStdString();
    EXPECT_TRUE(created);
    // The step's line first on both sides, as the game showed it.
    ASSERT_EQ(screen.history(1).size(), 2);
    EXPECT_EQ(screen.history(1).last().Text, QStringLiteral("0.m 4 Kiss: sikeres távoli"));
    ASSERT_EQ(screen.history(2).size(), 2);
    EXPECT_EQ(screen.history(2).last().Text, QStringLiteral("0.m 5 Nagy: labdaszerzés"));
}
