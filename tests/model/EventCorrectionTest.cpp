#include "GameFixture.h"
#include "model/corrections/TEventCorrection.h"

namespace {

// The counters of both teams: every player record, the team lines and the totals.
struct Counters
{
    QList<TPlayer> Players;
    TPlayer HomeLine, AwayLine;
    TTeamTotals HomeTotals, AwayTotals;
    bool operator==(const Counters &) const = default;
};

} // namespace

class EventCorrection : public GameFixture
{
protected:
    void SetUp() override
    {
        SetUpRoster();
        ticks(4);
    }

    Counters counters()
    {
        Counters c;
        for (int side : {1, 2})
            for (const TPlayerList *list : {&game.Team(side).OnCourt, &game.Team(side).Bench})
                for (int i = 0; i < list->Count(); ++i)
                    c.Players.append(*list->At(i));
        c.HomeLine = game.HomeTeam().TeamLine;
        c.AwayLine = game.AwayTeam().TeamLine;
        c.HomeTotals = game.HomeTeam().Data.Totals;
        c.AwayTotals = game.AwayTeam().Data.Totals;
        return c;
    }

    // The line number of the last entry of a side.
    int lastLine(int side) const { return screen.log(side).Entries().last().Number; }

    QList<int> lineNumbers(int side) const
    {
        QList<int> numbers;
        for (const TSideHistory::Entry &e : screen.log(side).Entries())
            numbers.append(e.Number);
        return numbers;
    }

    int queuedWith(const QString &part) const
    {
        int n = 0;
        for (const TEventList::Entry &e : game.OutgoingQueue.Entries())
            n += e.Event->Message.contains(part) ? 1 : 0;
        return n;
    }
};

// Every kind a deletion reverses: the counters are as if the event had never been recorded.
TEST_F(EventCorrection, DeletionLeavesTheCountersAsBefore)
{
    const struct
    {
        const char *name;
        const char *script;
        int side;
    } cases[] = {
        {"player steal", "select home 7\nevent home 1002", 1},
        {"made mid-range with both marks",
         "fastbreak home\nsecondchance home\nselect home 4\nshot home made mid 100 100", 1},
        {"made free throw", "select away 5\nshot away made freethrow 0 0", 2},
        {"missed three", "select away 8\nshot away missed three 20 30", 2},
        {"made dunk", "select home 10\nshot home made dunk 120 20", 1},
        {"personal foul", "select home 4\nevent home 1008", 1},
        {"technical foul", "select away 12\nevent away 1019", 2},
        {"team turnover", "teammode away\nevent away 1007", 2},
        {"team technical foul", "teammode home\nevent home 1019", 1},
        {"timeout", "timeout home", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Counters before = counters();
        const int timeouts = game.Team(c.side).Timeouts.size();
        run(QString::fromUtf8(c.script));
        const TGameEvent recorded = screen.log(c.side).Entries().last().Event;
        ASSERT_TRUE(counters() != before || game.Team(c.side).Timeouts.size() != timeouts)
            << "the event changed nothing";
        const int queued = game.OutgoingQueue.Count();
        run(QStringLiteral("deletelast %1").arg(c.side == 1 ? "home" : "away"));
        EXPECT_EQ(counters(), before);
        EXPECT_EQ(game.Team(c.side).Timeouts.size(), timeouts);
        EXPECT_EQ(game.AllEvents.IndexOf(recorded.Id), -1);
        EXPECT_EQ(game.RecordedEvents.IndexOf(recorded.Id), -1);
        EXPECT_EQ(screen.log(c.side).Find(recorded.Id), nullptr);
        // One deletion message and nothing else.
        ASSERT_EQ(game.OutgoingQueue.Count(), queued + 1);
        const TGameEvent *deletion = lastQueued();
        EXPECT_EQ(query(deletion),
                  QStringLiteral("kod=5000&id=%1&szkod=ABC1DEF2&iddel=%2&time=20261209183005")
                      .arg(deletion->Id)
                      .arg(recorded.Id));
        EXPECT_EQ(deletion->Id, game.EventCounter);
        // The next case starts without a team mode.
        game.HomeTeam().TeamEventMode = false;
        game.AwayTeam().TeamEventMode = false;
    }
}

TEST_F(EventCorrection, LineNumbersAreNeverReused)
{
    // Four ticks make line 1; nine steals make lines 2 to 10.
    for (int i = 0; i < 9; ++i)
        run(QStringLiteral("select home 7\nevent home 1002"));
    ASSERT_EQ(lastLine(1), 10);
    run(QStringLiteral("delete home 7"));
    EXPECT_EQ(lineNumbers(1), (QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10}));
    run(QStringLiteral("select home 4\nevent home 1001"));
    EXPECT_EQ(lastLine(1), 11);
    EXPECT_TRUE(screen.log(1).Entries().last().Text.startsWith(QStringLiteral("11: ")));
    // The deleted line's number now names nothing.
    EXPECT_FALSE(script.RunLine(QStringLiteral("delete home 7"), 1));
    EXPECT_TRUE(script.Error().contains(QStringLiteral("no line 7")));
}

