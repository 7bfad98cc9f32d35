#include "GameFixture.h"

class GameClock : public GameFixture
{
protected:
    bool shown(const char *name) const { return screen.ItemVisible(QString::fromLatin1(name)); }
    int queuedWithCode(const QString &code) const
    {
        int n = 0;
        for (const TEventList::Entry &e : game.OutgoingQueue.Entries())
            n += e.Event->Message.contains(QStringLiteral("kod=") + code) ? 1 : 0;
        return n;
    }
};

TEST_F(GameClock, TenMinutePeriodsCountDown)
{
    SetUpRoster(10);
    EXPECT_EQ(game.PeriodCount(), 4);
    ticks(1);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0945"));
    EXPECT_TRUE(shown("imgPerc09"));
    EXPECT_TRUE(shown("imgMPercTizes4"));
    EXPECT_TRUE(shown("imgMPerc05"));
    EXPECT_FALSE(shown("imgTizesPerc10"));
    EXPECT_EQ(game.Period, 1);
    EXPECT_TRUE(shown("imgQuarter1"));
    ticks(3);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0900"));
    ticks(36); // the 40th step ends the period's time
    EXPECT_EQ(game.Clock, 40);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0000"));
    EXPECT_TRUE(shown("imgPerc00"));
    EXPECT_FALSE(shown("imgIdoCsapat1"));
    EXPECT_FALSE(shown("imgIdoCsapat2"));
    EXPECT_TRUE(shown("imgFelidoVegeCsapat11"));
    EXPECT_TRUE(shown("imgFelidoVegeCsapat22"));

    run(QStringLiteral("periodend"));
    EXPECT_EQ(game.PeriodsEnded, 1);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("1000"));
    EXPECT_TRUE(shown("imgTizesPerc10"));
    EXPECT_TRUE(shown("imgPerc00"));
    EXPECT_TRUE(shown("imgIdoCsapat1"));
    EXPECT_FALSE(shown("imgFelidoVegeCsapat21"));
    EXPECT_TRUE(screen.eventsLocked());
    const TGameEvent *end = game.AllEvents.At(game.AllEvents.Count() - 1);
    EXPECT_TRUE(end->Message.contains(QStringLiteral("kod=1101&id=%1&szkod=ABC1DEF2&jr=1&").arg(end->Id)) ||
                queuedWithCode(QStringLiteral("1101")) == 1);

    ticks(1);
    EXPECT_EQ(game.Period, 2);
    EXPECT_FALSE(screen.eventsLocked());
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0945"));
    EXPECT_TRUE(shown("imgQuarter2"));
    EXPECT_FALSE(shown("imgQuarter1"));
}

TEST_F(GameClock, OvertimeIsConfirmedAtTheEndOfRegulation)
{
    SetUpRoster(10);
    for (int p = 0; p < 4; ++p) {
        ticks(40);
        run(QStringLiteral("periodend"));
    }
    EXPECT_EQ(game.Clock, 160);
    prompter.Messages.clear();
    const int counter = game.EventCounter;
    const int queued = game.OutgoingQueue.Count();
    run(QStringLiteral("set ANSWER=no\ntick"));
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Overtime! Are you sure?")});
    EXPECT_EQ(game.Clock, 160);
    // A refused step sends nothing, no minutes report either, and uses no identifier.
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
    EXPECT_EQ(game.EventCounter, counter);
    run(QStringLiteral("set ANSWER=yes\ntick"));
    EXPECT_EQ(game.Clock, 161);
    EXPECT_EQ(game.Period, 5);
    EXPECT_TRUE(shown("imgQuarterOverTime"));
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0445"));
}

TEST_F(GameClock, ARefusedOvertimeEndsTheMinutesCompletion)
{
    SetUpRoster(5);
    for (int p = 0; p < 2; ++p) {
        ticks(20);
        run(QStringLiteral("periodend"));
    }
    prompter.Messages.clear();
    const int queued = game.OutgoingQueue.Count();
    run(QStringLiteral("set ANSWER=no\nminute"));
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Overtime! Are you sure?")});
    EXPECT_EQ(game.Clock, 40);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
    prompter.Messages.clear();
    run(QStringLiteral("set ANSWER=yes\nminute"));
    EXPECT_EQ(prompter.Messages.size(), 1);
    EXPECT_EQ(game.Clock, 44);
}

TEST_F(GameClock, FiveMinutePeriodsAndTheirOvertime)
{
    SetUpRoster(5);
    EXPECT_EQ(game.PeriodCount(), 2);
    EXPECT_EQ(game.RegulationTicks(), 40);
    EXPECT_EQ(game.OvertimeTicks(), 8);
    ticks(20);
    run(QStringLiteral("periodend"));
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0500"));
    EXPECT_TRUE(shown("imgPerc05"));
    ticks(20);
    run(QStringLiteral("periodend"));
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0200")); // the next period is an overtime
    prompter.Messages.clear();
    ticks(1);
    EXPECT_EQ(prompter.Messages.size(), 1);
    EXPECT_EQ(game.Clock, 41);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0145"));
    ticks(7);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("0000"));
    EXPECT_FALSE(shown("imgIdoCsapat2"));
    run(QStringLiteral("periodend"));
    prompter.Messages.clear();
    ticks(1);
    EXPECT_EQ(prompter.Messages.size(), 1); // the second overtime is confirmed too
}

TEST_F(GameClock, TwelveMinuteStartClock)
{
    SetUpRoster(12);
    game.UpdateClockDisplay();
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("1200"));
    EXPECT_TRUE(shown("imgTizesPerc10"));
    EXPECT_TRUE(shown("imgPerc02"));
    ticks(1);
    EXPECT_EQ(game.ClockDisplay, QStringLiteral("1145"));
    EXPECT_TRUE(shown("imgPerc01"));
}

