#include "GameFixture.h"

#include "model/statistics/TPlusMinus.h"

class PlusMinus : public GameFixture
{
protected:
    void SetUp() override { SetUpRoster(10); }
    int pm(int side, int jersey) { return PlayerStats::PlusMinus(player(side, jersey)); }
};

TEST_F(PlusMinus, PositionsFollowASubstitutionInPeriodTwo)
{
    PlayerStats::AddPlusMinus(player(2, 21), 9); // a value from an earlier computation
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made three 20 200"));
    ticks(49);
    run(QStringLiteral(R"(
sub home 4 15
select home 15
shot home made close 120 30
select away 8
shot away made freethrow
)"));
    TPlusMinus::UpdatePlusMinus(game);
    EXPECT_EQ(pm(1, 4), 3);
    EXPECT_EQ(pm(1, 7), 4);
    EXPECT_EQ(pm(1, 10), 4);
    EXPECT_EQ(pm(1, 15), 1);
    EXPECT_EQ(pm(2, 5), -4);
    EXPECT_EQ(pm(2, 8), -4);
    EXPECT_EQ(pm(2, 12), -4);
    EXPECT_EQ(pm(2, 21), 0);
    // The positions are filled from the roster lists as they stand: 7 and 10
    // on court, then 4 from the bench, whom 15 replaced.
    EXPECT_EQ(game.HomeTeam().LineupTracking, (QList<int>{12, 13, 14}));
    // The live counters are left alone.
    EXPECT_EQ(player(1, 15).Points, 2);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Points, 5);

    // Recomputing gives the same values, not twice them.
    TPlusMinus::UpdatePlusMinus(game);
    EXPECT_EQ(pm(1, 7), 4);
}

TEST_F(PlusMinus, AWholeRunOfChanges)
{
    ticks(1);
    run(QStringLiteral(R"(
sub away 5 21
sub away 21 5
sub away 8 21
select away 12
shot away made mid 100 100
select home 4
shot home made freethrow
)"));
    TPlusMinus::UpdatePlusMinus(game);
    // Away on court after the run: 5, 21, 12.
    EXPECT_EQ(pm(2, 5), 1);
    EXPECT_EQ(pm(2, 21), 1);
    EXPECT_EQ(pm(2, 12), 1);
    EXPECT_EQ(pm(2, 8), 0);
    EXPECT_EQ(pm(1, 4), -1);
    EXPECT_EQ(pm(1, 15), 0);
}

TEST_F(PlusMinus, UnknownPlayersAndEmptyPositionsAreSkipped)
{
    // Only two home starters: the third position stays empty.
    player(1, 10).Starter = 0;
    ticks(1);
    TGameEvent *sub = game.NewEvent(++game.EventCounter, Kind::Substitution, 0, Side::HomePlayer);
    sub->SetMessage(QStringLiteral("/x?kod=1011&jatekosbe=H14&jatekoski=NOBODY&csapat=T1"));
    game.QueueEvent(sub);
    run(QStringLiteral("select home 10\nshot home made three 20 200"));
    TPlusMinus::UpdatePlusMinus(game);
    EXPECT_EQ(pm(1, 4), 3);
    EXPECT_EQ(pm(1, 7), 3);
    EXPECT_EQ(pm(1, 10), 0); // scored, but was never tracked
    EXPECT_EQ(pm(1, 15), 0);
    EXPECT_EQ(pm(2, 12), -3);
    EXPECT_EQ(game.HomeTeam().LineupTracking, (QList<int>{11, 12, -1}));
}
