#include "masterdata/TMessageTable.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "support/CliRunner.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace {

struct TRun
{
    int code = -1;
    QString out;
    QString err;
};

QStringList words(const char *line)
{
    // Arguments split at blanks; "_" stands for a blank inside one.
    QStringList args;
    for (const QString &w : QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        args << QString(w).replace(QLatin1Char('_'), QLatin1Char(' '));
    return args;
}

class DbEditCli : public ::testing::Test
{
protected:
    TRun db(const char *line)
    {
        const CliResult r = runProgram(QStringLiteral("parquetix-cli"),
                                       QStringList{QStringLiteral("db")} + words(line), home.path());
        return {r.ExitCode, QString::fromUtf8(r.Out), QString::fromUtf8(r.Err)};
    }

    void ok(const char *line)
    {
        const TRun r = db(line);
        ASSERT_EQ(r.code, 0) << line << ": " << r.err.toStdString();
    }

    // Every master data table as listed, to see that nothing changed.
    QString everything()
    {
        QString all;
        for (const char *table : {"list leagues", "list teams", "list players", "list games"})
            all += db(table).out;
        return all;
    }

    // League 1 with teams 1 and 2 joined, team 3 outside, players 1 and 2,
    // player 1 on team 1.
    void seed()
    {
        for (const char *line : {"add league NB_I", "add team Alfa", "add team Béta", "add team Gamma",
                                 "add player Kiss --jersey 7", "add player Nagy", "join team 1 1",
                                 "join team 1 2", "join player 1 1 1"})
            ok(line);
    }

    // The commands speak the home's language: English here.
    void SetUp() override
    {
        home.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nVERSION=ENG\nLANGUAGE=ENG\n");
    }

    // A message as the command prints it, in the home's language.
    QString message(const char *name) const
    {
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        if (!dm.OpenAll())
            return {};
        TTranslator translator(dm, QStringLiteral("ENG"));
        TMessageTable messages;
        messages.BuildMessageTable(translator);
        return messages.Text(QLatin1String(name));
    }

    TestHome home;
};

struct TRefusal
{
    const char *line;
    int code;
    const char *message; // a message-table name, or a text the error names
};

const TRefusal kRefusals[] = {
    {"add league ___", 1, "MsgLeagueNameRequired"},
    {"add team _", 1, "MsgTeamNameRequired"},
    {"add player Tóth --birth=", 2, "unknown option"},
    {"add player _ --height 190", 1, "MsgPlayerNameRequired"},
    {"add game", 1, "MsgLeagueRequired"},
    {"add game --home 1 --away 2", 1, "MsgLeagueRequired"},
    {"add game --league 1 --away 2", 1, "MsgHomeTeamRequired"},
    {"add game --league 1 --home 2", 1, "MsgAwayTeamRequired"},
    {"add game --league 1 --home 3 --away 1", 1, "not joined"},
    {"add game --league 7 --home 1 --away 2", 1, "no league 7"},
    {"add player Tóth --height tall", 1, "'tall' is not a valid integer value"},
    {"edit player 1 name=_", 1, "MsgPlayerNameRequired"},
    {"edit player 1 Szuletes=", 1, "MsgBirthDateRequired"},
    {"edit team 2 EgyesuletNev=", 1, "MsgTeamNameRequired"},
    {"edit game 1 league=", 1, "MsgLeagueRequired"},
    {"edit league 9 name=Other", 1, "no row 9"},
    {"edit team 1 address=Fő_utca", 2, "is not FIELD=VALUE"},
    {"edit club 1 name=X", 2, "usage"},
    {"join team 1 1", 1, "already in league"},
    {"join team 1 9", 1, "no team 9"},
    {"join player 1 2 1", 1, "on a team of league 1 already"},
    {"join player 1 3 2", 1, "team 3 is not in league 1"},
    {"leave team 1 3", 1, "team 3 is not in league 1"},
    {"leave player 1 2 1", 1, "player 1 is not on team 2"},
    {"add player Tóth --birth soon", 1, "MsgBirthDateInvalid"},
    {"edit player 1 birth=1999-04-12", 1, "MsgBirthDateInvalid"},
    {"add game --league 1 --home 1 --away 2 --date 2027-05-01", 1, "MsgGameDateInvalid"},
    {"add game --league 1 --home 1 --away 2 --date 32.13.2027 --hour 18:00", 1, "MsgGameDateInvalid"},
    {"add game --league 1 --home 1 --away 2 --date 01.05.2027 --hour 25:99", 1, "MsgGameHourInvalid"},
    {"delete league 1", 1, "Games of the schedule: 1"},
    {"delete team 1", 1, "Leagues the club is joined to: 1"},
    {"delete player 1", 1, "Rosters the player is on: 1"},
    {"delete game 9", 1, "no row 9"},
    {"delete club 1", 2, "usage"},
    {"join team 1", 2, "usage"},
    {"leave player 1 x 1", 2, "'x' is not an identifier"},
};

void PrintTo(const TRefusal &r, std::ostream *os)
{
    *os << r.line;
}

class DbEditRefusals : public DbEditCli, public ::testing::WithParamInterface<TRefusal>
{
};

} // namespace

TEST_P(DbEditRefusals, PrintTheReasonAndStoreNothing)
{
    seed();
    ok("add game --league 1 --home 1 --away 2 --code GAME1");
    const QString before = everything();
    const TRefusal &c = GetParam();
    const TRun r = db(c.line);
    EXPECT_EQ(r.code, c.code) << r.out.toStdString();
    const bool named = QString::fromLatin1(c.message).startsWith(QLatin1String("Msg"));
    const QString expected = named ? message(c.message) : QString::fromUtf8(c.message);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(r.err.contains(expected)) << r.err.toStdString();
    EXPECT_EQ(everything(), before);
}

