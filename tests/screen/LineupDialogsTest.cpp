#include "ScreenFixture.h"

#include "desktop/court/ILineupDialogs.h"
#include "desktop/court/input/TKeyboardMap.h"
#include "model/corrections/IRosterSource.h"
#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TSetTimeLogic.h"
#include "model/corrections/TSubstitutionsLogic.h"
#include "model/game/TTeam.h"

#include <functional>

namespace {

// Answers the dialogs for the operator: each answer works on the logic the
// screen filled and says whether the dialog closed with OK.
class ScriptedDialogs : public ILineupDialogs
{
public:
    bool RunSubstitutions(TSubstitutionsLogic &logic) override
    {
        ++Opened;
        return Substitutions ? Substitutions(logic) : false;
    }
    bool RunSetTime(TSetTimeLogic &logic) override
    {
        ++Opened;
        return SetTime ? SetTime(logic) : false;
    }
    bool RunAddPlayer(TAddPlayerLogic &logic) override
    {
        ++Opened;
        Teams.append(logic.Team().SideNumber);
        return AddPlayer ? AddPlayer(logic) : false;
    }
    std::function<bool(TSubstitutionsLogic &)> Substitutions;
    std::function<bool(TSetTimeLogic &)> SetTime;
    std::function<bool(TAddPlayerLogic &)> AddPlayer;
    int Opened = 0;
    QList<int> Teams;
};

class FixedRoster : public IRosterSource
{
public:
    QList<TPlayer> Candidates(const TTeam &team) override
    {
        QList<TPlayer> list;
        for (TPlayer p : Players) {
            p.JatekosID += team.SideNumber * 100;
            list.append(TAddPlayerLogic::CandidateRecord(p, team));
        }
        return list;
    }
    bool CreatePlayer(const TTeam &, TPlayer *) override { return false; }
    QList<TPlayer> Players;
};

class LineupDialogs : public ScreenFixture
{
protected:
    void SetUp() override
    {
        screen.SetLineupDialogs(&dialogs);
        screen.SetRosterSource(&roster);
        TPlayer p;
        p.JatekosID = 31;
        p.WebID = QStringLiteral("W31");
        p.JatekosMezSzam = 33;
        p.JatekosNev = QStringLiteral("UJ Elek");
        roster.Players.append(p);
    }

    QList<int> onCourt(int side)
    {
        QList<int> jerseys;
        for (int i = 0; i < game.Team(side).OnCourt.Count(); ++i)
            jerseys.append(game.Team(side).OnCourt.At(i)->JatekosMezSzam);
        return jerseys;
    }

