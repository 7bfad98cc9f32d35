// Whole games played through parquetix-cli, checked against figures worked
// out by hand from the recording rules.
#include "support/CliRunner.h"
#include "support/SampleGame.h"
#include "support/SavedGameJson.h"
#include "support/TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const QString Stamp = QStringLiteral("20261209183005");

QString roster()
{
    return QStringLiteral(
               "set VERSION=HUN RENDEZES=RENDEZES_MEZSZAM SERVER_NAME=/income/index.phtml? "
               "USE_ACTIVE_AI_1=YES\n"
               "game code=FULL1GAM2 date=2026-12-09 time=18:30 stadium=\"Main Hall\" attendance=300\n") +
           SampleRoster() + QStringLiteral("length 10\n");
}

// Every kind, shot kind and team event, a substitution before and after the
// first step, timeouts, type choices, fast break and second chance, and the
// clock through twelve overtimes to the 400th step.
QString fullGame()
{
    QString s = roster();
    s += QStringLiteral(R"(sub home 10 15
tick
select home 4
shot home made close 100 30
shot home made mid 80 120
fastbreak home
shot home made three 20 200
select home 7
shot home made freethrow
shot home made dunk 120 20
shot home missed close 110 40
shot home missed mid 90 110
shot home missed three 30 190
shot home missed freethrow
shot home missed dunk 120 20
select home 15
event home 1006
shot home made close 118 25
event home 1001
event home 1002
event home 1003
event home 1004
event home 1005
event home 1007
type home 3
event home 1008
type home 2
event home 1009
event home 1019
teammode home
event home 1001
event home 1002
event home 1003
event home 1004
event home 1005
event home 1006
event home 1007
type home 5
event home 1008
event home 1009
event home 1019
event home 1020
select away 5
event away 1020
timeout home
timeout away
sub away 8 21
)");
    // Four regular periods, then overtimes of 20 steps up to the 400th step.
    int clock = 1;
    auto stepTo = [&](int target) {
        for (; clock < target; ++clock)
            s += QStringLiteral("tick\n");
        s += QStringLiteral("periodend\n");
    };
    for (int end = 40; end <= 160; end += 40)
        stepTo(end);
    for (int end = 180; end <= 400; end += 20)
        stepTo(end);
    s += QStringLiteral("tick\n"); // refused: the clock stands at 400
    return s;
}

class ScriptedGame : public ::testing::Test
{
protected:
    QJsonObject play(const QString &script, QByteArray *out = nullptr)
    {
        home.write(QStringLiteral("game.txt"), script.toUtf8());
        const QString json = home.file(QStringLiteral("game.json"));
        const CliResult r = runProgram(QStringLiteral("parquetix-cli"),
                                       {QStringLiteral("play"), home.file(QStringLiteral("game.txt")),
                                        QStringLiteral("--now"), Stamp, QStringLiteral("--json"), json,
                                        QStringLiteral("--history"), QStringLiteral("--messages")},
                                       home.path());
        EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        if (out)
            *out = r.Out;
        return QJsonDocument::fromJson(home.read(QStringLiteral("game.json"))).object();
    }

    static QJsonObject eventById(const QJsonObject &game, const char *list, int id)
    {
        for (const QJsonValue &v : game.value(QLatin1String(list)).toArray())
            if (v.toObject().value(QLatin1String("Id")).toInt() == id)
                return v.toObject();
        ADD_FAILURE() << "no event " << id << " in " << list;
        return {};
    }

    TestHome home;
};

