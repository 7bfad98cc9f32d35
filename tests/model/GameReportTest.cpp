#include "GameFixture.h"

#include "model/statistics/TGameReport.h"
#include "support/TestHome.h"

#include <QFile>

class GameReport : public GameFixture
{
protected:
    void SetUp() override { SetUpRoster(10); }

    std::unique_ptr<TGameReport> report(std::initializer_list<int> periods)
    {
        auto r = std::make_unique<TGameReport>(game);
        for (int n : periods)
            r->PeriodFlags[size_t(n - 1)] = true;
        r->Build();
        return r;
    }
    static const TPlayer &copy(const TPlayerList &list, int jersey)
    {
        const int at = list.IndexOf(QString::number(jersey));
        if (at < 0)
            throw std::runtime_error("no report copy");
        return *list.At(at);
    }
    // The clock steps up to the end of period 1, then ten more, then a
    // home change 4 -> 15 at clock 50 and six more steps.
    void substitutionInPeriodTwo()
    {
        ticks(1);
        run(QStringLiteral("select home 4\nshot home made three 20 200")); // clock 1
        ticks(39);
        run(QStringLiteral("periodend"));
        ticks(10);
        run(QStringLiteral("sub home 4 15")); // clock 50
        ticks(6);
        run(QStringLiteral("select home 15\nshot home made close 120 30")); // clock 56
    }
};

TEST_F(GameReport, EachStepCountsInThePeriodItLeadsInto)
{
    ticks(41); // steps 0 -> 1 to 40 -> 41
    const auto p1 = report({1});
    for (int jersey : {4, 7, 10})
        EXPECT_EQ(copy(p1->HomePlayers, jersey).PlayingTime, 40) << jersey;
    for (int jersey : {5, 8, 12})
        EXPECT_EQ(copy(p1->AwayPlayers, jersey).PlayingTime, 40) << jersey;
    EXPECT_EQ(copy(p1->HomePlayers, 15).PlayingTime, 0);
    EXPECT_EQ(player(1, 4).PlayingTime, 41);

    // The step from 40 to 41 opens period 2.
    const auto p2 = report({2});
    EXPECT_EQ(copy(p2->HomePlayers, 4).PlayingTime, 1);
    const auto both = report({1, 2});
    EXPECT_EQ(copy(both->HomePlayers, 4).PlayingTime, player(1, 4).PlayingTime);
}