// Cases named by their command line, so a failure names the command.
INSTANTIATE_TEST_SUITE_P(Cases, DbEditRefusals, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<TRefusal> &info) {
                             std::string name = std::to_string(info.index) + "_";
                             for (const char *c = info.param.line; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(DbEditCli, AddsEditsAndJoinsWhatTheDialogsWould)
{
    seed();
    const TRun player = db("add player Tóth --birth 19990101 --webid T1 --position G");
    ASSERT_EQ(player.code, 0) << player.err.toStdString();
    EXPECT_TRUE(player.out.contains(QStringLiteral("web id T1 born 19990101"))) << player.out.toStdString();
    // Without a typed web identifier the clock gives one; the birth date defaults to today.
    const TRun plain = db("add player Szabó");
    ASSERT_EQ(plain.code, 0);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("web id [1-9][0-9]{5,7} born ")).match(plain.out).hasMatch())
        << plain.out.toStdString();
    EXPECT_TRUE(plain.out.contains(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))) ||
                plain.out.contains(QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyyMMdd"))));

    // The same team twice and a code another game has are both saved.
    ok("add game --league 1 --home 2 --away 2 --code SAME --date 01.05.2031");
    ok("add game --league 1 --home 1 --away 2 --code SAME --referee1 Bíró_Béla");
    ok("edit game 2 hour=18:30 Nap=szombat");
    const QString games = db("list games").out;
    EXPECT_TRUE(games.contains(QStringLiteral("2 row(s)"))) << games.toStdString();
    EXPECT_EQ(games.count(QStringLiteral("SAME")), 2);
    EXPECT_TRUE(games.contains(QStringLiteral("szombat"))) << games.toStdString();
    // Referees typed into a game are not added to the staff names.
    EXPECT_FALSE(db("list staff").out.contains(QStringLiteral("Bíró Béla")));

    ok("edit team 2 short=BETAX capacity=1500");
    EXPECT_TRUE(db("list teams").out.contains(QStringLiteral("BET "))) << db("list teams").out.toStdString();

    // Leaving the league frees the team's players for another team of it.
    EXPECT_NE(db("join player 1 2 1").code, 0);
    ok("leave team 1 1");
    ok("join player 1 2 1");
    ok("leave player 1 2 1");
    ok("join team 1 1");
    ok("join player 1 1 1");
}

TEST_F(DbEditCli, DeletesWhatNothingRefersToAndTidiesDatesAndHours)
{
    seed();
    // A date and hour typed without leading zeros are stored as the schedule writes them.
    ok("add game --league 1 --home 1 --away 2 --date 1.5.2027 --hour 9:30");
    const QString games = db("list games").out;
    EXPECT_TRUE(games.contains(QStringLiteral("01.05.2027"))) << games.toStdString();
    EXPECT_TRUE(games.contains(QStringLiteral("09:30"))) << games.toStdString();

    // Team 3 is in no league, on no roster and in no game; player 2 is on no roster.
    ok("delete team 3");
    ok("delete player 2");
    EXPECT_FALSE(db("list teams").out.contains(QStringLiteral("Gamma")));
    EXPECT_FALSE(db("list players").out.contains(QStringLiteral("Nagy")));
    // Once its game and joins are gone, the league goes too.
    ok("delete game 1");
    ok("leave team 1 1");
    ok("leave team 1 2");
    ok("delete league 1");
    EXPECT_TRUE(db("list leagues").out.contains(QStringLiteral("0 row(s)")));
}

TEST_F(DbEditCli, ADatabaseMadeByInitTranslatesAsTheShippedOne)
{
    ok("init");
    const CliResult r = runProgram(QStringLiteral("parquetix-cli"),
                                   {QStringLiteral("translate"), QStringLiteral("labdaszerzés"),
                                    QStringLiteral("--lang"), QStringLiteral("ENG")},
                                   home.path());
    EXPECT_EQ(QString::fromUtf8(r.Out).trimmed(), QStringLiteral("steal")) << r.Err.toStdString();
}

// Without --lang the refusals follow the home's LANGUAGE, as every other
// command does.
TEST_F(DbEditCli, RefusalsFollowTheHomesLanguage)
{
    QDir().mkpath(home.file(QStringLiteral("Datastore")));
    ASSERT_TRUE(QFile::copy(binaryFolder() + QStringLiteral("/Datastore/parquetix.db"),
                            home.file(QStringLiteral("Datastore/parquetix.db"))));
    const auto refusal = [&](const char *language, const char *line) {
        home.write(QStringLiteral("parquetix.ini"),
                   QByteArray("[APPLICATION]\nLANGUAGE=") + language + "\nVERSION=" + language + "\n");
        const TRun r = db(line);
        EXPECT_EQ(r.code, 1) << line;
        return r.err;
    };
    for (const char *line : {"add league ___", "add team _", "add game"}) {
        SCOPED_TRACE(line);
        const QString english = refusal("HUN", (std::string(line) + " --lang ENG").c_str());
        const QString hungarian = refusal("ENG", (std::string(line) + " --lang HUN").c_str());
        ASSERT_NE(english, hungarian);
        EXPECT_EQ(refusal("ENG", line), english);
        EXPECT_EQ(refusal("HUN", line), hungarian);
    }
}
