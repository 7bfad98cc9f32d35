#include "GameFixture.h"

#include "model/statistics/TEventReplay.h"
#include "model/statistics/TSideTotals.h"

class PeriodTotals : public GameFixture
{
protected:
    void SetUp() override { SetUpRoster(10); }

    TTeamTotals period(int side, int n)
    {
        TTeamTotals t;
        TSideTotals::PeriodTotals(game, side, n, true, t);
        return t;
    }
    // Every counter the replays write, summed: zero only when all are zero.
    static int sum(const TTeamTotals &t)
    {
        return t.Points + t.MissedPoints + t.CloseMade + t.CloseMissed + t.MidMade + t.MidMissed +
               t.ThreeMade + t.ThreeMissed + t.FreeThrowsMade + t.FreeThrowsMissed + t.DefRebounds +
               t.OffRebounds + t.Steals + t.Turnovers + t.PersonalFouls + t.FoulsDrawn + t.Assists +
               t.Blocks + t.BlocksReceived + t.Rating + t.DunksMade + t.DunksMissed + t.TechnicalFouls;
    }
};

TEST(EventReplay, AClockStepCountsInTheStretchItLeadsInto)
{
    // Stretches of ten-minute quarters: (0, 40], (40, 80], ..., then overtimes of 20.
    const TPeriodRule quarters(10);
    const struct
    {
        int Kind, Clock, Period;
    } cases[] = {
        {Kind::ShotMade, 1, 1},
        {Kind::ShotMade, 40, 1},
        {Kind::ShotMade, 41, 2},
        {Kind::ShotMade, 160, 4},
        {Kind::ShotMade, 161, 5},
        {Kind::ShotMade, 201, 7},
        // A step stores the clock before it: 0 -> 1 is the first of period 1,
        // 40 -> 41 the first of period 2.
        {Kind::ClockStep, 0, 1},
        {Kind::ClockStep, 39, 1},
        {Kind::ClockStep, 40, 2},
        {Kind::ClockStep, 160, 5},
    };
    for (const auto &c : cases) {
        const TGameEvent event(1, c.Kind, 1, c.Kind == Kind::ClockStep ? Side::None : Side::HomePlayer,
                               c.Clock);
        EXPECT_EQ(TEventReplay::PeriodOf(event, quarters), c.Period) << c.Kind << " at " << c.Clock;
        EXPECT_TRUE(TEventReplay::InPeriod(event, c.Period, quarters));
        EXPECT_FALSE(TEventReplay::InPeriod(event, c.Period + 1, quarters));
    }
    // Five-minute periods: the first overtime (clock 41 to 48) is the third stretch, the second the fourth.
    const TGameEvent shot(1, Kind::ShotMade, 1, Side::HomePlayer, 45);
    EXPECT_EQ(TEventReplay::PeriodOf(shot, TPeriodRule(5)), 3);
    const TGameEvent late(1, Kind::ShotMade, 1, Side::HomePlayer, 49);
    EXPECT_EQ(TEventReplay::PeriodOf(late, TPeriodRule(5)), 4);
}

TEST(EventReplay, SubstitutionIdentifiersComeFromTheMessage)
{
    QString in, out;
    EXPECT_TRUE(TEventReplay::SubstitutionIds(
        QStringLiteral("/x?kod=1011&id=9&szkod=C&jatekosbe=H14&jatekoski=H11&csapat=T1&time=1"), &in, &out));
    EXPECT_EQ(in, QStringLiteral("H14"));
    EXPECT_EQ(out, QStringLiteral("H11"));
    // The last value runs to the end of the message.
    EXPECT_TRUE(TEventReplay::SubstitutionIds(QStringLiteral("jatekoski=&jatekosbe=A9"), &in, &out));
    EXPECT_EQ(in, QStringLiteral("A9"));
    EXPECT_EQ(out, QString());
    EXPECT_FALSE(TEventReplay::SubstitutionIds(QStringLiteral("kod=1011&jatekosbe=H14"), &in, &out));
}

