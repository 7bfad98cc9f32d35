// parquetix-cli flags on a scripted game with slips, marks, a dismissal and a
// confirmed period, played from the script and from the folder it saved.
#include "support/CliRunner.h"
#include "support/SampleGame.h"
#include "support/TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class CliFlags : public ::testing::Test
{
protected:
    CliFlags()
    {
        // Home line 2 an assist with no basket, away line 2 a steal with no
        // turnover, home line 3 a rebound with no miss.
        home.write(QStringLiteral("slips.txt"),
                   (QStringLiteral("game code=FLG00001\n") + SampleRoster() + QStringLiteral(R"(
length 5
tick
select home 4
event home 1004
select away 5
event away 1002
select home 7
event home 1001
flag away 2
dismiss home 3 rebound-without-miss
minute
minute
minute
minute
minute
periodend
confirm 1
)"))
                       .toUtf8());
    }
    CliResult cli(const QStringList &args)
    {
        return runProgram(QStringLiteral("parquetix-cli"), args, home.path());
    }
    QJsonArray flagsJson(const QString &source)
    {
        const QStringList from = source.endsWith(QLatin1String(".txt"))
                                     ? QStringList{QStringLiteral("--script"), home.file(source)}
                                     : QStringList{home.file(source)};
        const CliResult r =
            cli(QStringList{QStringLiteral("flags")} + from +
                QStringList{QStringLiteral("--json"), home.file(QStringLiteral("flags.json"))});
        EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        last = r;
        return QJsonDocument::fromJson(home.read(QStringLiteral("flags.json"))).array();
    }
    TestHome home;
    CliResult last;
};

TEST_F(CliFlags, PrintsAndWritesEachOpenFlag)
{
    const QJsonArray flags = flagsJson(QStringLiteral("slips.txt"));
    ASSERT_EQ(flags.size(), 2) << QJsonDocument(flags).toJson().toStdString();
    const QJsonObject first = flags[0].toObject();
    const QJsonObject second = flags[1].toObject();
    EXPECT_EQ(first.keys(), QStringList({"id", "line", "reasons", "side"}));
    EXPECT_EQ(first.value("side").toString(), "home");
    EXPECT_EQ(first.value("line").toInt(), 2);
    EXPECT_EQ(first.value("reasons").toArray(), QJsonArray({"assist-without-basket"}));
    EXPECT_EQ(second.value("side").toString(), "away");
    EXPECT_EQ(second.value("line").toInt(), 2);
    EXPECT_EQ(second.value("reasons").toArray(), QJsonArray({"steal-without-turnover", "user"}));
    EXPECT_LT(first.value("id").toInt(), second.value("id").toInt());

    const QString out = QString::fromUtf8(last.Out);
    EXPECT_TRUE(out.contains(
        QStringLiteral("home line 2 id %1: assist-without-basket  (2: ").arg(first.value("id").toInt())))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("open flags: home 1, away 1\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("score confirmed after period 1: 0-0\n"))) << out.toStdString();
}

TEST_F(CliFlags, ASavedGameGivesTheSameFlags)
{
    const QJsonArray fromScript = flagsJson(QStringLiteral("slips.txt"));
    const CliResult play = cli({QStringLiteral("play"), home.file(QStringLiteral("slips.txt")),
                                QStringLiteral("--save"), home.file(QStringLiteral("Save/slips"))});
    ASSERT_EQ(play.ExitCode, 0) << play.Err.toStdString();
    EXPECT_EQ(flagsJson(QStringLiteral("Save/slips")), fromScript);
    EXPECT_TRUE(QString::fromUtf8(last.Out).contains(QStringLiteral("score confirmed after period 1")));
}

TEST_F(CliFlags, RefusesWhatItCannotRead)
{
    struct TCall
    {
        QStringList Args;
        int Exit;
        const char *Says;
    };
    const TCall calls[] = {
        {{"flags"}, 2, "usage: parquetix-cli flags"},
        {{"flags", "--script"}, 2, "usage"},
        {{"flags", "a", "b"}, 2, "usage"},
        {{"flags", home.path()}, 1, "holds no saved game"},
        {{"flags", "--script", home.file("missing.txt")}, 1, "cannot read"},
    };
    for (const TCall &c : calls) {
        SCOPED_TRACE(c.Args.join(' ').toStdString());
        const CliResult r = cli(c.Args);
        EXPECT_EQ(r.ExitCode, c.Exit);
        EXPECT_TRUE(r.Err.contains(c.Says)) << r.Err.toStdString();
    }
}

} // namespace
