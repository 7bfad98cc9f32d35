// parquetix-cli stats on a small scripted game whose figures are worked out
// by hand: two five-minute periods, one home change in period 2.
#include "support/CliRunner.h"
#include "support/TestHome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const char *const Script = R"(
game code=CLI00001
team home id=1 webid=T1 name=Hosts league=1
team away id=2 webid=T2 name=Guests league=1
player home id=11 webid=H11 jersey=4 name="ONE Aron" court
player home id=12 webid=H12 jersey=7 name="TWO Bela" court
player home id=13 webid=H13 jersey=10 name="THREE Csaba" court
player home id=14 webid=H14 jersey=15 name="FOUR Dani" bench
player away id=21 webid=A21 jersey=5 name="FIVE Ede" court
player away id=22 webid=A22 jersey=8 name="SIX Feri" court
player away id=23 webid=A23 jersey=12 name="SEVEN Geza" court
length 5
tick
select home 4
shot home made three 20 200
select away 5
shot away made close 120 30
minute
minute
minute
minute
minute
periodend
tick
sub home 4 15
select home 15
shot home made mid 100 100
select away 8
shot away made freethrow
tick
tick
tick
)";

class CliStats : public ::testing::Test
{
protected:
    CliResult stats(const QStringList &args)
    {
        return runProgram(QStringLiteral("parquetix-cli"), QStringList{QStringLiteral("stats")} + args,
                          home.path());
    }
    static QJsonObject byJersey(const QJsonArray &players, int jersey)
    {
        for (const QJsonValue &v : players)
            if (v.toObject().value(QStringLiteral("JatekosMezSzam")).toInt() == jersey)
                return v.toObject();
        ADD_FAILURE() << "no player with jersey " << jersey;
        return {};
    }

    TestHome home;
};

