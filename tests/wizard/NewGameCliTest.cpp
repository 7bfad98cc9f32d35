// parquetix-cli newgame and loadgame: the wizards from the command line
// against the reference server.

#include "support/CliRunner.h"
#include "support/ServerProcess.h"
#include "support/TestHome.h"

#include "common/Win1250.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Now = QStringLiteral("20260307180000");

void makeHome(const TestHome &home)
{
    QDir().mkpath(home.file(QStringLiteral("Datastore")));
    for (const char *name : {"parquetix.ini", "ParquetixData.xml", "Datastore/parquetix.db"})
        ASSERT_TRUE(QFile::copy(binaryFolder() + QLatin1Char('/') + QLatin1String(name),
                                home.file(QLatin1String(name))));
    home.write(QStringLiteral("game.txt"), "tick\nselect home 4\nshot home made mid 88 120\n"
                                           "select away 8\nshot away missed three 20 20\ntick\ntick\ntick\n");
}

TEST(NewGameCli, AWholeGameFromTheScheduleReachesTheServerAndItsFolder)
{
    TestHome home;
    makeHome(home);
    QTemporaryDir serverData;
    ServerProcess server(serverData.path());
    ASSERT_GT(server.Port(), 0);
    const CliResult run = runProgram(QStringLiteral("parquetix-cli"),
                                     {QStringLiteral("newgame"),
                                      QStringLiteral("--game"),
                                      QStringLiteral("MNL1GME1"),
                                      QStringLiteral("--online"),
                                      QStringLiteral("--send"),
                                      QString::fromLatin1(server.Base()),
                                      QStringLiteral("--home-starters"),
                                      QStringLiteral("4,7,11"),
                                      QStringLiteral("--home-sub"),
                                      QStringLiteral("13"),
                                      QStringLiteral("--away-starters"),
                                      QStringLiteral("3,8,12"),
                                      QStringLiteral("--away-sub"),
                                      QStringLiteral("15"),
                                      QStringLiteral("--attendance"),
                                      QStringLiteral("250"),
                                      QStringLiteral("--referee2"),
                                      QStringLiteral("KISS Béla"),
                                      QStringLiteral("--script"),
                                      home.file(QStringLiteral("game.txt")),
                                      QStringLiteral("--played"),
                                      QStringLiteral("home"),
                                      QStringLiteral("0=4"),
                                      QStringLiteral("1=4"),
                                      QStringLiteral("2=4"),
                                      QStringLiteral("--played"),
                                      QStringLiteral("away"),
                                      QStringLiteral("0=4"),
                                      QStringLiteral("1=4"),
                                      QStringLiteral("2=4"),
                                      QStringLiteral("--now"),
                                      Now},
                                     home.path());
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString() << run.Out.toStdString();
    const QString folder = home.file(QStringLiteral("Save/mnl1gme1_0703"));
    EXPECT_TRUE(run.Out.contains("Saved in " + folder.toUtf8())) << run.Out.toStdString();
    EXPECT_FALSE(run.Err.contains("operator:"))
        << "an online game with right totals asks nothing: " << run.Err.toStdString();

    const QByteArrayList got = server.Messages("MNL1GME1");
    ASSERT_FALSE(got.isEmpty());
    // The header names both teams; the roster gives the eight players chosen.
    EXPECT_TRUE(got.first().contains("kod=0001&")) << got.first().toStdString();
    EXPECT_TRUE(got.first().contains(Win1250::Encode(QString::fromUtf8("Budapesti_Medvék"))));
    EXPECT_EQ(countCode(got, "kod=0002"), 8);
    EXPECT_EQ(countCode(got, "kod=1000"), 1) << "the made shot";
    EXPECT_EQ(countCode(got, "kod=1001"), 1) << "the missed three";
    EXPECT_TRUE(got.last().contains("kod=1102&")) << got.last().toStdString();

    // The folder holds the game as the wizard saved it at its end.
    for (const char *file : {"general_", "hazai_", "vendeg_", "events_"})
        EXPECT_TRUE(
            QFile::exists(folder + QLatin1Char('/') + QLatin1String(file) + QStringLiteral("MNL1GME1.dat")))
            << file;
    const CliResult loaded =
        runProgram(QStringLiteral("parquetix-cli"), {QStringLiteral("load"), folder}, home.path());
    ASSERT_EQ(loaded.ExitCode, 0) << loaded.Err.toStdString();
    EXPECT_TRUE(loaded.Out.contains("Attendance 250")) << loaded.Out.toStdString();
    EXPECT_TRUE(loaded.Out.contains(QString::fromUtf8(" / KISS Béla / ").toUtf8()));
    EXPECT_TRUE(loaded.Out.contains(QString::fromUtf8("FEKETE Ádám").toUtf8())) << "the substitute";
    EXPECT_TRUE(loaded.Out.contains("Budapesti Medv")) << loaded.Out.toStdString();
}

