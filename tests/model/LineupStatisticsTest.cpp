#include "GameFixture.h"

#include "model/statistics/TLineupStatistics.h"
#include "model/statistics/TTrackedSlots.h"

class LineupStatistics : public GameFixture
{
protected:
    void SetUp() override { SetUpRoster(10); }

    void compute() { TLineupStatistics(game).LineupStatistics(home, away); }
    static QStringList ids(const ToCsereSorok &r)
    {
        QStringList l;
        for (const TQuintetPlayer &m : r.Members)
            l.append(m.WebID);
        return l;
    }
    static QStringList names(const ToCsereSorok &r)
    {
        QStringList l;
        for (const TQuintetPlayer &m : r.Members)
            l.append(m.Name);
        return l;
    }

    TLineupList home;
    TLineupList away;
};

TEST_F(LineupStatistics, ATeamThatNeverSubstitutesHasOnlyItsStarters)
{
    compute();
    ASSERT_EQ(home.Count(), 1);
    ASSERT_EQ(away.Count(), 1);
    EXPECT_EQ(ids(*home.At(0)), (QStringList{"H11", "H12", "H13"}));
    EXPECT_EQ(names(*home.At(0)), (QStringList{"KOVACS Janos", "NAGY Bence", "Farkas"}));
    EXPECT_EQ(home.At(0)->Key(), QStringLiteral("H11H12H13"));
    EXPECT_EQ(*static_cast<const TPlayer *>(home.At(0)), TPlayer{});
    EXPECT_EQ(ids(*away.At(0)), (QStringList{"A21", "A22", "A23"}));
    EXPECT_EQ(home.KeyAt(0), QStringLiteral("AA"));
}

