#include "ScreenFixture.h"

#include "support/TestHome.h"

#include <QFile>

// Opening, activation, saving and closing of the court screen.
class Lifecycle : public ScreenFixture
{
protected:
    QPoint region(int number) const
    {
        const THotRegion &r = screen.HotRegions().At(number);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(Lifecycle, OpeningStartsTheTimersOfTheSettings)
{
    OpenGame(QStringLiteral("AUTO_SAVE_PERC=2 LIGHT_SIGNAL_TIMEOUT=5"));
    EXPECT_TRUE(screen.AutoSaveTimer().isActive());
    EXPECT_EQ(screen.AutoSaveTimer().interval(), 120000);
    EXPECT_EQ(screen.ActiveAITimer().interval(), 5000);
    EXPECT_FALSE(screen.ActiveAITimer().isActive());
    EXPECT_TRUE(screen.HomePointerShown());
    EXPECT_FALSE(screen.CourtHorizontal);
}

TEST_F(Lifecycle, NoAutomaticSaveWhenSwitchedOff)
{
    OpenGame(QStringLiteral("AUTO_SAVE=NO INPUT=INPUT_KEYBOARD"));
    EXPECT_FALSE(screen.AutoSaveTimer().isActive());
    EXPECT_FALSE(screen.HomePointerShown());
}

TEST_F(Lifecycle, AutomaticSaveSavesOnceAndReleasesTheButtons)
{
    OpenGame();
    const int saves = store.Saves;
    screen.AutoSave();
    EXPECT_EQ(store.Saves, saves + 1);
    EXPECT_FALSE(screen.AutoSaver().Saving);
    EXPECT_TRUE(screen.Items().Find(QStringLiteral("imgSaveHomeTeam"))->Enabled);
    EXPECT_TRUE(screen.Items().Find(QStringLiteral("imgSaveAwayTeam"))->Enabled);
}

TEST_F(Lifecycle, SaveButtonsAreIgnoredDuringTheAutomaticSave)
{
    OpenGame();
    int saves = store.Saves;
    homeClick(region(14));
    awayClick(centreOf(QStringLiteral("imgSaveAwayTeam")));
    EXPECT_EQ(store.Saves, saves + 2);
    screen.AutoSaver().Saving = true;
    saves = store.Saves;
    homeClick(region(14));
    EXPECT_EQ(store.Saves, saves);
}

TEST_F(Lifecycle, ExitAsksThenSavesAndEndsTheApplication)
{
    OpenGame();
    const int saves = store.Saves;
    // One click is not enough: a No leaves the screen as it was.
    prompter.Answer = false;
    homeClick(region(30));
    awayClick(centreOf(QStringLiteral("imgAwayTeamExit")));
    EXPECT_EQ(host.Ends, 0);
    EXPECT_EQ(store.Saves, saves);
    ASSERT_EQ(prompter.Messages.size(), 2);
    EXPECT_TRUE(prompter.Messages.first().startsWith(QStringLiteral("Exit Parquetix now?")));
    prompter.Answer = true;
    homeClick(region(30));
    EXPECT_EQ(store.Saves, saves + 1);
    EXPECT_EQ(host.Ends, 1);
    awayClick(centreOf(QStringLiteral("imgAwayTeamExit")));
    EXPECT_EQ(host.Ends, 2);
}

TEST_F(Lifecycle, ANewGameIsAnnouncedAtItsFirstTick)
{
    game.HeaderSent = true;
    OpenGame();
    // The first tick after opening sent the game header again.
    EXPECT_TRUE(game.HeaderSent);
    EXPECT_EQ(game.AllEvents.At(0)->Kind, Kind::Header);
}

TEST_F(Lifecycle, AGameUnderWayKeepsItsAnnouncement)
{
    OpenGame();
    run(QStringLiteral("tick\ntick"));
    ASSERT_GT(game.Clock, 1);
    TCourtScreen second(game);
    second.Open();
    EXPECT_TRUE(game.HeaderSent);
}

TEST_F(Lifecycle, FirstActivationAnnouncesTheScreenWhenOnline)
{
    OpenGame();
    game.Online = true;
    const int queued = game.OutgoingQueue.Count();
    screen.Activate();
    ASSERT_EQ(game.OutgoingQueue.Count(), queued + 1);
    EXPECT_EQ(game.OutgoingQueue.At(queued)->Kind, Kind::ScreenOpened);
    screen.Activate();
    EXPECT_EQ(game.OutgoingQueue.Count(), queued + 1);
}

TEST_F(Lifecycle, ActivationDuringTheIntermissionShowsTheClockButtons)
{
    OpenGame();
    run(QStringLiteral("minute\nminute\nminute\nminute\nminute"));
    ASSERT_EQ(game.Clock, 20);
    run(QStringLiteral("periodend"));
    game.ShowClockButtons(false);
    screen.Activate();
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("imgIdoCsapat1")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("imgFelidoVegeCsapat21")));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("imgQuarter1")));
}

TEST_F(Lifecycle, ClosingAlwaysAsksAndNamesUnsentMessages)
{
    OpenGame();
    prompter.Answer = false;
    EXPECT_FALSE(screen.ConfirmClose());
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages.first().startsWith(QStringLiteral("Close the court screen?")));
    prompter.Answer = true;
    EXPECT_TRUE(screen.ConfirmClose());
    prompter.Messages.clear();
    game.Online = true;
    ASSERT_FALSE(game.OutgoingQueue.IsEmpty());
    prompter.Answer = false;
    EXPECT_FALSE(screen.ConfirmClose());
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages.first().startsWith(QStringLiteral("Az mérkozes esemenyeinek elkuldese")));
    prompter.Answer = true;
    EXPECT_TRUE(screen.ConfirmClose());
    game.OutgoingQueue.Clear();
    EXPECT_TRUE(screen.ConfirmClose());
    ASSERT_EQ(prompter.Messages.size(), 3);
    EXPECT_TRUE(prompter.Messages.last().startsWith(QStringLiteral("Close the court screen?")));
}

TEST_F(Lifecycle, ShutdownSavesAndRemovesTheDumps)
{
    OpenGame();
    const int saves = store.Saves;
    screen.Shutdown();
    EXPECT_EQ(store.Saves, saves + 1);
    EXPECT_EQ(store.DumpDeletions, 1);
    EXPECT_FALSE(screen.AutoSaveTimer().isActive());
}

TEST_F(Lifecycle, EveryItemTheGameNamesHasItsPlaceOnTheScreen)
{
    QFile file(sourceFolder() + QStringLiteral("/demo/demo-game.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    game.TurnoverTypes = {{QStringLiteral("Bad pass"), 31}};
    game.FoulTypes = {{QStringLiteral("Shooting"), 41}};
    run(QString::fromUtf8(file.readAll()));
    screen.Open();
    EXPECT_EQ(screen.Items().UnplacedNames(), QStringList());
    EXPECT_GT(screen.History(1).Entries().size(), 5);
}