TEST_F(GameReport, APlayerSubstitutedInDuringPeriodTwo)
{
    substitutionInPeriodTwo();
    const auto p2 = report({2});
    const TPlayerList &home = p2->HomePlayers;
    EXPECT_EQ(copy(home, 15).PlayingTime, 6); // the steps 50 -> 51 to 55 -> 56
    EXPECT_EQ(copy(home, 15).Points, 2);
    EXPECT_EQ(copy(home, 15).CloseMade, 1);
    EXPECT_EQ(copy(home, 4).PlayingTime, 10); // the steps 40 -> 41 to 49 -> 50
    EXPECT_EQ(copy(home, 4).Points, 0);
    EXPECT_EQ(copy(home, 7).PlayingTime, 16);
    EXPECT_EQ(copy(home, 10).PlayingTime, 16);
    EXPECT_EQ(copy(p2->AwayPlayers, 5).PlayingTime, 16);
    EXPECT_EQ(copy(p2->AwayPlayers, 21).PlayingTime, 0);
    EXPECT_EQ(p2->HomeTotals.Data.Totals.Points, 2);

    const auto p1 = report({1});
    EXPECT_EQ(copy(p1->HomePlayers, 4).PlayingTime, 40);
    EXPECT_EQ(copy(p1->HomePlayers, 4).Points, 3);
    EXPECT_EQ(copy(p1->HomePlayers, 15).PlayingTime, 0);

    const auto both = report({1, 2});
    EXPECT_EQ(copy(both->HomePlayers, 4).PlayingTime, 50);
    EXPECT_EQ(copy(both->HomePlayers, 7).PlayingTime, 56);
    EXPECT_EQ(copy(both->HomePlayers, 7).PlayingTime, player(1, 7).PlayingTime);
    EXPECT_EQ(copy(both->HomePlayers, 15).PlayingTime, 6);
    EXPECT_EQ(both->HomeTotals.Data.Totals.Points, 5);
    EXPECT_EQ(both->HomeTotals.Data.Totals.ThreeMade, 1);
    EXPECT_TRUE(prompter.Messages.isEmpty()) << prompter.Messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(GameReport, TeamEventsGoToTheTeamLineAndEveryEventToTheTotals)
{
    ticks(1);
    run(QStringLiteral(R"(
teammode away
event away 1006
event away 1019
select away 12
shot away made freethrow
event away 1019
timeout away
)"));
    ticks(40);
    run(QStringLiteral("teammode away\nevent away 1007")); // period 2

    const auto r = report({1});
    EXPECT_EQ(r->AwayTotals.Data.EgyesuletNev, QStringLiteral("Away Team"));
    EXPECT_EQ(r->HomeTotals.Data.EgyesuletNev, QStringLiteral("Home Team"));
    const TPlayer &line = r->AwayTotals.TeamLine;
    EXPECT_EQ(line.OffRebounds, 1);
    EXPECT_EQ(line.PersonalFouls, 1);
    EXPECT_EQ(line.TechnicalFouls, 0);
    EXPECT_EQ(line.Turnovers, 0);
    EXPECT_EQ(line.Points, 0);
    const TTeamTotals &t = r->AwayTotals.Data.Totals;
    EXPECT_EQ(t.OffRebounds, 1);
    EXPECT_EQ(t.PersonalFouls, 2);
    EXPECT_EQ(t.TechnicalFouls, 0);
    EXPECT_EQ(t.Points, 1);
    EXPECT_EQ(t.FreeThrowsMade, 1);
    EXPECT_EQ(t.Turnovers, 0);
    const TPlayer &p12 = copy(r->AwayPlayers, 12);
    EXPECT_EQ(p12.PersonalFouls, 1);
    EXPECT_EQ(p12.TechnicalFouls, 0);
    EXPECT_EQ(p12.Rating, 0);
    EXPECT_EQ(r->HomeTotals.Data.Totals.PersonalFouls, 0);
}

TEST_F(GameReport, CopiesHoldMasterDataOnlyAndShareAJersey)
{
    run(QStringLiteral("player home id=19 webid=H19 jersey=4 name=\"Twin Four\" bench"));
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made mid 100 100"));

    TGameReport r(game);
    TPlayer *first = r.PlayerCopy(11, r.HomePlayers, game.HomeTeam());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->JatekosMezSzam, 4);
    EXPECT_EQ(first->JatekosNev, QStringLiteral("KOVACS Janos"));
    EXPECT_EQ(first->JatekosID, 11);
    EXPECT_EQ(first->WebID, QStringLiteral("H11"));
    EXPECT_EQ(first->Starter, 1);
    EXPECT_EQ(first->Points, 0); // the live points stay in the game
    EXPECT_EQ(first->PlayingTime, 0);
    EXPECT_EQ(r.PlayerCopy(19, r.HomePlayers, game.HomeTeam()), first);
    EXPECT_EQ(r.PlayerCopy(99, r.HomePlayers, game.HomeTeam()), nullptr);
    EXPECT_EQ(r.PlayerCopy(21, r.HomePlayers, game.HomeTeam()), nullptr); // an away player
    EXPECT_EQ(r.HomePlayers.Count(), 1);

    // With no period chosen every roster player still gets a bare copy.
    r.Build();
    EXPECT_EQ(r.HomePlayers.Count(), 4); // jerseys 4, 7, 10, 15
    EXPECT_EQ(r.AwayPlayers.Count(), 4);
    const TPlayer &p15 = copy(r.HomePlayers, 15);
    EXPECT_EQ(p15.JatekosNev, QStringLiteral("BALOGH Adam"));
    EXPECT_EQ(p15.JatekosID, 14);
    EXPECT_TRUE(p15.WebID.isEmpty());
    EXPECT_EQ(p15.Starter, 0);
    const TPlayer &p5 = copy(r.AwayPlayers, 5);
    EXPECT_TRUE(p5.WebID.isEmpty());
    EXPECT_EQ(p5.Starter, 0);
    // Sorted by the jersey as text.
    EXPECT_EQ(r.AwayPlayers.KeyAt(0), QStringLiteral("12"));
    EXPECT_EQ(r.AwayPlayers.KeyAt(3), QStringLiteral("8"));
}

TEST_F(GameReport, ABadEventIsReportedByItsPositionAndTheReplayGoesOn)
{
    ticks(1);
    run(QStringLiteral("select home 7\nshot home made three 20 200"));
    // A player event of a player no longer in the roster and a substitution
    // whose message was lost.
    TGameEvent *stray = game.NewEvent(++game.EventCounter, Kind::Steal, 0, Side::HomePlayer);
    stray->PlayerId = 77;
    game.QueueEvent(stray);
    TGameEvent *sub = game.NewEvent(++game.EventCounter, Kind::Substitution, 14, Side::HomePlayer);
    game.QueueEvent(sub);
    run(QStringLiteral("select home 7\nshot home made mid 100 100"));
    const int strayAt = game.AllEvents.IndexOf(stray->Id);
    const int subAt = game.AllEvents.IndexOf(sub->Id);

    const auto r = report({1});
    EXPECT_EQ(prompter.Messages, (QStringList{QString::number(strayAt), QString::number(subAt)}));
    EXPECT_EQ(copy(r->HomePlayers, 7).Points, 5);
    EXPECT_EQ(r->HomeTotals.Data.Totals.Steals, 0);
}

TEST_F(GameReport, ASubstitutionOfUnknownPlayersChangesNobody)
{
    ticks(1);
    TGameEvent *sub = game.NewEvent(++game.EventCounter, Kind::Substitution, 0, Side::HomePlayer);
    sub->SetMessage(QStringLiteral("/x?kod=1011&jatekosbe=NOBODY&jatekoski=H11&csapat=T1"));
    game.QueueEvent(sub);
    ticks(4);
    const auto r = report({1});
    EXPECT_TRUE(prompter.Messages.isEmpty());
    EXPECT_EQ(copy(r->HomePlayers, 4).PlayingTime, 5); // every step, the first included
}

TEST_F(GameReport, OvertimeIsThePeriodAfterTheFourth)
{
    for (int p = 1; p <= 4; ++p) {
        ticks(40);
        run(QStringLiteral("periodend"));
    }
    run(QStringLiteral("set ANSWER=no\ntick\nset ANSWER=yes")); // refused: the clock stays at 160
    ASSERT_EQ(game.Clock, 160);
    ticks(10);
    run(QStringLiteral("select away 12\nshot away made three 20 200")); // clock 170
    ticks(10);
    ASSERT_EQ(game.Clock, 180);

    const auto ot = report({5});
    EXPECT_EQ(copy(ot->AwayPlayers, 12).PlayingTime, 20); // the steps 160 -> 161 to 179 -> 180
    EXPECT_EQ(copy(ot->AwayPlayers, 12).Points, 3);
    EXPECT_EQ(copy(ot->HomePlayers, 4).PlayingTime, 20);
    EXPECT_EQ(ot->AwayTotals.Data.Totals.Points, 3);
    // The declined step took no time: period 4 keeps its forty steps.
    const auto p4 = report({4});
    EXPECT_EQ(copy(p4->HomePlayers, 4).PlayingTime, 40);
}

TEST_F(GameReport, AllPeriodsOfTheDemoGameAddUpToTheLiveCounters)
{
    QFile demo(sourceFolder() + QStringLiteral("/demo/demo-game.txt"));
    ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
    TGame demoGame(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock});
    demoGame.SetScreen(&screen);
    TGameScript demoScript(demoGame, screen);
    ASSERT_TRUE(demoScript.Run(QString::fromUtf8(demo.readAll()))) << demoScript.Error().toStdString();

    const qsizetype messages = prompter.Messages.size();
    TGameReport r(demoGame);
    r.PeriodFlags.assign(r.PeriodFlags.size(), true);
    r.Build();
    for (TTeam *team :
         {static_cast<TTeam *>(&demoGame.HomeTeam()), static_cast<TTeam *>(&demoGame.AwayTeam())}) {
        const TPlayerList &copies = team->SideNumber == 1 ? r.HomePlayers : r.AwayPlayers;
        for (const TPlayerList *list : {&team->OnCourt, &team->Bench})
            for (int i = 0; i < list->Count(); ++i) {
                const TPlayer &live = *list->At(i);
                const TPlayer &c = copy(copies, live.JatekosMezSzam);
                EXPECT_EQ(c.Points, live.Points) << live.JatekosNev.toStdString();
                EXPECT_EQ(c.DefRebounds + c.OffRebounds, live.DefRebounds + live.OffRebounds);
                EXPECT_EQ(c.PersonalFouls, live.PersonalFouls);
            }
        const TTeam &reportTeam =
            team->SideNumber == 1 ? static_cast<const TTeam &>(r.HomeTotals) : r.AwayTotals;
        EXPECT_EQ(reportTeam.Data.Totals.Points, team->Data.Totals.Points);
        EXPECT_EQ(reportTeam.TeamLine.DefRebounds, team->TeamLine.DefRebounds);
    }
    EXPECT_EQ(prompter.Messages.size(), messages);
}
