// The game's figures the server rebuilds from the live messages agree with
// the program's own counters of the same game, corrections and deletions
// included.
#include "LiveGameFixture.h"

#include "server/TLiveGame.h"

#include "model/game/TTeam.h"

namespace {

// Every command the operator has: shots of each kind, each player and team
// event, types, a substitution, a timeout, two periods and an overtime.
const char *const FullGame = R"(
tick
select home 4
shot home made mid 88 120
select away 8
shot away missed three 30 200
select home 10
event home 1001
tick
select home 7
shot home missed close 118 40
event home 1006
shot home made close 120 30
select away 5
event away 1007
type away 1
select home 10
event home 1002
fastbreak home
shot home made dunk 120 20
select away 12
shot away made three 210 190
select home 4
event home 1008
type home 2
select away 12
shot away made freethrow
shot away missed freethrow
teammode home
event home 1001
teammode away
event away 1008
select away 8
event away 1004
event away 1009
event away 1005
event away 1003
minute
sub away 5 21
select away 21
shot away made mid 60 130
shot away missed dunk 120 25
select home 7
shot home made three 15 180
event home 1019
timeout away
minute
minute
minute
minute
periodend
tick
sub home 4 15
select home 15
shot home made close 122 28
select away 21
event away 1019
event away 1008
teammode away
event away 1019
event away 1007
event away 1002
select home 10
event home 1008
minute
minute
minute
minute
minute
periodend
tick
select away 8
shot away made three 40 200
select home 15
shot home missed mid 100 110
minute
)";

using Edition = TLiveGame::Edition;
const Edition Editions[] = {Edition::Hungarian, Edition::English, Edition::Hebrew, Edition::Italian,
                            Edition::French};

class LiveGameTest : public LiveGameFixture
{
protected:
    void SetUp() override { SetUpRoster(5); }

    TLiveGame figures() const { return TLiveGame::build("ABC1DEF2", stored()); }

    // The counters both keep, side by side, named for the failure message.
    template <typename Record>
    static QList<std::tuple<const char *, int, int>> pairs(const TLiveGame::Line &l, const Record &r)
    {
        return {{"points", l.points, r.Points},
                {"close made", l.closeMade, r.CloseMade},
                {"close missed", l.closeMissed, r.CloseMissed},
                {"mid made", l.midMade, r.MidMade},
                {"mid missed", l.midMissed, r.MidMissed},
                {"three made", l.threeMade, r.ThreeMade},
                {"three missed", l.threeMissed, r.ThreeMissed},
                {"free throws made", l.freeThrowsMade, r.FreeThrowsMade},
                {"free throws missed", l.freeThrowsMissed, r.FreeThrowsMissed},
                {"dunks made", l.dunksMade, r.DunksMade},
                {"defensive rebounds", l.defRebounds, r.DefRebounds},
                {"offensive rebounds", l.offRebounds, r.OffRebounds},
                {"steals", l.steals, r.Steals},
                {"turnovers", l.turnovers, r.Turnovers},
                {"personal fouls", l.personalFouls, r.PersonalFouls},
                {"technical fouls", l.technicalFouls, r.TechnicalFouls},
                {"fouls drawn", l.foulsDrawn, r.FoulsDrawn},
                {"assists", l.assists, r.Assists},
                {"blocks", l.blocks, r.Blocks},
                {"blocks received", l.blocksReceived, r.BlocksReceived}};
    }

    template <typename Record> static void expectSame(const TLiveGame::Line &l, const Record &r)
    {
        for (const auto &[name, mine, program] : pairs(l, r))
            EXPECT_EQ(mine, program) << name;
    }

    // Every player, both team lines and both teams' totals against the program's.
    void expectFiguresOfTheProgram()
    {
        const TLiveGame g = figures();
        ASSERT_EQ(g.unattributed(), 0);
        for (TTeam *team : {static_cast<TTeam *>(&game.HomeTeam()), static_cast<TTeam *>(&game.AwayTeam())}) {
            const TLiveGame::Side side = team == &game.HomeTeam() ? TLiveGame::Home : TLiveGame::Away;
            const TLiveGame::Team &t = g.team(side);
            qsizetype seen = 0;
            for (const TPlayerList *list : {&team->OnCourt, &team->Bench}) {
                for (int i = 0; i < list->Count(); ++i) {
                    const TPlayer &p = *list->At(i);
                    SCOPED_TRACE(p.JatekosNev.toStdString());
                    const auto found = std::find_if(t.players.cbegin(), t.players.cend(), [&](int k) {
                        return g.players()[k].webId == p.WebID.toLatin1();
                    });
                    ASSERT_NE(found, t.players.cend());
                    ++seen;
                    const TLiveGame::Player &mine = g.players()[*found];
                    expectSame(mine.line, p);
                    EXPECT_EQ(mine.line.playingTime, p.PlayingTime);
                    EXPECT_EQ(mine.onCourt, list == &team->OnCourt);
                    EXPECT_EQ(mine.jersey, p.JatekosMezSzam);
                    for (const Edition e : Editions)
                        EXPECT_EQ(mine.line.valuation(e), PlayerStats::Valuation(p, TEdition(int(e))))
                            << "edition " << int(e);
                }
            }
            EXPECT_EQ(seen, t.players.size());
            {
                SCOPED_TRACE("team line");
                expectSame(t.teamLine, team->TeamLine);
            }
            {
                SCOPED_TRACE("totals");
                expectSame(t.totals, team->Data.Totals);
                EXPECT_EQ(t.totals.valuation(Edition::Hungarian), team->Data.Totals.Rating);
            }
            EXPECT_EQ(t.teamFouls, team->TeamFouls);
        }
        EXPECT_EQ(g.clock(), game.Clock);
    }
};