TEST_F(ScriptedGame, EveryKindCountsAsTheRulesSay)
{
    QByteArray out;
    const QJsonObject game = play(fullGame(), &out);
    const QJsonObject h = game.value(QLatin1String("HomeTeam")).toObject();
    const QJsonObject a = game.value(QLatin1String("AwayTeam")).toObject();

    const QJsonObject p4 = SavedPlayer(h, 4);
    EXPECT_EQ(p4.value("Points").toInt(), 7);
    EXPECT_EQ(p4.value("CloseMade").toInt(), 1);
    EXPECT_EQ(p4.value("MidMade").toInt(), 1);
    EXPECT_EQ(p4.value("ThreeMade").toInt(), 1);
    EXPECT_EQ(p4.value("Rating").toInt(), 7);

    const QJsonObject p7 = SavedPlayer(h, 7);
    EXPECT_EQ(p7.value("Points").toInt(), 3);
    EXPECT_EQ(p7.value("CloseMade").toInt(), 1);
    EXPECT_EQ(p7.value("DunksMade").toInt(), 1);
    EXPECT_EQ(p7.value("CloseMissed").toInt(), 2);
    EXPECT_EQ(p7.value("DunksMissed").toInt(), 1);
    EXPECT_EQ(p7.value("MissedPoints").toInt(), 9);
    EXPECT_EQ(p7.value("FreeThrowsMissed").toInt(), 1);
    EXPECT_EQ(p7.value("Rating").toInt(), -2);

    const QJsonObject p15 = SavedPlayer(h, 15);
    EXPECT_EQ(p15.value("Starter").toInt(), 1);
    EXPECT_EQ(p15.value("OffRebounds").toInt(), 1);
    EXPECT_EQ(p15.value("DefRebounds").toInt(), 1);
    EXPECT_EQ(p15.value("PersonalFouls").toInt(), 2);
    EXPECT_EQ(p15.value("TechnicalFouls").toInt(), 1);
    EXPECT_EQ(p15.value("Rating").toInt(), 6);
    EXPECT_EQ(SavedPlayer(h, 10).value("Starter").toInt(), 0);
    EXPECT_EQ(SavedPlayer(h, 10).value("OnBench").toInt(), 1);

    const QJsonObject t = h.value("Totals").toObject();
    EXPECT_EQ(t.value("Points").toInt(), 12);
    EXPECT_EQ(t.value("CloseMade").toInt(), 3);
    EXPECT_EQ(t.value("CloseMissed").toInt(), 2);
    EXPECT_EQ(t.value("MissedPoints").toInt(), 9);
    EXPECT_EQ(t.value("OffRebounds").toInt(), 2);
    EXPECT_EQ(t.value("DefRebounds").toInt(), 2);
    EXPECT_EQ(t.value("Turnovers").toInt(), 2);
    EXPECT_EQ(t.value("PersonalFouls").toInt(), 4);
    EXPECT_EQ(t.value("TechnicalFouls").toInt(), 2);
    EXPECT_EQ(t.value("IndirectSteals").toInt(), 1);
    EXPECT_EQ(t.value("DunksMade").toInt(), 1);
    EXPECT_EQ(t.value("DunksMissed").toInt(), 0);
    EXPECT_EQ(t.value("FastBreakPoints").toInt(), 3);
    EXPECT_EQ(t.value("SecondChancePoints").toInt(), 2);
    EXPECT_EQ(t.value("Rating").toInt(), 15);

    const QJsonObject line = h.value("TeamLine").toObject();
    EXPECT_EQ(line.value("PersonalFouls").toInt(), 2);
    EXPECT_EQ(line.value("TechnicalFouls").toInt(), 1);
    EXPECT_EQ(line.value("Steals").toInt(), 1);
    // The player foul of period 1 was cleared when period 2 opened; overtimes keep that 0.
    EXPECT_EQ(h.value("TeamFouls").toInt(), 0);

    // An away player's indirect steal counts only in the Hebrew edition.
    EXPECT_EQ(a.value("Totals").toObject().value("IndirectSteals").toInt(), 0);
    EXPECT_EQ(h.value("Timeouts").toArray().size(), 1);
    EXPECT_EQ(a.value("Timeouts").toArray().size(), 1);

    // The clock: 400 steps, four periods and twelve overtimes.
    EXPECT_EQ(game.value("Clock").toInt(), 400);
    EXPECT_EQ(game.value("Period").toInt(), 16);
    EXPECT_EQ(game.value("PeriodsEnded").toInt(), 16);
    // Refused steps (an overtime declined, the full clock) use no identifier.
    EXPECT_EQ(game.value("EventCounter").toInt(), 725);
    for (int jersey : {4, 7, 15})
        EXPECT_EQ(SavedPlayer(h, jersey).value("PlayingTime").toInt(), 400) << jersey;
    EXPECT_EQ(SavedPlayer(h, 10).value("PlayingTime").toInt(), 0);
    EXPECT_EQ(SavedPlayer(a, 8).value("PlayingTime").toInt(), 1);
    EXPECT_EQ(SavedPlayer(a, 21).value("PlayingTime").toInt(), 399);
}