TEST_F(EventCorrection, ConsecutiveTicksShareOneLine)
{
    for (int i = 0; i < 10; ++i)
        run(QStringLiteral("select home 7\nevent home 1002"));
    ticks(4);
    EXPECT_EQ(screen.log(1).Entries().last().Text, QStringLiteral("12: +01:00 sec"));
    EXPECT_EQ(screen.log(2).Entries().last().Text, QStringLiteral("1: +02:00 sec"));
}

TEST_F(EventCorrection, ClockStepsAndSubstitutionsStay)
{
    run(QStringLiteral("select home 4\nsub home 4 15"));
    const TGameEvent substitution = screen.log(1).Entries().last().Event;
    ASSERT_EQ(substitution.Kind, Kind::Substitution);
    const Counters before = counters();
    const int queued = game.OutgoingQueue.Count();
    const int clock = game.Clock;
    for (const char *line : {"delete home 1", "delete home 2", "delete away 1"}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(script.RunLine(QString::fromLatin1(line), 1));
        EXPECT_TRUE(script.Error().contains(QStringLiteral("cannot be deleted")));
    }
    EXPECT_EQ(counters(), before);
    EXPECT_EQ(game.Clock, clock);
    EXPECT_EQ(queuedWith(QStringLiteral("kod=5000")), 0);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
    EXPECT_NE(screen.log(1).Find(substitution.Id), nullptr);
    EXPECT_EQ(screen.log(1).Entries().size(), 2);
}

TEST_F(EventCorrection, MadeTwoBecomesAMissedThree)
{
    run(QStringLiteral("select home 4\nshot home made mid 100 150"));
    const int id = screen.log(1).Entries().last().Event.Id;
    const int points = player(1, 4).Points;
    const int all = game.AllEvents.Count();
    SaveCounter store;
    game.SetStore(&store);
    run(QStringLiteral("change home 2 kind=1013 detail=1103 x=30 y=40"));
    // Secured once, the live files rewritten once, as for a recorded event.
    EXPECT_EQ(store.Saves, 1);
    EXPECT_EQ(store.Dumps, 1);
    game.SetStore(nullptr);
    EXPECT_EQ(player(1, 4).Points, points - 2);
    EXPECT_EQ(player(1, 4).MidMade, 0);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Points, points - 2);
    const TGameEvent *resent = lastQueued();
    ASSERT_NE(resent, nullptr);
    EXPECT_EQ(resent->Id, id);
    EXPECT_EQ(query(resent),
              QStringLiteral("kod=1001&id=%1&szkod=ABC1DEF2&tipus=3&jatekos=H11&x=30&y=40&time=20261209183005"
                             "&hpont=%2&vpont=0")
                  .arg(id)
                  .arg(points - 2));
    // The changed event takes the old one's places; nothing is added to the log.
    EXPECT_EQ(game.AllEvents.Count(), all);
    EXPECT_EQ(game.AllEvents.Find(id), resent);
    EXPECT_EQ(game.RecordedEvents.Find(id), resent);
    EXPECT_EQ(screen.log(1).Entries().last().Text, QStringLiteral("2: 1.m 4 Kovacs: sikertelen távoli"));
    EXPECT_EQ(screen.history(1).last().Text, QStringLiteral("1.m 4 Kovacs: sikertelen távoli"));
}