TEST_F(LiveGameTest, AScriptedGameCountsAsTheProgramCountsIt)
{
    run(QString::fromLatin1(FullGame));
    expectFiguresOfTheProgram();
    const TLiveGame g = figures();
    // The game went into overtime: three stretches, still running.
    EXPECT_EQ(g.stretch(), 3);
    EXPECT_EQ(g.status(), TLiveGame::Status::Running);
    EXPECT_GT(g.homeScore(), 0);
    EXPECT_GT(g.awayScore(), 0);
}

TEST_F(LiveGameTest, CorrectionsAndDeletionsChangeTheFiguresAsTheyChangeTheProgram)
{
    run(QString::fromLatin1(FullGame));
    run(QStringLiteral("select away 8\nshot away made three 40 200"));
    const int madeThree = screen.log(2).Entries().last().Number;
    const TLiveGame before = figures();
    // A made two becomes a missed three, another event moves to a teammate,
    // and an away made three is deleted.
    run(QStringLiteral("select home 15\nshot home made mid 100 150"));
    const int line = screen.log(1).Entries().last().Number;
    run(QStringLiteral("change home %1 kind=1013 detail=1103 x=30 y=40").arg(line));
    run(QStringLiteral("select home 10\nevent home 1004"));
    run(QStringLiteral("change home %1 actor=7").arg(screen.log(1).Entries().last().Number));
    run(QStringLiteral("delete away %1").arg(madeThree));
    expectFiguresOfTheProgram();

    const TLiveGame after = figures();
    // The changed shot is one more missed three, and no made two.
    EXPECT_EQ(after.team(TLiveGame::Home).totals.threeMissed,
              before.team(TLiveGame::Home).totals.threeMissed + 1);
    EXPECT_EQ(after.team(TLiveGame::Home).totals.midMade, before.team(TLiveGame::Home).totals.midMade);
    // The deleted made three is gone from the score, the play-by-play and the
    // chart; the changed shot and the moved event stay where they were.
    EXPECT_EQ(after.awayScore(), before.awayScore() - 3);
    EXPECT_EQ(after.shots().size(), before.shots().size());
    EXPECT_EQ(after.plays().size(), before.plays().size() + 1);
}

TEST_F(LiveGameTest, ThePlayByPlayKeepsACorrectedEventInItsPlaceWithTheRunningScore)
{
    run(QStringLiteral("tick\nselect home 4\nshot home made mid 10 20"));
    const int first = screen.log(1).Entries().last().Number;
    run(QStringLiteral("select away 5\nshot away made three 30 40\nselect home 7\nshot home made freethrow"));
    run(QStringLiteral("change home %1 detail=1103").arg(first));
    const TLiveGame g = figures();
    ASSERT_EQ(g.plays().size(), 3);
    // The first shot, now a three, is still first; the scores after each follow it.
    EXPECT_EQ(g.plays()[0].tipus, 3);
    const QList<std::pair<int, int>> scores{{3, 0}, {3, 3}, {4, 3}};
    for (qsizetype i = 0; i < scores.size(); ++i) {
        EXPECT_EQ(g.plays()[i].home, scores[i].first) << i;
        EXPECT_EQ(g.plays()[i].away, scores[i].second) << i;
    }
    EXPECT_EQ(g.scoreGraph().size(), 4);
    EXPECT_EQ(g.scoreGraph().last().home, 4);
    // The free throw has no point on the court.
    EXPECT_EQ(g.shots().size(), 2);
    EXPECT_EQ(g.shots()[0].x, 10);
    EXPECT_EQ(g.shots()[0].y, 20);
}

TEST_F(LiveGameTest, StatusFollowsTheClockPeriodEndsAndTheClose)
{
    EXPECT_EQ(figures().status(), TLiveGame::Status::NotStarted);
    ticks(3);
    EXPECT_EQ(figures().status(), TLiveGame::Status::Running);
    EXPECT_EQ(figures().stretch(), 1);
    ticks(17);
    run(QStringLiteral("periodend"));
    EXPECT_EQ(figures().status(), TLiveGame::Status::BetweenPeriods);
    EXPECT_EQ(figures().stretch(), 1);
    ticks(1);
    EXPECT_EQ(figures().status(), TLiveGame::Status::Running);
    EXPECT_EQ(figures().stretch(), 2);
    run(QStringLiteral("close"));
    EXPECT_EQ(figures().status(), TLiveGame::Status::Closed);
}

TEST(LiveGameEdition, EditionsByTheirIdentifiers)
{
    EXPECT_EQ(TLiveGame::editionOf(QStringLiteral("hun")), Edition::Hungarian);
    EXPECT_EQ(TLiveGame::editionOf(QStringLiteral("FRA")), Edition::French);
    EXPECT_FALSE(TLiveGame::editionOf(QStringLiteral("XX")).has_value());
}

} // namespace