TEST(NewGameCli, RefusedLineUpsAndFolderNamesEndTheCommandWithTheReason)
{
    TestHome home;
    makeHome(home);
    struct Case
    {
        QStringList extra;
        const char *reason;
    };
    const Case cases[] = {
        {{QStringLiteral("--home-starters"), QStringLiteral("4,7,99")}, "no player wears 99"},
        {{QStringLiteral("--home-starters"), QStringLiteral("4,7")}, "needs three jersey numbers"},
        {{QStringLiteral("--home-starters"), QStringLiteral("4,7,11"), QStringLiteral("--folder"),
          QStringLiteral("a:b")},
         "The specified directory is invalid!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reason);
        QStringList args = {QStringLiteral("newgame"),         QStringLiteral("--game"),
                            QStringLiteral("MNL1GME1"),        QStringLiteral("--online"),
                            QStringLiteral("--away-starters"), QStringLiteral("3,8,12"),
                            QStringLiteral("--now"),           Now};
        args += c.extra;
        const CliResult run = runProgram(QStringLiteral("parquetix-cli"), args, home.path());
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Err.contains(c.reason)) << run.Err.toStdString();
    }
}

TEST(NewGameCli, LoadGameContinuesAndFinishesASavedGame)
{
    TestHome home;
    makeHome(home);
    const CliResult created =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("newgame"), QStringLiteral("--game"), QStringLiteral("MNL1GME2"),
                    QStringLiteral("--online"), QStringLiteral("--home-starters"), QStringLiteral("5,9,14"),
                    QStringLiteral("--away-starters"), QStringLiteral("6,10,16"), QStringLiteral("--folder"),
                    QStringLiteral("g2"), QStringLiteral("--script"), home.file(QStringLiteral("game.txt")),
                    QStringLiteral("--now"), Now},
                   home.path());
    // The script's players are not in this game: the recording step fails and says where.
    EXPECT_EQ(created.ExitCode, 1);
    EXPECT_TRUE(created.Err.contains("newgame: game:")) << created.Err.toStdString();

    home.write(QStringLiteral("first.txt"), "tick\nselect home 5\nshot home made three 20 20\n");
    home.write(QStringLiteral("more.txt"), "select home 5\nshot home made three 20 20\ntick\n");
    const CliResult first =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("newgame"), QStringLiteral("--game"), QStringLiteral("MNL1GME2"),
                    QStringLiteral("--online"), QStringLiteral("--home-starters"), QStringLiteral("5,9,14"),
                    QStringLiteral("--away-starters"), QStringLiteral("6,10,16"), QStringLiteral("--folder"),
                    QStringLiteral("g2"), QStringLiteral("--script"), home.file(QStringLiteral("first.txt")),
                    QStringLiteral("--now"), Now},
                   home.path());
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    const CliResult again =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("loadgame"), home.file(QStringLiteral("Save/g2")),
                    QStringLiteral("--script"), home.file(QStringLiteral("more.txt")),
                    QStringLiteral("--finish"), QStringLiteral("--messages"), QStringLiteral("--now"), Now},
                   home.path());
    ASSERT_EQ(again.ExitCode, 0) << again.Err.toStdString();
    EXPECT_TRUE(again.Out.contains("(6 points)")) << again.Out.toStdString();
    EXPECT_TRUE(again.Err.contains("operator: ")) << "a game loaded offline is questioned";
    QFile events(home.file(QStringLiteral("Save/g2/events_MNL1GME2.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadOnly));
    EXPECT_EQ(events.readAll().count("kod=1102"), 2) << "each wizard closed the game once";

    const CliResult missing =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("loadgame"), home.file(QStringLiteral("Save/none"))}, home.path());
    EXPECT_EQ(missing.ExitCode, 1);
}

} // namespace
