// Corrections and deletions: a repeated id replaces, iddel deletes, and the
// score the server derives follows both.
#include "ServerFixture.h"

#include <QJsonArray>

namespace {

using ReplacementTest = ServerFixture;

QByteArray shot(int code, int id, const QByteArray &player, int tipus, int home, int away)
{
    return "kod=" + QByteArray::number(code) + "&id=" + QByteArray::number(id) +
           "&szkod=G7&tipus=" + QByteArray::number(tipus) + "&jatekos=" + player +
           "&x=100&y=100&time=20240105193000&hpont=" + QByteArray::number(home) +
           "&vpont=" + QByteArray::number(away);
}

TEST_F(ReplacementTest, RepeatedIdReplacesOnlyTheLatestEarlierMessage)
{
    ASSERT_EQ(sendLive("kod=1005&id=20&szkod=G7&tipus=0&jatekos=11&time=20240105193000&hpont=0&vpont=0").body,
              "ok");
    ASSERT_EQ(sendLive("kod=1005&id=20&szkod=G7&tipus=3&jatekos=11&time=20240105193000&hpont=0&vpont=0").body,
              "ok");
    ASSERT_EQ(sendLive("kod=1005&id=20&szkod=G7&tipus=4&jatekos=11&time=20240105193000").body, "ok");
    const QList<TStoredMessage> m = stored("G7");
    ASSERT_EQ(m.size(), 3);
    EXPECT_EQ(m[0].replacedBy, m[1].seq);
    EXPECT_EQ(m[1].replacedBy, m[2].seq);
    EXPECT_TRUE(m[2].isLive());

    const QJsonArray json = gameJson("G7")["messages"].toArray();
    EXPECT_EQ(json.at(0).toObject()["replacedBy"].toInteger(), m[1].seq);
    EXPECT_FALSE(json.at(0).toObject()["live"].toBool());
    EXPECT_TRUE(json.at(2).toObject()["replacedBy"].isNull());
}

TEST_F(ReplacementTest, DeletionMarksTheLiveMessageOfThatId)
{
    ASSERT_EQ(sendLive("kod=1004&id=30&szkod=G7&tipus=0&jatekos=11&time=20240105193000").body, "ok");
    ASSERT_EQ(sendLive("kod=1004&id=30&szkod=G7&tipus=0&jatekos=12&time=20240105193000").body, "ok");
    ASSERT_EQ(sendLive("kod=5000&id=31&szkod=G7&iddel=30&time=20240105193100").body, "ok");
    // Deleting an id nobody sent is stored and changes nothing.
    ASSERT_EQ(sendLive("kod=5000&id=32&szkod=G7&iddel=999&time=20240105193100").body, "ok");
    const QList<TStoredMessage> m = stored("G7");
    ASSERT_EQ(m.size(), 4);
    EXPECT_EQ(m[0].deletedBy, 0);
    EXPECT_EQ(m[0].replacedBy, m[1].seq);
    EXPECT_EQ(m[1].deletedBy, m[2].seq);
    EXPECT_TRUE(m[2].isLive());
    EXPECT_TRUE(m[3].isLive());

    const QJsonObject deleted = gameJson("G7")["messages"].toArray().at(1).toObject();
    EXPECT_EQ(deleted["deletedBy"].toInteger(), m[2].seq);
    EXPECT_FALSE(deleted["live"].toBool());
}

TEST_F(ReplacementTest, GameClosedRepeatsTheLastIdWithoutReplacingIt)
{
    ASSERT_EQ(sendLive("kod=1101&id=80&szkod=G7&jr=2&time=20240105200000").body, "ok");
    ASSERT_EQ(sendLive("kod=1102&id=80&szkod=G7&time=20240105200100").body, "ok");
    const QList<TStoredMessage> m = stored("G7");
    ASSERT_EQ(m.size(), 2);
    EXPECT_TRUE(m[0].isLive());
    EXPECT_TRUE(m[1].isLive());
    EXPECT_EQ(gameJson("G7")["summary"].toObject()["status"].toString(), QStringLiteral("Final"));
}

TEST_F(ReplacementTest, ScoreComesFromLiveMadeShotsOfRosterPlayers)
{
    ASSERT_EQ(sendLive("kod=0001&szkod=G7&time=20240105193000&h=Home_Club&v=Away_Club").body, "ok");
    ASSERT_EQ(sendLive("kod=0002&szkod=G7&time=20240105193000&p=H1&k=1&h=1&jat=1&j=Home_One&mz=4").body,
              "ok");
    ASSERT_EQ(sendLive("kod=0002&szkod=G7&time=20240105193000&p=A1&k=1&h=0&jat=1&j=Away_One&mz=9").body,
              "ok");
    // The reported scores are deliberately off: the server sums the shots.
    ASSERT_EQ(sendLive(shot(1000, 1, "H1", 3, 99, 99)).body, "ok"); // home 3
    ASSERT_EQ(sendLive(shot(1000, 2, "H1", 4, 99, 99)).body, "ok"); // home 1
    ASSERT_EQ(sendLive(shot(1000, 3, "A1", 5, 99, 99)).body, "ok"); // away 2 (dunk)
    ASSERT_EQ(sendLive(shot(1000, 4, "A1", 1, 99, 99)).body, "ok"); // away 2 (close)
    ASSERT_EQ(sendLive(shot(1001, 5, "A1", 3, 99, 99)).body, "ok"); // missed: nothing

    QJsonObject score = gameJson("G7")["score"].toObject();
    EXPECT_EQ(score["home"].toInt(), 4);
    EXPECT_EQ(score["away"].toInt(), 4);
    EXPECT_EQ(score["source"].toString(), QStringLiteral("made shots"));

    // Made close shot 4 corrected into a miss, the three deleted.
    ASSERT_EQ(sendLive("kod=1001&id=4&szkod=G7&tipus=1&jatekos=A1&x=100&y=100&time=20240105193100").body,
              "ok");
    ASSERT_EQ(sendLive("kod=5000&id=6&szkod=G7&iddel=1&time=20240105193100").body, "ok");
    score = gameJson("G7")["score"].toObject();
    EXPECT_EQ(score["home"].toInt(), 1);
    EXPECT_EQ(score["away"].toInt(), 2);
}

TEST_F(ReplacementTest, WithoutARosterTheLatestReportedScoreIsShown)
{
    ASSERT_EQ(sendLive(shot(1000, 1, "H1", 2, 2, 0)).body, "ok");
    ASSERT_EQ(sendLive(shot(1000, 2, "A1", 3, 2, 3)).body, "ok");
    ASSERT_EQ(sendLive("kod=1100&id=3&szkod=G7&ido=1&time=20240105193000").body, "ok");
    const QJsonObject score = gameJson("G7")["score"].toObject();
    EXPECT_EQ(score["home"].toInt(), 2);
    EXPECT_EQ(score["away"].toInt(), 3);
    EXPECT_EQ(score["source"].toString(), QStringLiteral("reported"));
}

} // namespace
