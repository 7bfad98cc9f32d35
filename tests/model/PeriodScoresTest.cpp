#include "model/GameFixture.h"

namespace {

class PeriodScoresTest : public GameFixture
{
};

// Two five-minute periods and a two-minute overtime; boundaries are inclusive
// at the end of a period.
TEST_F(PeriodScoresTest, OnePassGivesEachPeriodsScore)
{
    SetUpRoster(5);
    run(QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    ticks(19);
    run(QStringLiteral("select home 4\nshot home made mid 88 120")); // clock 20: still period 1
    ticks(1);
    run(QStringLiteral("select away 5\nshot away made three 30 200")); // clock 21: period 2
    ticks(19);
    ticks(1); // clock 41, after the overtime question
    ASSERT_EQ(game.Clock, 41);
    run(QStringLiteral("select home 4\nshot home made freethrow"));

    const QList<TGame::Score> scores = game.PeriodScores(5);
    const QList<TGame::Score> expected = {{4, 0}, {0, 3}, {1, 0}, {0, 0}, {0, 0}};
    EXPECT_EQ(scores, expected);
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(scores[n - 1], game.PeriodScore(n)) << "period " << n;
}

} // namespace
