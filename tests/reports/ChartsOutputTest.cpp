#include "support/CliRunner.h"
#include "support/Golden.h"
#include "support/TestHome.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// A report of the charts' scripted game as parquetix-cli writes it, with the
// build's home: its master data holds the players' jerseys and its
// translations are the ones the program ships.
CliResult report(const QStringList &name, const QStringList &options = {})
{
    return runProgram(QStringLiteral("parquetix-cli"),
                      QStringList{QStringLiteral("report")} + name +
                          QStringList{QStringLiteral("--script"),
                                      sourceFolder() + QStringLiteral("/tests/data/charts-game.script")} +
                          options);
}

TEST(ChartsOutput, CellsOfEveryReportMatchTheirReferences)
{
    const struct
    {
        QStringList Name;
        const char *Golden;
    } cases[] = {
        {{QStringLiteral("shooting")}, "reports/golden/charts-shooting.json"},
        {{QStringLiteral("alternative")}, "reports/golden/charts-alternative.json"},
        {{QStringLiteral("alternative"), QStringLiteral("--scope"), QStringLiteral("home"),
          QStringLiteral("--player"), QStringLiteral("4")},
         "reports/golden/charts-alternative-home-4.json"},
        {{QStringLiteral("shotlist"), QStringLiteral("--scope"), QStringLiteral("away")},
         "reports/golden/charts-shotlist-away.json"},
        {{QStringLiteral("individual"), QStringLiteral("home")},
         "reports/golden/charts-individual-home.json"},
        {{QStringLiteral("individual"), QStringLiteral("away")},
         "reports/golden/charts-individual-away.json"},
        {{QStringLiteral("gameflow")}, "reports/golden/charts-gameflow.json"},
        {{QStringLiteral("keymoments")}, "reports/golden/charts-keymoments.json"},
    };
    for (const auto &c : cases) {
        TestHome out;
        const CliResult r =
            report(c.Name, {QStringLiteral("--cells"), out.file(QStringLiteral("cells.json"))});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_TRUE(MatchesGolden(QLatin1String(c.Golden), out.read(QStringLiteral("cells.json"))))
            << c.Golden;
    }
}

TEST(ChartsOutput, WrongChoicesAreRefusedWithTheirReason)
{
    const struct
    {
        QStringList Args;
        const char *Reason;
    } cases[] = {
        {{QStringLiteral("alternative"), QStringLiteral("--scope"), QStringLiteral("left")}, "--scope takes"},
        {{QStringLiteral("alternative"), QStringLiteral("--scope"), QStringLiteral("home"),
          QStringLiteral("--player"), QStringLiteral("99")},
         "no player with jersey 99"},
        {{QStringLiteral("shotlist"), QStringLiteral("--player"), QStringLiteral("4")},
         "--scope home or away"},
        {{QStringLiteral("individual")}, "individual takes home or away"},
        {{QStringLiteral("individual"), QStringLiteral("middle")}, "individual takes home or away"},
    };
    for (const auto &c : cases) {
        const CliResult r = report(c.Args);
        EXPECT_EQ(r.ExitCode, 2) << c.Reason;
        EXPECT_TRUE(r.Err.contains(c.Reason)) << r.Err.toStdString();
        // The reason alone: the report's name is a known one.
        EXPECT_FALSE(r.Err.contains("unknown report")) << r.Err.toStdString();
    }
}

TEST(ChartsOutput, EveryReportRendersItsPages)
{
    TestHome out;
    const CliResult r =
        report({QStringLiteral("keymoments")},
               {QStringLiteral("--pdf"), out.file(QStringLiteral("km.pdf")), QStringLiteral("--png"),
                out.file(QStringLiteral("km")), QStringLiteral("--dpi"), QStringLiteral("40")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(out.read(QStringLiteral("km.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(QFile::exists(out.file(QStringLiteral("km-1.png"))));
}

} // namespace