TEST_F(ScriptedGame, MessagesAndHistoryTexts)
{
    QByteArray out;
    const QJsonObject game = play(fullGame(), &out);
    const QString prefix = QStringLiteral("/income/index.phtml?");
    auto message = [&](int id) { return eventById(game, "AllEvents", id).value("Message").toString(); };
    auto text = [&](int id) { return eventById(game, "AllEvents", id).value("Text").toString(); };

    EXPECT_EQ(message(2), prefix + QStringLiteral("kod=0001&szkod=FULL1GAM2&time=") + Stamp +
                              QStringLiteral("&h=Home_Team&v=Away_Team"));
    EXPECT_EQ(message(4), prefix + QStringLiteral("kod=0002&szkod=FULL1GAM2&time=") + Stamp +
                              QStringLiteral("&p=H12&k=1&h=1&jat=1&j=NAGY_Bence&mz=7"));
    EXPECT_EQ(message(13),
              prefix + QStringLiteral("kod=1000&id=13&szkod=FULL1GAM2&tipus=3&jatekos=H11&x=20&y=200&time=") +
                  Stamp + QStringLiteral("&hpont=7&vpont=0"));
    EXPECT_EQ(text(13), QStringLiteral("0.m 4 Kovacs: (FB)sikeres távoli"));
    EXPECT_EQ(message(19), prefix +
                               QStringLiteral("kod=1001&id=19&szkod=FULL1GAM2&tipus=4&jatekos=H12&time=") +
                               Stamp + QStringLiteral("&hpont=10&vpont=0"));
    EXPECT_EQ(text(20), QStringLiteral("0.m 7 Nagy: sikertelen zsakolas"));
    EXPECT_EQ(text(22), QStringLiteral("0.m 15 Balogh: (SC)sikeres közeli"));
    EXPECT_EQ(message(28), prefix +
                               QStringLiteral("kod=1005&id=28&szkod=FULL1GAM2&tipus=3&jatekos=H14&time=") +
                               Stamp + QStringLiteral("&hpont=12&vpont=0"));
    EXPECT_EQ(message(29), prefix +
                               QStringLiteral("kod=1007&id=29&szkod=FULL1GAM2&tipus=2&jatekos=H14&time=") +
                               Stamp + QStringLiteral("&hpont=12&vpont=0"));
    EXPECT_EQ(message(31), prefix + QStringLiteral("kod=1020&id=31&szkod=FULL1GAM2&jatekos=H14&time=") +
                               Stamp + QStringLiteral("&hpont=12&vpont=0"));
    EXPECT_EQ(message(38),
              prefix + QStringLiteral("kod=2005&id=38&szkod=FULL1GAM2&tipus=5&jatekos=T1&csapat=1&time=") +
                  Stamp);
    EXPECT_EQ(text(38), QStringLiteral("0.p Csapat eladott labda"));
    EXPECT_EQ(message(39),
              prefix + QStringLiteral("kod=2007&id=39&szkod=FULL1GAM2&jatekos=T1&csapat=1&time=") + Stamp);
    EXPECT_EQ(message(42),
              prefix + QStringLiteral("kod=2010&id=42&szkod=FULL1GAM2&jatekos=T1&csapat=1&time=") + Stamp);
    EXPECT_EQ(text(42), QStringLiteral("0.p Csapat indirect labdaszerzés"));
    EXPECT_EQ(message(44), prefix + QStringLiteral("kod=2011&id=44&szkod=FULL1GAM2&csapat=1&time=") + Stamp);
    EXPECT_EQ(text(45), QStringLiteral("0.p idokéres"));
    EXPECT_EQ(
        message(46),
        prefix +
            QStringLiteral("kod=1011&id=46&szkod=FULL1GAM2&jatekosbe=A24&jatekoski=A22&csapat=T2&time=") +
            Stamp);
    EXPECT_EQ(text(46), QStringLiteral("Lakatos <> Varga"));

    // Id 43 was the away player's indirect steal, refused outside the Hebrew edition.
    for (const QJsonValue &v : game.value("AllEvents").toArray())
        EXPECT_NE(v.toObject().value("Id").toInt(), 43);
    // The type choices were queued a second time.
    int resent = 0;
    for (const QJsonValue &v : game.value("OutgoingQueue").toArray())
        resent += v.toObject().value("Id").toInt() == 28 ? 1 : 0;
    EXPECT_EQ(resent, 2);
    EXPECT_TRUE(out.contains("Home history:\n"));
    EXPECT_TRUE(out.contains("\t0.m 7 Nagy: sikertelen zsakolas\n"));
}

// The printed valuation column is the box score's: in the Hungarian edition
// the rating each record keeps, which counts a foul unlike the index.
TEST_F(ScriptedGame, TheValuationColumnIsTheEditionsValuation)
{
    QByteArray out;
    const QJsonObject game = play(fullGame(), &out);
    QString side;
    int checked = 0;
    for (const QByteArray &raw : out.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.contains(QLatin1String("history:")))
            break;
        if (line.startsWith(QLatin1String("Home: ")))
            side = QStringLiteral("HomeTeam");
        else if (line.startsWith(QLatin1String("Away: ")))
            side = QStringLiteral("AwayTeam");
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool numbered = false;
        const int jersey = words.value(0).toInt(&numbered);
        if (side.isEmpty() || !numbered || words.size() < 3)
            continue;
        const QJsonObject player = SavedPlayer(game.value(side).toObject(), jersey);
        EXPECT_EQ(words[words.size() - 2].toInt(), player.value("Rating").toInt()) << line.toStdString();
        checked += player.value("PersonalFouls").toInt() > 0 ? 1 : 0;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(ScriptedGame, ScriptErrorsNameTheLine)
{
    home.write(QStringLiteral("bad.txt"), "# a comment\ntick\nshot home made close\n");
    const CliResult r =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("play"), home.file(QStringLiteral("bad.txt"))}, home.path());
    EXPECT_NE(r.ExitCode, 0);
    EXPECT_TRUE(r.Err.contains("bad.txt:3:")) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains("court point")) << r.Err.toStdString();

    home.write(QStringLiteral("bad2.txt"), "set NO_SUCH_KEY=1\n");
    const CliResult r2 =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("play"), home.file(QStringLiteral("bad2.txt"))}, home.path());
    EXPECT_NE(r2.ExitCode, 0);
    EXPECT_TRUE(r2.Err.contains("bad2.txt:1:")) << r2.Err.toStdString();
}

TEST_F(ScriptedGame, DemoGamePlaysThrough)
{
    const CliResult r = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("play"), sourceFolder() + QStringLiteral("/demo/demo-game.txt")}, home.path());
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.contains("Budapest Lions 17 : 14 Debrecen Hawks")) << r.Out.toStdString();
}

} // namespace
