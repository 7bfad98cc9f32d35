#include "GameFixture.h"

class GameStatistics : public GameFixture
{
protected:
    void SetUp() override
    {
        SetUpRoster(10);
        ticks(1);
    }
    void values(int maxLead, int minLead, int ties, int leadChanges, int homeRun, int awayRun)
    {
        const TGameStatistics &s = game.Statistics;
        EXPECT_EQ(s.MaxLead, maxLead);
        EXPECT_EQ(s.MinLead, minLead);
        EXPECT_EQ(s.Ties, ties);
        EXPECT_EQ(s.LeadChanges, leadChanges);
        EXPECT_EQ(s.MaxHomeRun, homeRun);
        EXPECT_EQ(s.MaxAwayRun, awayRun);
    }
};

TEST_F(GameStatistics, TwoTwoThree)
{
    run(QStringLiteral(R"(
select home 4
shot home made mid 100 100
select away 5
shot away missed three 20 200
shot away made close 120 30
select home 7
event home 1001
shot home made three 20 200
)"));
    game.Statistics.Compute();
    // Differences 2, 0, 3; leaders home, away (a tie), home.
    values(3, 0, 1, 3, 3, 2);
}

TEST_F(GameStatistics, AnAwayRunAndAGameNeverLedByTheHomeTeam)
{
    run(QStringLiteral(R"(
select away 8
shot away made three 20 200
select away 12
shot away made mid 100 100
select home 10
shot home made freethrow
shot home missed freethrow
shot home made freethrow
select away 5
shot away made dunk 120 20
)"));
    game.Statistics.Compute();
    // Differences -3, -5, -4, -3, -5: away leads throughout.
    values(0, -5, 0, 1, 2, 5);
}

TEST_F(GameStatistics, RecomputingStartsFromZero)
{
    game.Statistics.MaxLead = 9;
    game.Statistics.MinLead = -9;
    game.Statistics.Ties = 9;
    game.Statistics.LeadChanges = 9;
    game.Statistics.MaxHomeRun = 9;
    game.Statistics.MaxAwayRun = 9;
    run(QStringLiteral("select home 4\nshot home missed close 120 30\nevent home 1006"));
    game.Statistics.Compute();
    values(0, 0, 0, 0, 0, 0);
}

TEST_F(GameStatistics, EachTieCountsAndTheLeaderFlipsAtEveryOneOfThem)
{
    run(QStringLiteral(R"(
select home 4
shot home made freethrow
select away 5
shot away made freethrow
select home 4
shot home made freethrow
select away 5
shot away made freethrow
)"));
    game.Statistics.Compute();
    // Differences 1, 0, 1, 0: home, away, home, away.
    values(1, 0, 2, 4, 1, 1);
}