TEST_F(CliStats, ScriptedGameAsJson)
{
    home.write(QStringLiteral("game.txt"), Script);
    const CliResult r =
        stats({QStringLiteral("--script"), home.file(QStringLiteral("game.txt")), QStringLiteral("--periods"),
               QStringLiteral("2"), QStringLiteral("--json"), home.file(QStringLiteral("stats.json"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.contains("Game statistics")) << r.Out.toStdString();
    EXPECT_TRUE(r.Out.contains("Per-period report, periods P2"));
    const QJsonObject j = QJsonDocument::fromJson(home.read(QStringLiteral("stats.json"))).object();
    ASSERT_FALSE(j.isEmpty());

    const QJsonArray homePeriods = j[QStringLiteral("PeriodTotals")][QStringLiteral("Home")].toArray();
    ASSERT_EQ(homePeriods.size(), 2); // the two periods the game had
    EXPECT_EQ(homePeriods[0][QStringLiteral("Points")].toInt(), 3);
    EXPECT_EQ(homePeriods[0][QStringLiteral("ThreeMade")].toInt(), 1);
    EXPECT_EQ(homePeriods[1][QStringLiteral("Points")].toInt(), 2);
    EXPECT_EQ(homePeriods[1][QStringLiteral("MidMade")].toInt(), 1);
    const QJsonArray awayPeriods = j[QStringLiteral("PeriodTotals")][QStringLiteral("Away")].toArray();
    EXPECT_EQ(awayPeriods[0][QStringLiteral("Points")].toInt(), 2);
    EXPECT_EQ(awayPeriods[1][QStringLiteral("Points")].toInt(), 1);

    EXPECT_EQ(j[QStringLiteral("StarterTotals")][QStringLiteral("Home")][QStringLiteral("Points")].toInt(),
              3);
    EXPECT_EQ(j[QStringLiteral("BenchTotals")][QStringLiteral("Home")][QStringLiteral("Points")].toInt(), 2);

    const QJsonObject report = j[QStringLiteral("GameReport")].toObject();
    const QJsonArray flags = report[QStringLiteral("PeriodFlags")].toArray();
    EXPECT_EQ(flags, (QJsonArray{false, true}));
    const QJsonArray reportHome = report[QStringLiteral("HomePlayers")].toArray();
    // Period 2 holds the steps from 20 -> 21 to 23 -> 24; #4 goes off after the first of them.
    EXPECT_EQ(byJersey(reportHome, 15)[QStringLiteral("PlayingTime")].toInt(), 3);
    EXPECT_EQ(byJersey(reportHome, 15)[QStringLiteral("Points")].toInt(), 2);
    EXPECT_EQ(byJersey(reportHome, 4)[QStringLiteral("PlayingTime")].toInt(), 1);
    EXPECT_EQ(byJersey(reportHome, 7)[QStringLiteral("PlayingTime")].toInt(), 4);
    EXPECT_EQ(report[QStringLiteral("AwayTotals")][QStringLiteral("Totals")][QStringLiteral("FreeThrowsMade")]
                  .toInt(),
              1);
    EXPECT_EQ(report[QStringLiteral("HomeTotals")][QStringLiteral("EgyesuletNev")].toString(),
              QStringLiteral("Hosts"));

    const QJsonArray pmHome = j[QStringLiteral("PlusMinus")][QStringLiteral("Home")].toArray();
    EXPECT_EQ(byJersey(pmHome, 4)[QStringLiteral("INDEX")].toInt(), 1);
    EXPECT_EQ(byJersey(pmHome, 7)[QStringLiteral("INDEX")].toInt(), 2);
    EXPECT_EQ(byJersey(pmHome, 15)[QStringLiteral("INDEX")].toInt(), 1);
    const QJsonArray pmAway = j[QStringLiteral("PlusMinus")][QStringLiteral("Away")].toArray();
    EXPECT_EQ(byJersey(pmAway, 12)[QStringLiteral("INDEX")].toInt(), -2);

    const QJsonArray homeLineups = j[QStringLiteral("Lineups")][QStringLiteral("Home")].toArray();
    ASSERT_EQ(homeLineups.size(), 2);
    EXPECT_EQ(homeLineups[0][QStringLiteral("Key")].toString(), QStringLiteral("H11H12H13"));
    EXPECT_EQ(homeLineups[0][QStringLiteral("PlayingTime")].toInt(), 21);
    EXPECT_EQ(homeLineups[0][QStringLiteral("Points")].toInt(), 3);
    EXPECT_EQ(homeLineups[1][QStringLiteral("Key")].toString(), QStringLiteral("H12H13H14"));
    EXPECT_EQ(homeLineups[1][QStringLiteral("Members")][2][QStringLiteral("Name")].toString(),
              QStringLiteral("FOUR Dani"));
    EXPECT_EQ(homeLineups[1][QStringLiteral("PlayingTime")].toInt(), 3);
    const QJsonArray awayLineups = j[QStringLiteral("Lineups")][QStringLiteral("Away")].toArray();
    ASSERT_EQ(awayLineups.size(), 1);
    EXPECT_EQ(awayLineups[0][QStringLiteral("PlayingTime")].toInt(), 24);

    const QJsonObject s = j[QStringLiteral("Statistics")].toObject();
    EXPECT_EQ(s[QStringLiteral("MaxLead")].toInt(), 3);
    EXPECT_EQ(s[QStringLiteral("MinLead")].toInt(), 0);
    EXPECT_EQ(s[QStringLiteral("Ties")].toInt(), 0);
    EXPECT_EQ(s[QStringLiteral("LeadChanges")].toInt(), 1);
    EXPECT_EQ(s[QStringLiteral("MaxHomeRun")].toInt(), 3);
    EXPECT_EQ(s[QStringLiteral("MaxAwayRun")].toInt(), 2);
}

TEST_F(CliStats, BadArguments)
{
    home.write(QStringLiteral("game.txt"), Script);
    const CliResult periods = stats({QStringLiteral("--script"), home.file(QStringLiteral("game.txt")),
                                     QStringLiteral("--periods"), QStringLiteral("1,6")});
    EXPECT_EQ(periods.ExitCode, 2);
    EXPECT_TRUE(periods.Err.contains("--periods")) << periods.Err.toStdString();
    EXPECT_TRUE(periods.Out.isEmpty());

    const CliResult none = stats({});
    EXPECT_EQ(none.ExitCode, 2);
    EXPECT_TRUE(none.Err.contains("usage:"));

    const CliResult missing = stats({QStringLiteral("--script"), home.file(QStringLiteral("absent.txt"))});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("cannot read"));
}

TEST_F(CliStats, ASavedGameGivesTheFiguresOfTheGamePlayedThrough)
{
    home.write(QStringLiteral("game.txt"), Script);
    const QString folder = home.file(QStringLiteral("Save/cli"));
    const CliResult played = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--save"), folder},
        home.path());
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    const CliResult fromScript = stats({QStringLiteral("--script"), home.file(QStringLiteral("game.txt"))});
    const CliResult fromFolder = stats({folder});
    ASSERT_EQ(fromFolder.ExitCode, 0) << fromFolder.Err.toStdString();
    EXPECT_EQ(fromFolder.Out, fromScript.Out);

    const CliResult empty = stats({home.file(QStringLiteral("Save"))});
    EXPECT_EQ(empty.ExitCode, 1);
    EXPECT_TRUE(empty.Err.contains("holds no saved game")) << empty.Err.toStdString();
}

TEST_F(CliStats, AFolderCutSinceItsLastSaveLoadsOnlyWhenAskedTo)
{
    home.write(QStringLiteral("game.txt"), Script);
    const QString folder = home.file(QStringLiteral("Save/cut"));
    const CliResult played = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--save"), folder},
        home.path());
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    // The events file cut to its first record still parses as a shorter game.
    const QString events = folder + QStringLiteral("/events_CLI00001.dat");
    QFile file(events);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 604);
    ASSERT_TRUE(file.resize(604));
    file.close();
    auto load = [&](const QStringList &extra) {
        return runProgram(QStringLiteral("parquetix-cli"),
                          QStringList{QStringLiteral("load"), folder} + extra, home.path());
    };
    const CliResult refused = load({});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.Err.contains("events_CLI00001.dat differs from the last completed save"))
        << refused.Err.toStdString();
    const CliResult forced = load({QStringLiteral("--load-damaged")});
    EXPECT_EQ(forced.ExitCode, 0) << forced.Err.toStdString();
    EXPECT_TRUE(forced.Err.contains("warning: events_CLI00001.dat differs")) << forced.Err.toStdString();
    EXPECT_TRUE(forced.Out.contains("Events 1 in the log")) << forced.Out.toStdString();
}

} // namespace