    ScriptedDialogs dialogs;
    FixedRoster roster;
};

TEST_F(LineupDialogs, SpaceSubstitutesWithEveryInputAndClearsTheSelections)
{
    for (const char *input : {"INPUT_KEYBOARD", "INPUT_SERIALMOUSE", "INPUT_SYSTEMMOUSE"}) {
        game.HomeTeam().ClearRoster();
        game.AwayTeam().ClearRoster();
        OpenGame(QStringLiteral("INPUT=") + QLatin1String(input));
        select(1, 7);
        select(2, 8);
        const int before = mark();
        dialogs.Substitutions = [](TSubstitutionsLogic &logic) {
            // Home slot 4 holds 15, the bench player; the away line-up stays.
            logic.Hotkey(1, 4);
            logic.DoubleClick(1, TSubstitutionsLogic::Available, 0);
            logic.DoubleClick(1, TSubstitutionsLogic::Available, 0);
            logic.LastFive(2);
            return logic.OkEnabled();
        };
        key(TKeyboardMap::Space);
        EXPECT_EQ(kindsSince(before), QList<int>({Kind::Substitution})) << input;
        EXPECT_EQ(onCourt(1), QList<int>({4, 7, 15})) << input;
        EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1MezSzam_3")), QStringLiteral("15")) << input;
        EXPECT_EQ(game.HomeTeam().ActiveIndex, -1) << input;
        EXPECT_EQ(game.AwayTeam().ActiveIndex, -1) << input;
        EXPECT_EQ(screen.Items().Find(QStringLiteral("lblCsapat2JatekosNev_2"))->Color, TCourtScreen::Black);
    }
}

TEST_F(LineupDialogs, CancelledSubstitutionsChangeNothingButTheSelection)
{
    OpenGame();
    select(1, 4);
    const int before = mark();
    const int counter = game.EventCounter;
    dialogs.Substitutions = [](TSubstitutionsLogic &logic) {
        logic.Hotkey(1, 4);
        return false;
    };
    key(TKeyboardMap::Space);
    EXPECT_EQ(dialogs.Opened, 1);
    EXPECT_EQ(kindsSince(before), QList<int>());
    EXPECT_EQ(game.EventCounter, counter);
    EXPECT_EQ(onCourt(1), QList<int>({4, 7, 10}));
    EXPECT_EQ(game.HomeTeam().ActiveIndex, -1);
}

TEST_F(LineupDialogs, DeleteSendsTheOfficialTime)
{
    OpenGame(QStringLiteral("INPUT=INPUT_SERIALMOUSE"));
    dialogs.SetTime = [](TSetTimeLogic &logic) {
        logic.TypeOver(QStringLiteral("330"));
        logic.LeaveField();
        return true;
    };
    const int all = game.AllEvents.Count();
    key(TKeyboardMap::Delete);
    const TGameEvent *sent = game.OutgoingQueue.At(game.OutgoingQueue.Count() - 1);
    EXPECT_EQ(sent->Message, QStringLiteral("/income/index.phtml?kod=6001&id=%1&szkod=ABC1DEF2&time=0330"
                                            "&time=20261209183005")
                                 .arg(game.EventCounter));
    EXPECT_EQ(game.AllEvents.Count(), all);
    // Cancelled: nothing queued.
    const int queued = game.OutgoingQueue.Count();
    dialogs.SetTime = [](TSetTimeLogic &) { return false; };
    key(TKeyboardMap::Delete);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
}

// A right click on a bench row without a player opens the dialog for that
// team; with a player, or with the left button, it does not.
TEST_F(LineupDialogs, RightClickOnAnEmptyBenchRowAddsPlayers)
{
    OpenGame();
    dialogs.AddPlayer = [](TAddPlayerLogic &logic) {
        logic.SelectPlayer(0);
        return logic.Move();
    };
    const int saves = store.Saves;
    homeClick(centreOf(QStringLiteral("lblCsapat1JatekosNev_6")), TCourtScreen::RightButton);
    homeClick(centreOf(QStringLiteral("lblCsapat1JatekosNev_7")), TCourtScreen::LeftButton);
    awayClick(centreOf(QStringLiteral("lblCsapat2JatekosNev_6")), TCourtScreen::RightButton);
    EXPECT_EQ(dialogs.Opened, 0);

    homeClick(centreOf(QStringLiteral("lblCsapat1JatekosNev_9")), TCourtScreen::RightButton);
    awayClick(centreOf(QStringLiteral("lblCsapat2MezSzam_8")), TCourtScreen::RightButton);
    EXPECT_EQ(dialogs.Teams, QList<int>({1, 2}));
    for (int side : {1, 2}) {
        EXPECT_EQ(game.Team(side).Bench.Count(), 2) << side;
        EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat%1JatekosNev_7").arg(side)),
                  QStringLiteral("UJ Elek"));
        EXPECT_EQ(player(side, 33).JatekosID, 31 + side * 100);
    }
    EXPECT_EQ(store.Saves, saves + 2);
    // The candidate is on the bench now: the next dialog does not offer it.
    dialogs.AddPlayer = [](TAddPlayerLogic &logic) { return logic.Players().isEmpty(); };
    homeClick(centreOf(QStringLiteral("lblCsapat1JatekosNev_9")), TCourtScreen::RightButton);
    EXPECT_EQ(game.HomeTeam().Bench.Count(), 2);
}

TEST_F(LineupDialogs, WithoutDialogsTheKeysDoNothing)
{
    OpenGame();
    screen.SetLineupDialogs(nullptr);
    const int counter = game.EventCounter;
    const int queued = game.OutgoingQueue.Count();
    key(TKeyboardMap::Space);
    key(TKeyboardMap::Delete);
    homeClick(centreOf(QStringLiteral("lblCsapat1JatekosNev_9")), TCourtScreen::RightButton);
    EXPECT_EQ(game.EventCounter, counter);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
    EXPECT_EQ(dialogs.Opened, 0);
}

} // namespace
