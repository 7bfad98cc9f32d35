#include "support/CliRunner.h"
#include "support/Golden.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

namespace {

// The variants of one scripted game (substitutions, overtime, every kind of
// event) as parquetix-cli writes their cells, with the build's home.
TEST(BoxScoreVariantsOutput, CellsOfEachVariantMatchTheirReferences)
{
    struct Case
    {
        QStringList Arguments;
        const char *Golden;
    };
    const Case cases[] = {
        {{"boxscore", "--set", "VERSION=ITA"}, "reports/golden/variants-italy.json"},
        {{"boxscore", "--set", "VERSION=FRA"}, "reports/golden/variants-french.json"},
        {{"hebrew", "--set", "VERSION=HEB", "--set", "SWAP_RESULT=NO"},
         "reports/golden/variants-hebrew.json"},
        {{"press", "--set", "VERSION=ENG"}, "reports/golden/variants-press.json"},
        {{"quintet", "--set", "VERSION=ENG"}, "reports/golden/variants-quintet.json"},
        {{"quarters", "--periods", "2,5", "--set", "VERSION=HUN"}, "reports/golden/variants-quarters.json"},
    };
    for (const Case &c : cases) {
        TestHome out;
        const QString cells = out.file(QStringLiteral("cells.json"));
        const CliResult r =
            runProgram(QStringLiteral("parquetix-cli"),
                       QStringList{QStringLiteral("report")} + c.Arguments +
                           QStringList{QStringLiteral("--script"),
                                       sourceFolder() + QStringLiteral("/tests/data/variants-overtime.txt"),
                                       QStringLiteral("--cells"), cells});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_TRUE(MatchesGolden(QLatin1String(c.Golden), out.read(QStringLiteral("cells.json"))))
            << c.Arguments.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(BoxScoreVariantsOutput, AQuarterListThatIsNoListIsRefused)
{
    for (const char *periods : {"6", "0", "x"}) {
        const CliResult r =
            runProgram(QStringLiteral("parquetix-cli"),
                       {QStringLiteral("report"), QStringLiteral("quarters"), QStringLiteral("--periods"),
                        QLatin1String(periods), QStringLiteral("--script"),
                        sourceFolder() + QStringLiteral("/demo/demo-game.txt")});
        EXPECT_EQ(r.ExitCode, 2) << periods;
    }
}

} // namespace
