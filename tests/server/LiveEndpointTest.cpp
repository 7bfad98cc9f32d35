// The live page's endpoints on the running server: the page, its event
// stream and the JSON, all read-only, and hundreds of viewers that hold
// their connections without taking the workers other requests need.
#include "ServerFixture.h"
#include "SseClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <memory>
#include <vector>

namespace {

class LiveEndpointTest : public ServerFixture
{
protected:
    // A game header, one player a side, the first clock step.
    void startGame(const QByteArray &code)
    {
        for (const QByteArray &q :
             {"kod=0001&szkod=" + code + "&time=20261209183005&h=Lions&v=Hawks",
              "kod=0002&szkod=" + code + "&time=20261209183005&p=H1&k=1&h=1&jat=1&j=Kiss_Janos&mz=4",
              "kod=0002&szkod=" + code + "&time=20261209183005&p=A1&k=1&h=0&jat=1&j=Nagy_Pal&mz=5",
              "kod=1100&id=1&szkod=" + code + "&ido=0&time=20261209183005"})
            ASSERT_EQ(sendLive(q).body, "ok") << q.toStdString();
    }
    void shot(const QByteArray &code, int id, const QByteArray &player, int tipus)
    {
        ASSERT_EQ(sendLive("kod=1000&id=" + QByteArray::number(id) + "&szkod=" + code +
                           "&tipus=" + QByteArray::number(tipus) + "&jatekos=" + player +
                           "&x=50&y=60&time=20261209183010")
                      .body,
                  "ok");
    }
    QJsonObject json(const QByteArray &path, int *status = nullptr) const
    {
        const THttpReply reply = m_client.get(base() + path, {});
        if (status)
            *status = reply.status;
        return QJsonDocument::fromJson(reply.body).object();
    }
    static QByteArray scoreOf(const QByteArray &fragment)
    {
        const qsizetype home = fragment.indexOf("id=\"score-home\">");
        const qsizetype away = fragment.indexOf("id=\"score-away\">");
        if (home < 0 || away < 0)
            return {};
        return fragment.mid(home + 16, fragment.indexOf('<', home + 16) - home - 16) + ":" +
               fragment.mid(away + 16, fragment.indexOf('<', away + 16) - away - 16);
    }
};

TEST_F(LiveEndpointTest, TheStreamPushesEveryChangeAndADeletion)
{
    startGame("G1");
    SseClient viewer(m_server->port(), "/live/G1/events?lang=en");
    ASSERT_TRUE(viewer.connected());
    const QByteArray head = viewer.header();
    EXPECT_TRUE(head.startsWith("HTTP/1.1 200"));
    EXPECT_TRUE(head.contains("text/event-stream"));
    SseClient::Event e;
    ASSERT_TRUE(viewer.next(&e));
    EXPECT_EQ(scoreOf(e.data), "0:0");
    const qint64 first = e.id;

    shot("G1", 2, "H1", 3);
    ASSERT_TRUE(viewer.next(&e));
    EXPECT_EQ(scoreOf(e.data), "3:0");
    EXPECT_GT(e.id, first);
    shot("G1", 3, "A1", 2);
    ASSERT_TRUE(viewer.next(&e));
    EXPECT_EQ(scoreOf(e.data), "3:2");
    ASSERT_EQ(sendLive("kod=5000&id=4&szkod=G1&iddel=2&time=20261209183020").body, "ok");
    ASSERT_TRUE(viewer.next(&e));
    EXPECT_EQ(scoreOf(e.data), "0:2");
    // Another game's messages are not this viewer's.
    startGame("G2");
    EXPECT_FALSE(viewer.next(&e, 300));
}

TEST_F(LiveEndpointTest, AReconnectingViewerGetsOnlyWhatItHasNotSeen)
{
    startGame("G1");
    shot("G1", 2, "H1", 2);
    qint64 version = 0;
    {
        SseClient viewer(m_server->port(), "/live/G1/events");
        viewer.header();
        SseClient::Event e;
        ASSERT_TRUE(viewer.next(&e));
        version = e.id;
    }
    {
        // Up to date: nothing until the next message.
        SseClient viewer(m_server->port(), "/live/G1/events",
                         "Last-Event-ID: " + QByteArray::number(version) + "\r\n");
        viewer.header();
        SseClient::Event e;
        EXPECT_FALSE(viewer.next(&e, 300));
        shot("G1", 3, "H1", 2);
        ASSERT_TRUE(viewer.next(&e));
        EXPECT_EQ(scoreOf(e.data), "4:0");
    }
    // Behind (the server took a message while it was away): the state at once.
    SseClient viewer(m_server->port(), "/live/G1/events?since=" + QByteArray::number(version));
    viewer.header();
    SseClient::Event e;
    ASSERT_TRUE(viewer.next(&e));
    EXPECT_EQ(scoreOf(e.data), "4:0");
}

TEST_F(LiveEndpointTest, ManyViewersLeaveTheWorkersFree)
{
    startGame("G1");
    std::vector<std::unique_ptr<SseClient>> viewers;
    for (int i = 0; i < 5 * TStatsServer::WorkerCount; ++i) {
        viewers.push_back(std::make_unique<SseClient>(m_server->port(), "/live/G1/events"));
        ASSERT_FALSE(viewers.back()->header().isEmpty()) << i;
    }
    EXPECT_EQ(m_server->liveViewers(), int(viewers.size()));
    // Messages, pages and JSON are still answered, and every viewer gets the change.
    shot("G1", 2, "H1", 3);
    EXPECT_EQ(m_client.get(base() + "/live/G1", {}).status, 200);
    for (auto &v : viewers) {
        SseClient::Event e;
        ASSERT_TRUE(v->next(&e));
        if (scoreOf(e.data) != "3:0") {
            ASSERT_TRUE(v->next(&e));
        }
        EXPECT_EQ(scoreOf(e.data), "3:0");
    }
    viewers.clear();
    // Gone viewers are noticed on the next push at the latest.
    shot("G1", 3, "H1", 3);
    for (int i = 0; i < 100 && m_server->liveViewers() > 0; ++i)
        QThread::msleep(20);
    EXPECT_EQ(m_server->liveViewers(), 0);
}

TEST_F(LiveEndpointTest, BoxScorePlaysAndShotsAsJson)
{
    startGame("G1");
    shot("G1", 2, "H1", 3);
    shot("G1", 3, "A1", 4);
    int status = 0;
    const QJsonObject box = json("/api/games/G1/boxscore", &status);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(box["home"]["name"].toString(), QStringLiteral("Lions"));
    EXPECT_EQ(box["home"]["score"].toInt(), 3);
    EXPECT_EQ(box["away"]["score"].toInt(), 1);
    EXPECT_EQ(box["status"].toString(), QStringLiteral("running"));
    const QJsonObject kiss = box["home"]["players"].toArray().at(0).toObject();
    EXPECT_EQ(kiss["name"].toString(), QStringLiteral("Kiss Janos"));
    EXPECT_EQ(kiss["threePointersMade"].toInt(), 1);
    EXPECT_EQ(kiss["minutes"].toString(), QStringLiteral("00:15"));
    EXPECT_EQ(box["away"]["totals"]["freeThrowsMade"].toInt(), 1);

    const QJsonArray plays = json("/api/games/G1/plays")["plays"].toArray();
    ASSERT_EQ(plays.size(), 2);
    EXPECT_EQ(plays.at(1)["away"].toInt(), 1);
    EXPECT_EQ(plays.at(0)["text"]["hu"].toString(), QStringLiteral("sikeres távoli"));
    const QJsonArray shots = json("/api/games/G1/shots")["shots"].toArray();
    ASSERT_EQ(shots.size(), 1);
    EXPECT_EQ(shots.at(0)["x"].toInt(), 50);

    for (const char *path : {"/api/games/NONE/boxscore", "/api/games/NONE/plays", "/api/games/NONE/shots"}) {
        json(path, &status);
        EXPECT_EQ(status, 404) << path;
    }
}

TEST_F(LiveEndpointTest, ThePageAndItsDataOnlyRead)
{
    startGame("G1");
    const qsizetype stored = this->stored("G1").size();
    for (const char *path : {"/live/G1", "/live/G1/fragment", "/live/G1/events", "/api/games/G1/boxscore"}) {
        const THttpReply reply = m_client.post(base() + path, {}, "kod=1000&id=9&szkod=G1", "text/plain");
        EXPECT_GE(reply.status, 400) << path;
    }
    EXPECT_EQ(this->stored("G1").size(), stored);
    // The page asks for its language; the fragment answers 204 to an up-to-date poll.
    const THttpReply page = m_client.get(base() + "/live/G1?lang=hu", {});
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.contains("<html lang=\"hu\">"));
    const qint64 version = this->stored("G1").last().seq;
    EXPECT_EQ(m_client.get(base() + "/live/G1/fragment?since=" + QByteArray::number(version), {}).status,
              204);
    EXPECT_EQ(m_client.get(base() + "/live/G1/fragment?since=" + QByteArray::number(version - 1), {}).status,
              200);
    // The scoreboard links each game's page.
    EXPECT_TRUE(m_client.get(base() + "/", {}).body.contains("href=\"/live/G1\""));
    // A game not heard of yet has its page, which waits for the first message.
    EXPECT_EQ(m_client.get(base() + "/live/LATER", {}).status, 404);
}

} // namespace