// The corrected message is the one recording the new event would send, so
// the server's score and types follow the correction.
TEST_F(EventCorrection, AChangedEventIsSentAsARecordedOne)
{
    const struct
    {
        const char *recorded;
        const char *change;
        const char *fresh; // the same event recorded anew
    } cases[] = {
        {"select home 4\nshot home made mid 100 150", "kind=1002", "select home 4\nevent home 1002"},
        {"select home 7\nevent home 1001", "kind=1007", "select home 7\nevent home 1007"},
        {"select away 5\nevent away 1004", "kind=1008", "select away 5\nevent away 1008"},
        {"teammode home\nevent home 1002", "kind=1007", "teammode home\nevent home 1007"},
        {"select home 4\nevent home 1001", "kind=1012 detail=1102 x=60 y=70",
         "select home 4\nshot home made mid 60 70"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.recorded);
        run(QString::fromUtf8(c.recorded));
        const int side = QString::fromUtf8(c.recorded).contains(QStringLiteral("away")) ? 2 : 1;
        const QString name = side == 1 ? QStringLiteral("home") : QStringLiteral("away");
        const int id = screen.log(side).Entries().last().Event.Id;
        run(QStringLiteral("change %1 %2 %3").arg(name).arg(lastLine(side)).arg(QString::fromUtf8(c.change)));
        const QString changed = query(lastQueued());
        ASSERT_TRUE(changed.contains(QStringLiteral("&id=%1&").arg(id))) << changed.toStdString();
        // Deleted again, so the fresh event counts from the same score.
        run(QStringLiteral("deletelast %1").arg(name));
        run(QString::fromUtf8(c.fresh));
        QString fresh = query(lastQueued());
        fresh.replace(QStringLiteral("&id=%1&").arg(lastQueued()->Id), QStringLiteral("&id=%1&").arg(id));
        const QString withPoints = QStringLiteral("&hpont=%1&vpont=%2")
                                       .arg(game.HomeTeam().Data.Totals.Points)
                                       .arg(game.AwayTeam().Data.Totals.Points);
        EXPECT_EQ(changed, fresh);
        EXPECT_EQ(changed.contains(QStringLiteral("&hpont=")), fresh.contains(withPoints));
        run(QStringLiteral("deletelast %1").arg(name));
    }
}

TEST_F(EventCorrection, AShotKeepsItsPointUnlessMoved)
{
    run(QStringLiteral("select away 5\nshot away made close 111 22"));
    run(QStringLiteral("change away 2 detail=1105"));
    EXPECT_TRUE(lastQueued()->Message.contains(QStringLiteral("&tipus=5&jatekos=A21&x=111&y=22&")));
    run(QStringLiteral("change away 2 kind=1012 detail=1104"));
    // A free throw has no point.
    EXPECT_FALSE(lastQueued()->Message.contains(QStringLiteral("&x=")));
    EXPECT_EQ(player(2, 5).Points, 1);
}

TEST_F(EventCorrection, StealGivenToTheTeamAndDeletedThere)
{
    run(QStringLiteral("select home 7\nevent home 1002"));
    run(QStringLiteral("change home 2 actor=team"));
    EXPECT_EQ(player(1, 7).Steals, 0);
    EXPECT_EQ(game.HomeTeam().TeamLine.Steals, 1);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Steals, 1);
    const TGameEvent &changed = screen.log(1).Entries().last().Event;
    EXPECT_EQ(changed.Side, Side::HomeTeam);
    EXPECT_EQ(changed.PlayerId, -1);
    EXPECT_EQ(query(lastQueued()),
              QStringLiteral("kod=2004&id=%1&szkod=ABC1DEF2&jatekos=T1&csapat=1&time=20261209183005")
                  .arg(changed.Id));
    EXPECT_EQ(changed.Text, QStringLiteral("1.p Csapat labdaszerzés"));
    // The recorded side followed the actor, so the deletion takes the team's steal back.
    run(QStringLiteral("delete home 2"));
    EXPECT_EQ(game.HomeTeam().TeamLine.Steals, 0);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Steals, 0);
    EXPECT_EQ(player(1, 7).Steals, 0);
}

TEST_F(EventCorrection, TeamReboundGivenToABenchPlayer)
{
    run(QStringLiteral("teammode away\nevent away 1006"));
    run(QStringLiteral("change away 2 actor=21 kind=1001"));
    EXPECT_EQ(game.AwayTeam().TeamLine.OffRebounds, 0);
    EXPECT_EQ(player(2, 21).DefRebounds, 1);
    EXPECT_EQ(game.AwayTeam().Data.Totals.DefRebounds, 1);
    EXPECT_EQ(game.AwayTeam().Data.Totals.OffRebounds, 0);
    EXPECT_EQ(screen.log(2).Entries().last().Event.Side, Side::AwayPlayer);
    run(QStringLiteral("deletelast away"));
    EXPECT_EQ(player(2, 21).DefRebounds, 0);
    EXPECT_EQ(game.AwayTeam().Data.Totals.DefRebounds, 0);
}