TEST_F(LineupStatistics, SubstitutionsInARunAndALineUpThatComesBack)
{
    run(QStringLiteral(R"(
tick
select home 4
shot home made three 20 200
select away 5
shot away made mid 100 100
timeout away
tick
tick
sub home 4 15
sub home 7 4
select home 15
shot home made close 120 30
select home 10
event home 1019
teammode home
event home 1001
tick
tick
sub home 15 7
select home 7
event home 1004
tick
)"));
    compute();
    ASSERT_EQ(home.Count(), 2); // the line-up between the two changes of the run never played
    const ToCsereSorok &starters = *home.At(0);
    EXPECT_EQ(ids(starters), (QStringList{"H11", "H12", "H13"}));
    EXPECT_EQ(starters.PlayingTime, 4);
    EXPECT_EQ(starters.Points, 3);
    EXPECT_EQ(starters.ThreeMade, 1);
    EXPECT_EQ(starters.Assists, 1);
    EXPECT_EQ(starters.CloseMade, 0);

    const ToCsereSorok &second = *home.At(1);
    EXPECT_EQ(ids(second), (QStringList{"H11", "H13", "H14"}));
    EXPECT_EQ(names(second), (QStringList{"KOVACS Janos", "Farkas", "BALOGH Adam"}));
    EXPECT_EQ(second.PlayingTime, 2);
    EXPECT_EQ(second.Points, 2);
    EXPECT_EQ(second.CloseMade, 1);
    EXPECT_EQ(second.DefRebounds, 1);   // the team's own rebound
    EXPECT_EQ(second.PersonalFouls, 0); // a technical foul is not counted into line-ups
    EXPECT_EQ(second.TechnicalFouls, 0);

    ASSERT_EQ(away.Count(), 1);
    EXPECT_EQ(away.At(0)->PlayingTime, 6);
    EXPECT_EQ(away.At(0)->Points, 2);
    EXPECT_EQ(away.At(0)->MidMade, 1);

    // The tracked positions end where the last change put them.
    EXPECT_EQ(game.HomeTeam().LineupTracking, (QList<int>{12, 11, 13}));
}

TEST_F(LineupStatistics, ChangesOfBothTeamsAreSeparateRuns)
{
    run(QStringLiteral(R"(
tick
sub home 4 15
sub away 5 21
sub home 15 4
tick
)"));
    compute();
    // Home: starters, then 15 for 4, then back to the starters; away: starters, then 21 for 5.
    ASSERT_EQ(home.Count(), 2);
    EXPECT_EQ(home.At(0)->PlayingTime, 2);
    EXPECT_EQ(home.At(1)->PlayingTime, 0);
    ASSERT_EQ(away.Count(), 2);
    EXPECT_EQ(away.At(0)->PlayingTime, 1);
    EXPECT_EQ(ids(*away.At(1)), (QStringList{"A22", "A23", "A24"}));
    EXPECT_EQ(away.At(1)->PlayingTime, 1);
}

TEST_F(LineupStatistics, OvertimeStepsCountAndADeclinedStepDoesNot)
{
    for (int p = 1; p <= 4; ++p) {
        ticks(40);
        run(QStringLiteral("periodend"));
    }
    run(QStringLiteral("set ANSWER=no\ntick\nset ANSWER=yes"));
    ticks(20);
    compute();
    ASSERT_EQ(game.Clock, 180);
    EXPECT_EQ(home.At(0)->PlayingTime, 180);
    EXPECT_EQ(away.At(0)->PlayingTime, 180);
}

TEST_F(LineupStatistics, MoreThanThreeStartersTrackTheFirstThree)
{
    run(QStringLiteral("player home id=16 webid=H16 jersey=2 name=\"EXTRA Starter\" court"));
    ASSERT_EQ(game.HomeTeam().OnCourt.Count(), 4);
    EXPECT_EQ(TTrackedSlots::UntrackedStarters(game.HomeTeam()), 1);
    EXPECT_EQ(TTrackedSlots::UntrackedStarters(game.AwayTeam()), 0);
    run(QStringLiteral(R"(
tick
select home 10
shot home made mid 100 100
sub home 10 15
tick
)"));
    compute();
    // On court in key order: 02, 04, 07 are tracked, 10 is not. The change
    // of an untracked player leaves the line-up as it was.
    ASSERT_EQ(home.Count(), 1);
    EXPECT_EQ(ids(*home.At(0)), (QStringList{"H11", "H12", "H16"}));
    EXPECT_EQ(home.At(0)->PlayingTime, 2);
    EXPECT_EQ(home.At(0)->Points, 2); // the side's events count whoever made them
}

TEST_F(LineupStatistics, FindOrAddLineupMatchesTheSetNotTheOrder)
{
    TLineupList list;
    const QList<TQuintetPlayer> abc{{"A", "W1"}, {"B", "W2"}, {"C", "W3"}};
    const QList<TQuintetPlayer> cab{{"C", "W3"}, {"A", "W1"}, {"B", "W2"}};
    ToCsereSorok *first = TLineupStatistics::FindOrAddLineup(list, abc);
    first->Points = 5;
    EXPECT_EQ(TLineupStatistics::FindOrAddLineup(list, cab), first);
    ASSERT_EQ(list.Count(), 1);
    ToCsereSorok *other = TLineupStatistics::FindOrAddLineup(list, {{"A", "W1"}, {"B", "W2"}, {"D", "W4"}});
    EXPECT_NE(other, first);
    EXPECT_EQ(other->Points, 0);
    EXPECT_EQ(other->Members[2].Name, QStringLiteral("D"));
    EXPECT_EQ(list.Count(), 2);
    // The members keep the order they were given in.
    ToCsereSorok *given = TLineupStatistics::FindOrAddLineup(list, {{"Z", "W9"}, {"Y", "W8"}, {"X", "W7"}});
    EXPECT_EQ(given->Members[0].WebID, QStringLiteral("W9"));
    EXPECT_EQ(given->Key(), QStringLiteral("W7W8W9"));
}

TEST_F(LineupStatistics, CountingOneEventIntoARecord)
{
    TLineupStatistics stats(game);
    ToCsereSorok r;
    stats.SorokEredmenyeProcessEsemeny(Kind::ShotMade, ShotKind::Dunk, &r);
    stats.SorokEredmenyeProcessEsemeny(Kind::ShotMissed, ShotKind::Three, &r);
    stats.SorokEredmenyeProcessEsemeny(Kind::ClockStep, 1, &r);
    stats.SorokEredmenyeProcessEsemeny(Kind::TechnicalFoul, 0, &r);
    stats.SorokEredmenyeProcessEsemeny(Kind::IndirectSteal, 0, &r);
    stats.SorokEredmenyeProcessEsemeny(Kind::Timeout, 1, &r);
    stats.SorokEredmenyeProcessEsemeny(Kind::Block, 0, &r);
    EXPECT_EQ(r.Points, 2);
    EXPECT_EQ(r.CloseMade, 1);
    EXPECT_EQ(r.DunksMade, 1);
    EXPECT_EQ(r.ThreeMissed, 1);
    EXPECT_EQ(r.MissedPoints, 0);
    EXPECT_EQ(r.PlayingTime, 1);
    EXPECT_EQ(r.PersonalFouls, 0);
    EXPECT_EQ(r.Blocks, 1);
    EXPECT_TRUE(prompter.Messages.isEmpty());
    stats.SorokEredmenyeProcessEsemeny(Kind::Assist, 0, nullptr);
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Error on: SorokEredmenyeProcessEsemeny")});
}