TEST_F(PeriodTotals, ShotsAtThePeriodBoundaries)
{
    ticks(40);
    run(QStringLiteral("select home 4\nshot home made mid 100 100")); // clock 40: period 1
    run(QStringLiteral("periodend"));
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made three 20 200")); // clock 41: period 2
    for (int p = 2; p <= 4; ++p) {
        ticks(p * 40 - game.Clock);
        run(QStringLiteral("periodend"));
    }
    ticks(40);                                                      // overtimes confirmed: clock 200
    run(QStringLiteral("select home 7\nshot home made freethrow")); // clock 200: the second overtime
    ticks(1);
    run(QStringLiteral("select home 10\nshot home made close 120 30")); // clock 201: the third
    ASSERT_EQ(game.Clock, 201);

    const TTeamTotals p1 = period(1, 1);
    EXPECT_EQ(p1.Points, 2);
    EXPECT_EQ(p1.MidMade, 1);
    EXPECT_EQ(sum(p1), 3);
    const TTeamTotals p2 = period(1, 2);
    EXPECT_EQ(p2.Points, 3);
    EXPECT_EQ(p2.ThreeMade, 1);
    EXPECT_EQ(sum(p2), 4);
    EXPECT_EQ(sum(period(1, 3)), 0);
    EXPECT_EQ(sum(period(1, 4)), 0);
    // Overtimes of five minutes: 161-180, 181-200, 201-220.
    EXPECT_EQ(sum(period(1, 5)), 0);
    const TTeamTotals ot2 = period(1, 6);
    EXPECT_EQ(ot2.Points, 1);
    EXPECT_EQ(ot2.FreeThrowsMade, 1);
    EXPECT_EQ(sum(ot2), 2);
    const TTeamTotals ot3 = period(1, 7);
    EXPECT_EQ(ot3.Points, 2);
    EXPECT_EQ(ot3.CloseMade, 1);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Points, 8);
    EXPECT_EQ(sum(period(2, 1)) + sum(period(2, 2)) + sum(period(2, 5)), 0);
}

