// A game replayed through parquetix-cli with line-up, time and bench
// corrections: the messages they queue, the counter, and the saved folder
// as it loads again.
#include "support/CliRunner.h"
#include "support/SampleGame.h"
#include "support/SavedGameJson.h"
#include "support/TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString Stamp = QStringLiteral("20261209183005");

// Home 4, 7, 10 on court and 15 on the bench; away 5, 8, 12 and 21.
QString script()
{
    return QStringLiteral("set VERSION=HUN RENDEZES=RENDEZES_MEZSZAM SERVER_NAME=/income/index.phtml?\n"
                          "game code=CORR1GAM2\n") +
           SampleRoster() + QStringLiteral(R"(length 10
lineup home 4,7,15
tick
addplayer away id=31 webid=W31 jersey=33 name="UJ Elek"; id=32 webid=W32 jersey=9 name="VEN Ede"
tick
lineup away 9,33,5
select away 33
shot away made three 60 200
settime 930
settime 12:00 enter
)");
}

// In number order, whichever order the lists are kept in.
QList<int> jerseys(const QJsonObject &team, const char *list)
{
    QList<int> out;
    for (const QJsonValue &v : team.value(QLatin1String(list)).toArray())
        out.append(v.toObject().value(QLatin1String("JatekosMezSzam")).toInt());
    std::sort(out.begin(), out.end());
    return out;
}

QStringList messages(const QJsonObject &game, const char *list)
{
    QStringList out;
    for (const QJsonValue &v : game.value(QLatin1String(list)).toArray())
        out.append(
            v.toObject().value(QLatin1String("Message")).toString().mid(int(strlen("/income/index.phtml?"))));
    return out;
}

TEST(LineupCorrectionsCli, LineupsTimeAndBenchReachTheQueueAndTheSavedFolder)
{
    TestHome home;
    home.write(QStringLiteral("game.txt"), script().toUtf8());
    const QString folder = home.file(QStringLiteral("Save/corr"));
    const CliResult played = runProgram(QStringLiteral("parquetix-cli"),
                                        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")),
                                         QStringLiteral("--save"), folder, QStringLiteral("--now"), Stamp,
                                         QStringLiteral("--json"), home.file(QStringLiteral("play.json"))},
                                        home.path());
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    const QJsonObject game = QJsonDocument::fromJson(home.read(QStringLiteral("play.json"))).object();
    const QJsonObject h = game.value(QLatin1String("HomeTeam")).toObject();
    const QJsonObject a = game.value(QLatin1String("AwayTeam")).toObject();

    // Before the first step the home line-up moved the starter marks only.
    EXPECT_EQ(jerseys(h, "OnCourt"), QList<int>({4, 7, 15}));
    EXPECT_EQ(SavedPlayer(h, 15).value(QLatin1String("Starter")).toInt(), 1);
    EXPECT_EQ(SavedPlayer(h, 10).value(QLatin1String("Starter")).toInt(), 0);
    EXPECT_EQ(jerseys(a, "OnCourt"), QList<int>({5, 9, 33}));
    EXPECT_EQ(jerseys(a, "Bench"), QList<int>({8, 12, 21}));
    EXPECT_EQ(SavedPlayer(a, 33).value(QLatin1String("Points")).toInt(), 3);

    const QString t = QStringLiteral("&time=") + Stamp;
    const QStringList queued = messages(game, "OutgoingQueue");
    ASSERT_EQ(queued.size(), 18);
    // The first step announces the game with the starting line-up the dialog set.
    EXPECT_TRUE(queued[3].contains(QStringLiteral("&p=H14&k=1&h=1&jat=1&"))) << queued[3].toStdString();
    EXPECT_TRUE(queued[4].contains(QStringLiteral("&p=H13&k=0&h=1&jat=0&"))) << queued[4].toStdString();
    const QStringList expected = {
        QStringLiteral("kod=0002&szkod=CORR1GAM2&p=W32&k=0&h=0&jat=0&j=VEN_Ede&mz=9"),
        QStringLiteral("kod=0002&szkod=CORR1GAM2&p=W31&k=0&h=0&jat=0&j=UJ_Elek&mz=33"),
        QStringLiteral("kod=1100&id=13&szkod=CORR1GAM2&ido=0") + t,
        // The highest new number first, for the first player on court it replaces.
        QStringLiteral("kod=1011&id=14&szkod=CORR1GAM2&jatekosbe=W31&jatekoski=A22&csapat=T2") + t,
        QStringLiteral("kod=1011&id=15&szkod=CORR1GAM2&jatekosbe=W32&jatekoski=A23&csapat=T2") + t,
        QStringLiteral("kod=1000&id=16&szkod=CORR1GAM2&tipus=3&jatekos=W31&x=60&y=200") + t +
            QStringLiteral("&hpont=0&vpont=3"),
        // The typed time normalised after Tab, then as typed after Enter.
        QStringLiteral("kod=6001&id=17&szkod=CORR1GAM2&time=0930") + t,
        QStringLiteral("kod=6001&id=18&szkod=CORR1GAM2&time=1200") + t,
    };
    EXPECT_EQ(queued.mid(10), expected);
    EXPECT_EQ(game.value(QLatin1String("EventCounter")).toInt(), 18);
    // The time messages are sent only: no event log entry.
    EXPECT_FALSE(messages(game, "AllEvents").join(QLatin1Char('\n')).contains(QStringLiteral("kod=6001")));

    const CliResult loaded = runProgram(QStringLiteral("parquetix-cli"),
                                        {QStringLiteral("load"), folder, QStringLiteral("--now"), Stamp,
                                         QStringLiteral("--json"), home.file(QStringLiteral("load.json"))},
                                        home.path());
    ASSERT_EQ(loaded.ExitCode, 0) << loaded.Err.toStdString();
    const QJsonObject again = QJsonDocument::fromJson(home.read(QStringLiteral("load.json"))).object();
    const QJsonObject ha = again.value(QLatin1String("HomeTeam")).toObject();
    const QJsonObject aa = again.value(QLatin1String("AwayTeam")).toObject();
    EXPECT_EQ(jerseys(ha, "OnCourt"), QList<int>({4, 7, 15}));
    EXPECT_EQ(SavedPlayer(ha, 15).value(QLatin1String("Starter")).toInt(), 1);
    EXPECT_EQ(jerseys(aa, "OnCourt"), QList<int>({5, 9, 33}));
    EXPECT_EQ(jerseys(aa, "Bench"), QList<int>({8, 12, 21}));
    const QJsonObject added = SavedPlayer(aa, 9);
    EXPECT_EQ(added.value(QLatin1String("WebID")).toString(), QStringLiteral("W32"));
    EXPECT_EQ(added.value(QLatin1String("CsapatID")).toInt(), 2);
    EXPECT_EQ(SavedPlayer(aa, 33).value(QLatin1String("Points")).toInt(), 3);
    const QStringList log = messages(again, "AllEvents");
    EXPECT_EQ(log.filter(QStringLiteral("kod=0002&szkod=CORR1GAM2&p=W3")).size(), 2);
    EXPECT_EQ(log.filter(QStringLiteral("kod=1011")).size(), 2);
}

} // namespace
