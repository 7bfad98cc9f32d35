// A game with deletions and changes played through parquetix-cli, saved after
// every event, and loaded again from its folder.
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

class CorrectionsCli : public ::testing::Test
{
protected:
    QJsonObject json(const QString &name) const { return QJsonDocument::fromJson(home.read(name)).object(); }

    static QJsonObject player(const QJsonObject &game, const char *team, int jersey)
    {
        return SavedPlayer(game.value(QLatin1String(team)).toObject(), jersey);
    }

    static int count(const QJsonObject &game, const char *team, const char *line, const char *counter)
    {
        return game.value(QLatin1String(team))
            .toObject()
            .value(QLatin1String(line))
            .toObject()
            .value(QLatin1String(counter))
            .toInt();
    }

    // The events of a list with that kind, in order.
    static QList<QJsonObject> events(const QJsonObject &game, const char *list, int kind)
    {
        QList<QJsonObject> found;
        for (const QJsonValue &v : game.value(QLatin1String(list)).toArray())
            if (v.toObject().value(QLatin1String("Kind")).toInt() == kind)
                found.append(v.toObject());
        return found;
    }

    static QStringList messagesWith(const QJsonObject &game, const QString &part)
    {
        QStringList found;
        for (const QJsonValue &v : game.value(QLatin1String("OutgoingQueue")).toArray()) {
            const QString m = v.toObject().value(QLatin1String("Message")).toString();
            if (m.contains(part))
                found.append(m);
        }
        return found;
    }

    TestHome home;
};

