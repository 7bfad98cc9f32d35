// The text game report, checked against figures worked out by hand from the
// counting rules for every edition.
#include "GameFixture.h"

#include "model/output/TTextBoxScore.h"
#include "support/Golden.h"

#include <QLocale>

namespace {

class TextBoxScore : public GameFixture
{
protected:
    void SetUp() override
    {
        m_locale = QLocale();
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override { QLocale::setDefault(m_locale); }

    // Period 1 (clock 1): home 8 points, away 2; period 2 (clock 42): home a
    // steal and an assist, away 4 points.
    void PlayGame()
    {
        SetUpRoster(10);
        run(QStringLiteral(
            R"(game stadium="Main Hall" date=2026-12-09 time=18:30 attendance=300 income=5000 referee1="  " referee2=" Kiss Bela"
set VERSION=HUN
tick
select home 4
shot home made three 20 200
shot home missed mid 80 120
shot home made freethrow
select home 7
shot home made dunk 120 20
shot home made freethrow
shot home made freethrow
shot home missed freethrow
event home 1001
event home 1008
select away 5
shot away made close 100 30
event away 1007
teammode home
event home 1006
)"));
        ticks(41);
        run(QStringLiteral(R"(select away 8
shot away made three 30 190
shot away made freethrow
select home 10
event home 1002
event home 1004
)"));
    }

    QStringList Build(const char *version)
    {
        settings.SetValue(QStringLiteral("VERSION"), QString::fromLatin1(version));
        QStringList lines;
        lines << QStringLiteral("left over");
        TTextBoxScore::BuildTextBoxScore(game, lines);
        return lines;
    }

    // Player and team lines differ between editions only in the valuation
    // (field 24) and the Italian plus-minus (field 28).
    static QString Line(const QString &before, int valuation, const QString &after)
    {
        return before + QString::number(valuation) + after;
    }

    QLocale m_locale;
};

TEST_F(TextBoxScore, HungarianReportLineByLine)
{
    PlayGame();
    const QStringList lines = Build("HUN");
    // A blank first referee: the second follows ", " and keeps its blank. The
    // away team line holds no period length: its divisor is 40.
    EXPECT_TRUE(MatchesGolden(QStringLiteral("model/golden/text-box-score-hun.txt"),
                              lines.join(QLatin1Char('\n')) + QLatin1Char('\n')));
}

// The server counts fields: a "|" or a line break in a name must not make more.
TEST_F(TextBoxScore, NamesWithTheFieldMarkOrLineBreaksKeepEveryLineItsFields)
{
    PlayGame();
    const QStringList plain = Build("HUN");
    for (const char *name : {"Kiss|Bela", "Kiss\r\nBela", "|", "a|b|c\n"}) {
        SCOPED_TRACE(name);
        player(1, 7).JatekosNev = QString::fromLatin1(name);
        game.HomeTeam().Data.EgyesuletNev = QString::fromLatin1(name);
        game.Stadium = QString::fromLatin1(name);
        const QStringList lines = Build("HUN");
        ASSERT_EQ(lines.size(), plain.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].count(QLatin1Char('|')), plain[i].count(QLatin1Char('|')))
                << lines[i].toStdString();
            EXPECT_FALSE(lines[i].contains(QLatin1Char('\n')) || lines[i].contains(QLatin1Char('\r')));
        }
    }
}

TEST_F(TextBoxScore, EnglishAndHebrewPrintThePerformanceIndexWherePersonalFoulsCount)
{
    PlayGame();
    for (const char *version : {"ENG", "HEB"}) {
        SCOPED_TRACE(version);
        const QStringList lines = Build(version);
        ASSERT_EQ(lines.size(), 36);
        // Nagy's personal foul now counts against him: 3, not the stored 4.
        EXPECT_EQ(lines[11],
                  Line(QStringLiteral("7|NAGY Bence|S|4|1/1|100|1|0/0|0|1/1|100|2/3|67|1|0|1|0|0|1|0|0|0|0|"),
                       3, QStringLiteral("|10:30|0.10|1.14|")));
        EXPECT_EQ(lines[9].section(QLatin1Char('|'), 23, 23), QStringLiteral("1"));
        EXPECT_EQ(lines[15].section(QLatin1Char('|'), 21, 21), QStringLiteral("7"));
        EXPECT_EQ(lines[21].section(QLatin1Char('|'), 20, 20), QStringLiteral("9"));
        EXPECT_EQ(lines[35].section(QLatin1Char('|'), 20, 20), QStringLiteral("5"));
    }
}

TEST_F(TextBoxScore, FrenchValuationTakesThePointsFromTheShotCounters)
{
    PlayGame();
    const QStringList lines = Build("FRA");
    // Kovacs 3 + 1 - 1 = 3; Nagy 2 + 2 - 1 + 1 = 4 (fouls do not count);
    // home totals 3 + 2 + 3 - 1 - 1 + 1 + 1 + 1 + 1 = 10; period 1: 8, period 2: 2.
    const auto valuation = [&](int line, int field) {
        return lines[line].section(QLatin1Char('|'), field, field);
    };
    EXPECT_EQ(valuation(10, 23), QStringLiteral("3"));
    EXPECT_EQ(valuation(11, 23), QStringLiteral("4"));
    EXPECT_EQ(valuation(15, 21), QStringLiteral("8"));
    EXPECT_EQ(valuation(16, 21), QStringLiteral("2"));
    EXPECT_EQ(valuation(21, 20), QStringLiteral("10"));
    // Away: Molnar 2 - 1 = 1, Varga 3 + 1 = 4, totals 5.
    EXPECT_EQ(valuation(24, 23), QStringLiteral("1"));
    EXPECT_EQ(valuation(25, 23), QStringLiteral("4"));
    EXPECT_EQ(valuation(35, 20), QStringLiteral("5"));
}

TEST_F(TextBoxScore, ItalianLinesEndWithThePlusMinusAsLastComputed)
{
    PlayGame();
    PlayerStats::SetExtra(player(1, 4), QStringLiteral("INDEX"), QStringLiteral("-3"));
    PlayerStats::SetExtra(player(2, 8), QStringLiteral("INDEX"), QStringLiteral("7"));
    const QStringList lines = Build("ITA");
    EXPECT_EQ(lines[10],
              QStringLiteral("4|KOVACS Janos|S|4|0/1|0|0|1/1|100|1/2|50|1/1|100|0|0|0|0|0|0|0|0|0|0|3|"
                             "10:30|0.10|1.60|-3|"));
    EXPECT_EQ(lines[25],
              QStringLiteral("8|VARGA Levente|S|4|0/0|0|0|1/1|100|1/1|100|1/1|100|0|0|0|0|0|0|0|0|0|0|4|"
                             "10:30|0.10|2.67|7|"));
    // Without a value, 0; team lines too; period and total lines keep 25 and 24 fields.
    EXPECT_TRUE(lines[11].endsWith(QStringLiteral("|1.14|0|")));
    EXPECT_TRUE(lines[9].endsWith(QStringLiteral("|0.00|0|")));
    EXPECT_EQ(lines[11].count(QLatin1Char('|')), 28);
    EXPECT_EQ(lines[15].count(QLatin1Char('|')), 25);
    EXPECT_EQ(lines[21].count(QLatin1Char('|')), 24);
    EXPECT_EQ(Build("HUN")[11].count(QLatin1Char('|')), 27);
}

TEST_F(TextBoxScore, PointsPerMinuteUseFortyMinutesForPlayersAndThePeriodLengthForTotals)
{
    SetUpRoster(10);
    TPlayer p;
    p.Points = 12;
    p.PlayingTime = 7;
    EXPECT_EQ(TTextBoxScore::PlayerLine(p, TEdition::English).section(QLatin1Char('|'), 25, 25),
              QStringLiteral("0.30"));
    game.HomeTeam().Data.Totals.Points = 80;
    EXPECT_EQ(TTextBoxScore::TotalLine(game, 1).section(QLatin1Char('|'), 22, 22), QStringLiteral("2.00"));
    // A period of 12 minutes: 80 / 48.
    run(QStringLiteral("length 12"));
    EXPECT_EQ(TTextBoxScore::TotalLine(game, 1).section(QLatin1Char('|'), 22, 22), QStringLiteral("1.67"));
}

TEST_F(TextBoxScore, TwoDecimalsFollowTheSystemSeparatorWithoutGrouping)
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(TTextBoxScore::TwoDecimals(0.3), QStringLiteral("0,30"));
    EXPECT_EQ(TTextBoxScore::TwoDecimals(1234.5), QStringLiteral("1234,50"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(TTextBoxScore::TwoDecimals(1234.5), QStringLiteral("1234.50"));
    EXPECT_EQ(TTextBoxScore::TwoDecimals(2.0 / 3.0), QStringLiteral("0.67"));
}

TEST_F(TextBoxScore, RefereesAndPeriodScoresOfAnEmptyTwoPeriodGame)
{
    SetUpRoster(5);
    QStringList lines;
    TTextBoxScore::BuildTextBoxScore(game, lines);
    // Four period scores whatever the number of periods.
    EXPECT_EQ(lines[0], QStringLiteral("GENERAL:Home Team - Away Team 0-0|(0-0, 0-0, 0-0, 0-0)"));
    EXPECT_EQ(lines[2], QStringLiteral("REFEREES:"));
    EXPECT_EQ(lines[7], QStringLiteral("PLAYED TIME:00:00"));

    run(QStringLiteral(R"(game referee1="Horvath Peter" referee2="" referee3="Szabo Anna")"));
    TTextBoxScore::BuildTextBoxScore(game, lines);
    EXPECT_EQ(lines[2], QStringLiteral("REFEREES:Horvath Peter, Szabo Anna"));
    run(QStringLiteral(R"(game referee2=" " referee3="C")"));
    TTextBoxScore::BuildTextBoxScore(game, lines);
    EXPECT_EQ(lines[2], QStringLiteral("REFEREES:Horvath Peter, C"));
}

} // namespace
