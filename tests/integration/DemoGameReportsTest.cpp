// The whole outputs of parquetix-cli for the demo game, compared with their
// references: any figure, field or line that moves shows up as a diff.
#include "support/CliRunner.h"
#include "support/Golden.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

namespace {

class DemoGameReports : public ::testing::Test
{
protected:
    static QString demoGame() { return sourceFolder() + QStringLiteral("/demo/demo-game.txt"); }

    CliResult cli(const QStringList &args)
    {
        return runProgram(QStringLiteral("parquetix-cli"), args, home.path());
    }

    TestHome home;
    // The text report writes decimals as the machine's locale does.
    ScopedVariable m_locale{"LC_ALL", "C.UTF-8"};
};

TEST_F(DemoGameReports, StatisticsJson)
{
    const QString json = home.file(QStringLiteral("stats.json"));
    const CliResult r = cli(
        {QStringLiteral("stats"), QStringLiteral("--script"), demoGame(), QStringLiteral("--json"), json});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.isEmpty()) << r.Err.toStdString();
    EXPECT_TRUE(MatchesGolden(QStringLiteral("integration/golden/demo-game-stats.json"),
                              home.read(QStringLiteral("stats.json"))));
}

// The text report of the game as saved and loaded again, so the saved files
// carry every figure the report prints.
TEST_F(DemoGameReports, TextBoxScoreOfTheSavedGame)
{
    const QString folder = home.file(QStringLiteral("Save/demo"));
    const CliResult played = cli({QStringLiteral("play"), demoGame(), QStringLiteral("--save"), folder,
                                  QStringLiteral("--now"), QStringLiteral("20261209183005")});
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    const CliResult box = cli({QStringLiteral("textbox"), folder});
    ASSERT_EQ(box.ExitCode, 0) << box.Err.toStdString();
    EXPECT_TRUE(MatchesGolden(QStringLiteral("integration/golden/demo-game-textbox.txt"), box.Out));
}

} // namespace
