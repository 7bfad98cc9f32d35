// One rule for the stretches of a game (regular periods, then overtimes),
// and every replay counted by it, checked on a two-period game that goes to
// a second overtime against figures worked out by hand.
#include "GameFixture.h"

#include "common/TPeriodRule.h"
#include "model/output/TTextBoxScore.h"
#include "model/statistics/TEventReplay.h"
#include "model/statistics/TGameReport.h"
#include "model/statistics/TSideTotals.h"
#include "support/TestHome.h"

#include <QFile>
#include <QLocale>

namespace {

TEST(PeriodRule, StretchOfAClockValueAndOfAStep)
{
    const struct
    {
        int Length, Clock, Stretch;
    } clocks[] = {
        // Two halves of 20 quarter-minutes, then overtimes of 8.
        {5, 0, 1},
        {5, 1, 1},
        {5, 20, 1},
        {5, 21, 2},
        {5, 40, 2},
        {5, 41, 3},
        {5, 48, 3},
        {5, 49, 4},
        {5, 56, 4},
        {5, 57, 5},
        {5, 400, 47},
        // Four quarters of 40 and overtimes of 20, as games of earlier versions were saved.
        {10, 40, 1},
        {10, 41, 2},
        {10, 160, 4},
        {10, 161, 5},
        {10, 180, 5},
        {10, 181, 6},
        {10, 200, 6},
        {10, 201, 7},
        {12, 48, 1},
        {12, 49, 2},
        {12, 192, 4},
        {12, 193, 5},
    };
    for (const auto &c : clocks)
        EXPECT_EQ(TPeriodRule(c.Length).StretchOfClock(c.Clock), c.Stretch)
            << "length " << c.Length << " clock " << c.Clock;

    // The step from c to c + 1 lies in the stretch that holds c + 1: the
    // first step of the game counts in the first period.
    const TPeriodRule two(5);
    EXPECT_EQ(two.StretchOfStep(0), 1);
    EXPECT_EQ(two.StretchOfStep(19), 1);
    EXPECT_EQ(two.StretchOfStep(20), 2);
    EXPECT_EQ(two.StretchOfStep(40), 3);
    EXPECT_EQ(two.StretchOfStep(48), 4);

    EXPECT_EQ(two.StretchStart(3), 40);
    EXPECT_EQ(two.StretchEnd(3), 48);
    EXPECT_EQ(two.StretchEnd(4), 56);
    EXPECT_EQ(TPeriodRule(10).StretchEnd(5), 180);
    EXPECT_FALSE(two.IsOvertime(2));
    EXPECT_EQ(two.OvertimeNumber(4), 2);
    EXPECT_EQ(two.StretchesPlayed(0), 2);
    EXPECT_EQ(two.StretchesPlayed(40), 2);
    EXPECT_EQ(two.StretchesPlayed(41), 3);
}

class TwoOvertimes : public GameFixture
{
protected:
    void SetUp() override
    {
        m_locale = QLocale();
        QLocale::setDefault(QLocale::c());
        QFile file(sourceFolder() + QStringLiteral("/tests/data/periods-double-overtime.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        run(QString::fromUtf8(file.readAll()));
        ASSERT_EQ(game.Clock, 56);
    }
    void TearDown() override { QLocale::setDefault(m_locale); }

    // The report of one stretch alone.
    std::unique_ptr<TGameReport> stretch(int n)
    {
        auto report = std::make_unique<TGameReport>(game);
        report->PeriodFlags[size_t(n - 1)] = true;
        report->Build();
        return report;
    }

    QLocale m_locale;
};

TEST_F(TwoOvertimes, EachStretchHasItsOwnPointsAndTheStepsThatLeadIntoIt)
{
    EXPECT_EQ(game.PeriodsPlayed(), 4);
    // Points by hand: a three and the mid-range shot at clock 20 in period 1,
    // a free throw in period 2, a close shot in the first overtime and a
    // dunk in the second; away a close shot, then a three and a free throw,
    // a close shot, a three.
    const TGame::Score scores[] = {{5, 2}, {1, 4}, {2, 2}, {2, 3}};
    // Quarter-minutes on court: #7 and #12 (home) and #3 and #8 (away) all
    // the game; #21 goes off after the first step of period 2 for #30; #15
    // goes off after the first step of the second overtime for #24.
    const struct
    {
        int Side, Jersey, Ticks[4];
    } minutes[] = {
        {1, 7, {20, 20, 8, 8}}, {1, 12, {20, 20, 8, 8}}, {1, 21, {20, 1, 0, 0}},  {1, 30, {0, 19, 8, 8}},
        {2, 3, {20, 20, 8, 8}}, {2, 8, {20, 20, 8, 8}},  {2, 15, {20, 20, 8, 1}}, {2, 24, {0, 0, 0, 7}},
    };
    int home = 0;
    int away = 0;
    for (int n = 1; n <= 4; ++n) {
        const TGame::Score expected = scores[n - 1];
        EXPECT_EQ(game.PeriodScore(n), expected) << "stretch " << n;
        TTeamTotals totals[2];
        TSideTotals::PeriodTotals(game, 1, n, true, totals[0]);
        TSideTotals::PeriodTotals(game, 2, n, true, totals[1]);
        EXPECT_EQ(totals[0].Points, expected.Home) << "stretch " << n;
        EXPECT_EQ(totals[1].Points, expected.Away) << "stretch " << n;
        const auto report = stretch(n);
        EXPECT_EQ(report->HomeTotals.Data.Totals.Points, expected.Home) << "stretch " << n;
        EXPECT_EQ(report->AwayTotals.Data.Totals.Points, expected.Away) << "stretch " << n;
        for (const auto &m : minutes) {
            const TPlayerList &list = m.Side == 1 ? report->HomePlayers : report->AwayPlayers;
            const int at = list.IndexOf(QString::number(m.Jersey));
            ASSERT_GE(at, 0) << m.Jersey;
            EXPECT_EQ(list.At(at)->PlayingTime, m.Ticks[n - 1]) << "#" << m.Jersey << " stretch " << n;
        }
        home += expected.Home;
        away += expected.Away;
    }
    EXPECT_EQ(home, game.HomeTeam().Data.Totals.Points);
    EXPECT_EQ(away, game.AwayTeam().Data.Totals.Points);
    // Summed over the stretches, each player's minutes are the box score's.
    for (const auto &m : minutes)
        EXPECT_EQ(m.Ticks[0] + m.Ticks[1] + m.Ticks[2] + m.Ticks[3], player(m.Side, m.Jersey).PlayingTime)
            << "#" << m.Jersey;
    EXPECT_EQ(game.PeriodScore(5), (TGame::Score{0, 0}));
}

TEST_F(TwoOvertimes, TheReportOfEveryStretchTogetherIsTheWholeGame)
{
    TGameReport all(game);
    for (int n = 1; n <= game.PeriodsPlayed(); ++n)
        all.PeriodFlags[size_t(n - 1)] = true;
    all.Build();
    for (int side = 1; side <= 2; ++side) {
        const TPlayerList &list = side == 1 ? all.HomePlayers : all.AwayPlayers;
        const TTeam &team = game.Team(side);
        for (const TPlayerList *roster : {&team.OnCourt, &team.Bench})
            for (int i = 0; i < roster->Count(); ++i) {
                const TPlayer &p = *roster->At(i);
                const TPlayer &copy = *list.At(list.IndexOf(QString::number(p.JatekosMezSzam)));
                EXPECT_EQ(copy.PlayingTime, p.PlayingTime) << p.JatekosNev.toStdString();
                EXPECT_EQ(copy.Points, p.Points) << p.JatekosNev.toStdString();
            }
    }
}

TEST_F(TwoOvertimes, TheTextReportKeepsItsQuarterLinesAndPutsEveryOvertimeInTheLast)
{
    QStringList lines;
    TTextBoxScore::BuildTextBoxScore(game, lines);
    // The two periods in the first two entries, none in the third and fourth.
    EXPECT_EQ(lines[0], QStringLiteral("GENERAL:Gyor Hawks - Eger Lynx 10-11|(5-2, 1-4, 0-0, 0-0)"));
    const qsizetype quarters = lines.indexOf(QStringLiteral("QUARTERS"));
    ASSERT_GE(quarters, 0);
    auto fields = [&](int line) { return lines[quarters + line].split(QLatin1Char('|')); };
    const char *labels[] = {"1. Negyed", "2. Negyed", "3. Negyed", "4. Negyed", "Hosszabbítás"};
    // Home points, two-pointers, dunks, threes and defensive rebounds per line.
    const struct
    {
        const char *Points, *Two, *Dunks, *Three, *DefRebounds;
    } home[] = {
        {"5", "1/1", "0", "1/1", "0"}, {"1", "0/0", "0", "0/0", "0"}, {"0", "0/0", "0", "0/0", "0"},
        {"0", "0/0", "0", "0/0", "0"}, {"4", "2/2", "1", "0/1", "1"},
    };
    for (int line = 1; line <= 5; ++line) {
        const QStringList f = fields(line);
        ASSERT_EQ(f.size(), 26) << line;
        EXPECT_EQ(f[0], QString::fromUtf8(labels[line - 1]));
        EXPECT_EQ(f[1], QLatin1String(home[line - 1].Points)) << line;
        EXPECT_EQ(f[2], QLatin1String(home[line - 1].Two)) << line;
        EXPECT_EQ(f[4], QLatin1String(home[line - 1].Dunks)) << line;
        EXPECT_EQ(f[5], QLatin1String(home[line - 1].Three)) << line;
        EXPECT_EQ(f[11], QLatin1String(home[line - 1].DefRebounds)) << line;
    }
    const qsizetype awayQuarters = lines.lastIndexOf(QStringLiteral("QUARTERS"));
    // Away: the overtime line holds both overtimes' 5 points, period 2 a free throw.
    EXPECT_EQ(lines[awayQuarters + 5].split(QLatin1Char('|'))[1], QStringLiteral("5"));
    EXPECT_EQ(lines[awayQuarters + 2].split(QLatin1Char('|'))[9], QStringLiteral("1/1"));
}

TEST_F(TwoOvertimes, AGameOfFourQuartersKeepsItsQuartersAndItsOvertime)
{
    // A game saved by an earlier version: four quarters of ten minutes and one overtime.
    TGame old(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock});
    old.SetScreen(&screen);
    TGameScript oldScript(old, screen);
    ASSERT_TRUE(oldScript.Run(QStringLiteral("\ngame code=OLD10MIN\n") + SampleRoster() +
                              QStringLiteral("\nlength 10")));
    auto step = [&](int n) {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(oldScript.Run(QStringLiteral("tick")));
    };
    step(40);
    ASSERT_TRUE(oldScript.Run(QStringLiteral("select home 4\nshot home made three 20 200\nperiodend")));
    step(1);
    ASSERT_TRUE(oldScript.Run(QStringLiteral("shot home made close 100 30")));
    step(39);
    for (int quarter = 2; quarter <= 3; ++quarter) {
        ASSERT_TRUE(oldScript.Run(QStringLiteral("periodend")));
        step(40);
    }
    ASSERT_TRUE(oldScript.Run(QStringLiteral("periodend")));
    step(1);
    ASSERT_TRUE(oldScript.Run(QStringLiteral("select away 5\nshot away made freethrow")));
    EXPECT_EQ(old.Clock, 161);
    EXPECT_EQ(old.PeriodsPlayed(), 5);
    EXPECT_EQ(old.PeriodScore(1), (TGame::Score{3, 0}));
    EXPECT_EQ(old.PeriodScore(2), (TGame::Score{2, 0}));
    EXPECT_EQ(old.PeriodScore(5), (TGame::Score{0, 1}));
    QStringList lines;
    TTextBoxScore::BuildTextBoxScore(old, lines);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("|(3-0, 2-0, 0-0, 0-0)")));
    EXPECT_EQ(TTextBoxScore::LineStretches(old, 3), (QList<int>{3}));
    EXPECT_EQ(TTextBoxScore::LineStretches(old, 5), (QList<int>{5}));
    EXPECT_EQ(TTextBoxScore::LineStretches(game, 3), (QList<int>{}));
    EXPECT_EQ(TTextBoxScore::LineStretches(game, 5), (QList<int>{3, 4}));
}

} // namespace