TEST_F(GameClock, CompleteMinuteRunsToTheNextWholeMinute)
{
    SetUpRoster(10);
    ticks(6);
    run(QStringLiteral("minute"));
    EXPECT_EQ(game.Clock, 8);
    run(QStringLiteral("minute"));
    EXPECT_EQ(game.Clock, 12);
}

TEST_F(GameClock, TheFourHundredthStepIsTheLast)
{
    SetUpRoster(10);
    game.Clock = 399;
    game.Period = 12;
    game.PeriodsEnded = 11;
    game.HeaderSent = true;
    ticks(1);
    EXPECT_EQ(game.Clock, 400);
    EXPECT_TRUE(prompter.Messages.isEmpty());
    ticks(1);
    EXPECT_EQ(game.Clock, 400);
    // The refusal is said, not silent.
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages[0].contains(QStringLiteral("100:00")));
}

TEST_F(GameClock, TeamFoulsResetOnlyInRegularPeriods)
{
    SetUpRoster(5);
    ticks(1);
    run(QStringLiteral("select home 4\nevent home 1008\nevent home 1008"));
    ticks(19);
    run(QStringLiteral("periodend"));
    EXPECT_EQ(game.HomeTeam().TeamFouls, 2); // a period end resets nothing
    ticks(1);
    EXPECT_EQ(game.HomeTeam().TeamFouls, 0);
    run(QStringLiteral("select home 4\nevent home 1008"));
    ticks(19);
    run(QStringLiteral("periodend"));
    ticks(1); // opens the overtime
    EXPECT_EQ(game.Period, 3);
    EXPECT_EQ(game.HomeTeam().TeamFouls, 1);
}

TEST_F(GameClock, PlayingTimeGoesToTheFirstThreeOnCourt)
{
    SetUpRoster(10);
    ticks(3);
    run(QStringLiteral("sub home 4 15"));
    ticks(2);
    EXPECT_EQ(player(1, 4).PlayingTime, 3);
    EXPECT_EQ(player(1, 15).PlayingTime, 2);
    EXPECT_EQ(player(1, 7).PlayingTime, 5);
    EXPECT_EQ(game.HomeTeam().TeamLine.PlayingTime, 0);
}

TEST_F(GameClock, HeadersAndMinutesReports)
{
    SetUpRoster(10);
    ticks(1);
    // Event 1 is the step; the header and the eight roster entries take 2 to 10.
    ASSERT_GE(game.OutgoingQueue.Count(), 10);
    EXPECT_EQ(query(game.OutgoingQueue.At(0)),
              QStringLiteral("kod=0001&szkod=ABC1DEF2&time=20261209183005&h=Home_Team&v=Away_Team"));
    EXPECT_EQ(game.OutgoingQueue.At(0)->Id, 2);
    EXPECT_EQ(query(game.OutgoingQueue.At(1)),
              QStringLiteral(
                  "kod=0002&szkod=ABC1DEF2&time=20261209183005&p=H11&k=1&h=1&jat=1&j=KOVACS_Janos&mz=4"));
    EXPECT_EQ(query(game.OutgoingQueue.At(4)),
              QStringLiteral(
                  "kod=0002&szkod=ABC1DEF2&time=20261209183005&p=H14&k=0&h=1&jat=0&j=BALOGH_Adam&mz=15"));
    EXPECT_EQ(query(game.OutgoingQueue.At(9)),
              QStringLiteral("kod=1100&id=1&szkod=ABC1DEF2&ido=0&time=20261209183005"));
    EXPECT_EQ(game.EventCounter, 10);

    ticks(7);                         // clock 8: the minutes report
    EXPECT_EQ(game.EventCounter, 21); // 7 steps and four report identifiers
    const TGameEvent *report = lastQueued();
    EXPECT_EQ(query(report), QStringLiteral("kod=2000&id=20&szkod=ABC1DEF2&time=20261209183005&p[1]=A21&i[1]="
                                            "8&p[2]=A22&i[2]=8&p[3]=A23&i[3]=8"));
    EXPECT_EQ(queuedWithCode(QStringLiteral("2000")), 2); // the benches have no playing time
}

TEST_F(GameClock, PeriodScores)
{
    SetUpRoster(5);
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made three 1 1"));
    ticks(19);
    run(QStringLiteral("periodend"));
    ticks(1);
    run(QStringLiteral("select away 5\nshot away made mid 1 1\nshot away made freethrow"));
    EXPECT_EQ(game.PeriodScore(1), (TGame::Score{3, 0}));
    EXPECT_EQ(game.PeriodScore(2), (TGame::Score{0, 3}));
    EXPECT_EQ(game.PeriodScore(9), (TGame::Score{0, 0}));
    EXPECT_EQ(game.ScoreAtMinute(10), (TGame::Score{3, 3}));
}

TEST_F(GameClock, NoticesAndTheClosingMessage)
{
    SetUpRoster(10);
    ticks(1);
    const int last = game.EventCounter;
    TGameEvent *opened = game.ScreenOpenedNotice();
    EXPECT_EQ(opened->Id, last);
    EXPECT_EQ(game.EventCounter, last + 1);
    EXPECT_EQ(query(opened), QStringLiteral("kod=7000&szkod=ABC1DEF2&time=20261209183005"));
    game.SendGameClosed();
    EXPECT_EQ(query(lastQueued()),
              QStringLiteral("kod=1102&id=%1&szkod=ABC1DEF2&time=20261209183005").arg(last + 1));
    EXPECT_EQ(game.EventCounter, last + 1);
}