TEST_F(CorrectionsCli, ReplayWithCorrectionsAndReload)
{
    home.write(QStringLiteral("game.txt"),
               (QStringLiteral("set VERSION=HUN RENDEZES=RENDEZES_MEZSZAM SERVER_NAME=/income/index.phtml?\n"
                               "game code=CORR1GAM2\n") +
                SampleRoster() + QStringLiteral(R"(length 10
tick
select home 4
shot home made mid 80 120
select home 7
event home 1002
select away 5
event away 1001
event away 1002
change home 2 kind=1013 detail=1103 x=30 y=190
change home 3 actor=team
delete away 3
filter home player=4
deletelast home
filter home off
)"))
                   .toUtf8());
    const QString folder = home.file(QStringLiteral("saved"));
    const CliResult played =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--save"),
                    folder, QStringLiteral("--now"), Stamp, QStringLiteral("--json"),
                    home.file(QStringLiteral("played.json")), QStringLiteral("--history")},
                   home.path());
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    const QJsonObject game = json(QStringLiteral("played.json"));

    // The shot was changed, then deleted; the steal went to the team; the away steal was deleted.
    const QJsonObject kovacs = player(game, "HomeTeam", 4);
    EXPECT_EQ(kovacs.value(QLatin1String("Points")).toInt(), 0);
    EXPECT_EQ(kovacs.value(QLatin1String("MidMade")).toInt(), 0);
    EXPECT_EQ(kovacs.value(QLatin1String("ThreeMissed")).toInt(), 0);
    EXPECT_EQ(player(game, "HomeTeam", 7).value(QLatin1String("Steals")).toInt(), 0);
    EXPECT_EQ(count(game, "HomeTeam", "TeamLine", "Steals"), 1);
    EXPECT_EQ(count(game, "HomeTeam", "Totals", "Steals"), 1);
    EXPECT_EQ(count(game, "HomeTeam", "Totals", "Points"), 0);
    EXPECT_EQ(player(game, "AwayTeam", 5).value(QLatin1String("DefRebounds")).toInt(), 1);
    EXPECT_EQ(player(game, "AwayTeam", 5).value(QLatin1String("Steals")).toInt(), 0);

    // Two deletion messages naming the shot and the away steal.
    const QStringList deletions = messagesWith(game, QStringLiteral("kod=5000"));
    ASSERT_EQ(deletions.size(), 2);
    const QList<QJsonObject> teamSteals = events(game, "AllEvents", 1002);
    ASSERT_EQ(teamSteals.size(), 1);
    EXPECT_EQ(teamSteals.first().value(QLatin1String("Side")).toInt(), 3);
    const int stealId = teamSteals.first().value(QLatin1String("Id")).toInt();
    // The shot's id is the one before the steal's; the away steal is two after.
    EXPECT_TRUE(deletions.at(0).contains(QStringLiteral("&iddel=%1&").arg(stealId + 2)));
    EXPECT_TRUE(deletions.at(1).contains(QStringLiteral("&iddel=%1&").arg(stealId - 1)));
    // The changes went out again under their ids: each changed event takes its
    // waiting entry's place and is queued once more.
    EXPECT_EQ(messagesWith(game, QStringLiteral("kod=1001&id=%1&").arg(stealId - 1)).size(), 2);
    EXPECT_EQ(messagesWith(game, QStringLiteral("&tipus=3&jatekos=H11&x=30&y=190&")).size(), 2);
    EXPECT_EQ(messagesWith(game, QStringLiteral("kod=2004&id=%1&").arg(stealId)).size(), 2);
    EXPECT_TRUE(messagesWith(game, QStringLiteral("kod=1000&")).isEmpty());
    EXPECT_TRUE(messagesWith(game, QStringLiteral("kod=1004&id=%1&").arg(stealId)).isEmpty());
    EXPECT_TRUE(events(game, "AllEvents", 1012).isEmpty());
    EXPECT_TRUE(events(game, "AllEvents", 1013).isEmpty());
    EXPECT_TRUE(played.Out.contains("Csapat labdasz")) << played.Out.toStdString();

    // The saved folder holds the corrected game.
    const CliResult loaded =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("load"), folder, QStringLiteral("--json"),
                    home.file(QStringLiteral("loaded.json")), QStringLiteral("--history")},
                   home.path());
    ASSERT_EQ(loaded.ExitCode, 0) << loaded.Err.toStdString();
    const QJsonObject reloaded = json(QStringLiteral("loaded.json"));
    for (const char *team : {"HomeTeam", "AwayTeam"}) {
        SCOPED_TRACE(team);
        EXPECT_EQ(reloaded.value(QLatin1String(team)).toObject().value(QLatin1String("Totals")),
                  game.value(QLatin1String(team)).toObject().value(QLatin1String("Totals")));
        EXPECT_EQ(reloaded.value(QLatin1String(team)).toObject().value(QLatin1String("TeamLine")),
                  game.value(QLatin1String(team)).toObject().value(QLatin1String("TeamLine")));
    }
    for (const char *counter : {"DefRebounds", "Steals", "Rating"})
        EXPECT_EQ(player(reloaded, "AwayTeam", 5).value(QLatin1String(counter)),
                  player(game, "AwayTeam", 5).value(QLatin1String(counter)))
            << counter;
    EXPECT_EQ(events(reloaded, "RecordedEvents", 1002).size(), 1);
    EXPECT_EQ(events(reloaded, "RecordedEvents", 1001).size(), 1);
    EXPECT_TRUE(events(reloaded, "RecordedEvents", 1013).isEmpty());
    EXPECT_TRUE(loaded.Out.contains("Csapat labdasz")) << loaded.Out.toStdString();
}

TEST_F(CorrectionsCli, RefusedCorrectionsNameTheLine)
{
    const struct
    {
        const char *line;
        const char *error;
    } cases[] = {
        {"delete home 1", "cannot be deleted"},
        {"delete home 9", "no line 9"},
        {"change away 1 kind=1002", "cannot be changed"},
        {"filter home player=99", "no player with jersey 99"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        home.write(QStringLiteral("bad.txt"),
                   (QStringLiteral("set SERVER_NAME=s?\n") + SampleRoster() + QStringLiteral("tick\n") +
                    QString::fromLatin1(c.line) + QStringLiteral("\n"))
                       .toUtf8());
        const CliResult r =
            runProgram(QStringLiteral("parquetix-cli"),
                       {QStringLiteral("play"), home.file(QStringLiteral("bad.txt"))}, home.path());
        EXPECT_NE(r.ExitCode, 0);
        EXPECT_TRUE(r.Err.contains(c.error)) << r.Err.toStdString();
        EXPECT_TRUE(r.Err.contains("bad.txt:13:")) << r.Err.toStdString();
    }
}

} // namespace