// The player who made a play may have left the court since: the change
// still gives it to him.
TEST_F(EventCorrection, AnEventGoesToAPlayerWhoHasGoneToTheBench)
{
    run(QStringLiteral("select home 7\nevent home 1002\nsub home 7 15\nselect home 4\nevent home 1001"));
    for (int i = 0; i < game.HomeTeam().OnCourt.Count(); ++i)
        ASSERT_NE(game.HomeTeam().OnCourt.At(i)->JatekosMezSzam, 7);
    run(QStringLiteral("change home 4 actor=7"));
    EXPECT_EQ(player(1, 7).DefRebounds, 1);
    EXPECT_EQ(player(1, 4).DefRebounds, 0);
    run(QStringLiteral("deletelast home"));
    EXPECT_EQ(player(1, 7).DefRebounds, 0);
}

TEST_F(EventCorrection, RefusedChangesChangeNothing)
{
    run(QStringLiteral("select home 4\nshot home made close 100 100\ntimeout home"));
    const Counters before = counters();
    const int queued = game.OutgoingQueue.Count();
    const struct
    {
        const char *line;
        const char *error;
    } cases[] = {
        {"change home 1 kind=1002", "cannot be changed"}, // the ticks' line
        {"change home 3 kind=1002", "cannot be changed"}, // the timeout
        {"change home 2 actor=team", "A shot belongs to a player"},
        {"change home 2 kind=1012 detail=1100", "Unknown shot kind"},
        {"change home 2 kind=1014", "Unknown event code"},
        {"change home 2 actor=99", "no player with jersey 99"},
        {"change home 2", "nothing to change"},
        {"change home 2 x=5", "both x and y"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_FALSE(script.RunLine(QString::fromLatin1(c.line), 1));
        EXPECT_TRUE(script.Error().contains(QString::fromLatin1(c.error))) << script.Error().toStdString();
    }
    EXPECT_EQ(counters(), before);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
}

TEST_F(EventCorrection, DeletingTheLastFollowsTheFilter)
{
    run(QStringLiteral(
        "select home 4\nshot home made close 100 100\nselect home 7\nshot home made mid 90 90"));
    run(QStringLiteral("select home 4\nevent home 1002\nselect home 7\nevent home 1001"));
    run(QStringLiteral("filter home event=1012 player=4"));
    run(QStringLiteral("deletelast home"));
    // The last line the filter shows was line 2, Kovacs's made shot.
    EXPECT_EQ(lineNumbers(1), (QList<int>{1, 3, 4, 5}));
    EXPECT_EQ(player(1, 4).Points, 0);
    EXPECT_EQ(player(1, 7).Points, 2);
    run(QStringLiteral("filter home off\ndeletelast home"));
    EXPECT_EQ(lineNumbers(1), (QList<int>{1, 3, 4}));
    EXPECT_EQ(player(1, 7).DefRebounds, 0);
    // The team's own operation deletes the last line the same way.
    const int deletions = queuedWith(QStringLiteral("kod=5000"));
    game.HomeTeam().DeleteLastEvent(screen);
    EXPECT_EQ(lineNumbers(1), (QList<int>{1, 3}));
    EXPECT_EQ(queuedWith(QStringLiteral("kod=5000")), deletions + 1);
    EXPECT_FALSE(script.RunLine(QStringLiteral("filter home player=99"), 1));
}

TEST_F(EventCorrection, PointOfAMessage)
{
    const struct
    {
        const char *message;
        bool found;
        int x, y;
    } cases[] = {
        {"s?kod=1000&id=5&tipus=2&jatekos=H1&x=12&y=345&time=20260101000000&hpont=2", true, 12, 345},
        {"s?kod=1001&id=5&tipus=1&jatekos=H1&x=0&y=7", true, 0, 7},
        {"s?kod=1000&id=5&tipus=4&jatekos=H1&time=20260101000000", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        int x = 0;
        int y = 0;
        EXPECT_EQ(TEventCorrection::PointOf(QString::fromLatin1(c.message), &x, &y), c.found);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}

TEST_F(EventCorrection, WhatCanBeDeletedAndChanged)
{
    const struct
    {
        int kind;
        bool deletable, changeable;
    } cases[] = {
        {Kind::ClockStep, false, false}, {Kind::Substitution, false, false}, {Kind::Timeout, true, false},
        {Kind::Steal, true, true},       {Kind::Block, true, true},          {Kind::ShotMade, true, true},
        {Kind::ShotMissed, true, true},  {Kind::TechnicalFoul, true, true},  {Kind::DefenseMode, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(TEventCorrection::Deletable(c.kind), c.deletable);
        EXPECT_EQ(TEventCorrection::Changeable(c.kind), c.changeable);
    }
}