TEST_F(PeriodTotals, HalfTotalsByClearingOnlyOnTheFirstCall)
{
    ticks(1);
    run(QStringLiteral(R"(
select home 4
shot home made mid 100 100
teammode home
event home 1001
select away 5
shot away made three 20 200
)"));
    ticks(40); // clock 41
    run(QStringLiteral(R"(
select home 7
shot home made close 120 30
select home 10
shot home missed three 20 200
teammode away
event away 1002
)"));
    ticks(40); // clock 81
    run(QStringLiteral("select home 4\nshot home made freethrow"));

    TTeam &target = game.AwayTeam(); // any team serves as the target
    TSideTotals::PeriodTotals(game, 1, 1, true, target);
    TSideTotals::PeriodTotals(game, 1, 2, false, target);
    const TTeamTotals &half = target.Data.Totals;
    EXPECT_EQ(half.Points, 4);
    EXPECT_EQ(half.MidMade, 1);
    EXPECT_EQ(half.CloseMade, 1);
    EXPECT_EQ(half.ThreeMissed, 1);
    EXPECT_EQ(half.DefRebounds, 1);  // the team's own rebound counts with its players'
    EXPECT_EQ(half.MissedPoints, 0); // never replayed
    EXPECT_EQ(half.Steals, 0);       // the away team's steal is not the home side's
    EXPECT_EQ(sum(half), 8);

    TSideTotals::PeriodTotals(game, 1, 3, true, target);
    EXPECT_EQ(half.Points, 1);
    EXPECT_EQ(sum(half), 2);
}

TEST_F(PeriodTotals, ClearingKeepsIndirectStealsAndMarkPoints)
{
    TTeamTotals t;
    int v = 1;
    for (qint32 *f : {&t.Points,          &t.MissedPoints,
                      &t.CloseMade,       &t.CloseMissed,
                      &t.MidMade,         &t.MidMissed,
                      &t.ThreeMade,       &t.ThreeMissed,
                      &t.FreeThrowsMade,  &t.FreeThrowsMissed,
                      &t.DefRebounds,     &t.OffRebounds,
                      &t.Steals,          &t.Turnovers,
                      &t.PersonalFouls,   &t.FoulsDrawn,
                      &t.Assists,         &t.Blocks,
                      &t.BlocksReceived,  &t.Rating,
                      &t.IndirectSteals,  &t.DunksMade,
                      &t.DunksMissed,     &t.TechnicalFouls,
                      &t.FastBreakPoints, &t.SecondChancePoints})
        *f = v++;
    ticks(10); // no overtime played: period 5 is empty
    TSideTotals::PeriodTotals(game, 2, 5, true, t);
    EXPECT_EQ(sum(t), 0);
    EXPECT_EQ(t.IndirectSteals, 21);
    EXPECT_EQ(t.FastBreakPoints, 25);
    EXPECT_EQ(t.SecondChancePoints, 26);
}

TEST_F(PeriodTotals, TechnicalFoulsAndDunks)
{
    ticks(1);
    run(QStringLiteral(R"(
select away 8
event away 1019
event away 1008
shot away made dunk 120 20
shot away missed dunk 120 20
teammode away
event away 1019
)"));
    const TTeamTotals t = period(2, 1);
    EXPECT_EQ(t.PersonalFouls, 3);
    EXPECT_EQ(t.TechnicalFouls, 0);
    EXPECT_EQ(t.CloseMade, 1);
    EXPECT_EQ(t.DunksMade, 1);
    EXPECT_EQ(t.Points, 2);
    EXPECT_EQ(t.CloseMissed, 1);
    EXPECT_EQ(t.DunksMissed, 1);
    EXPECT_EQ(sum(t), 9);
    // The live totals count the technical fouls and no missed dunk.
    EXPECT_EQ(game.AwayTeam().Data.Totals.TechnicalFouls, 2);
    EXPECT_EQ(game.AwayTeam().Data.Totals.DunksMissed, 0);
}

TEST_F(PeriodTotals, StartersAndBenchOverTheWholeGame)
{
    ticks(1);
    run(QStringLiteral(R"(
select home 4
shot home made mid 100 100
teammode home
event home 1002
sub home 4 15
select home 15
shot home made three 20 200
select home 7
event home 1004
event home 1019
select away 5
shot away made close 120 30
)"));
    ticks(40); // group totals know no periods
    run(QStringLiteral("select home 15\nevent home 1001"));

    TTeamTotals starters;
    TTeamTotals bench;
    TSideTotals::GroupTotals(game, 1, TSideTotals::Starters, starters);
    TSideTotals::GroupTotals(game, 1, TSideTotals::Bench, bench);
    EXPECT_EQ(starters.Points, 2);
    EXPECT_EQ(starters.MidMade, 1);
    EXPECT_EQ(starters.Assists, 1);
    EXPECT_EQ(starters.PersonalFouls, 1);
    EXPECT_EQ(starters.Steals, 0); // a team event belongs to neither group
    EXPECT_EQ(sum(starters), 5);
    EXPECT_EQ(bench.Points, 3);
    EXPECT_EQ(bench.ThreeMade, 1);
    EXPECT_EQ(bench.DefRebounds, 1);
    EXPECT_EQ(sum(bench), 5);

    // Any group other than 1 is the bench; the team overloads write the totals block.
    TTeam &target = game.AwayTeam();
    TSideTotals::GroupTotals(game, 1, 7, target);
    EXPECT_EQ(target.Data.Totals, bench);
    TSideTotals::StarterTotals(game, 2, target);
    EXPECT_EQ(target.Data.Totals.Points, 2);
    EXPECT_EQ(target.Data.Totals.CloseMade, 1);
}

TEST_F(PeriodTotals, ALineUpChangedBeforeTheFirstStepChangesTheStarters)
{
    run(QStringLiteral("sub home 4 15")); // clock 0: only the Starter marks move
    ticks(1);
    run(QStringLiteral("select home 15\nshot home made three 20 200\nevent home 1006"));
    TTeamTotals starters;
    TTeamTotals bench;
    TSideTotals::GroupTotals(game, 1, TSideTotals::Starters, starters);
    TSideTotals::GroupTotals(game, 1, TSideTotals::Bench, bench);
    EXPECT_EQ(starters.Points, 3);
    EXPECT_EQ(starters.OffRebounds, 1);
    EXPECT_EQ(sum(bench), 0);
}
