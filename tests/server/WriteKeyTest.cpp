// Write keys: only the workstations named in the keys file may add, change
// or delete messages or upload games; reading stays open to everyone.
#include "ServerFixture.h"

#include "support/TestHome.h"

#include <QFile>
#include <QProcess>
#include <QThread>

namespace {

class WriteKeyTest : public ServerFixture
{
protected:
    void SetUp() override
    {
        ServerFixture::SetUp();
        writeKeys("# court 1\nws1-7Fq2Lx court-1\nws2-9Pz3Mk\n");
        TServerOptions options = defaultOptions();
        options.keysFile = keysPath();
        restart(options);
    }
    QString keysPath() const { return rootDir() + QStringLiteral("/keys.txt"); }
    void writeKeys(const QByteArray &text)
    {
        QFile file(keysPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    THttpReply live(const QByteArray &key, int id) const
    {
        return m_client.getLive(base() + "/income/index.phtml?" + key + clockStep(id));
    }
    static QByteArray clockStep(int id)
    {
        return "kod=1100&id=" + QByteArray::number(id) + "&szkod=K1&ido=1&time=20240105193000";
    }
};

struct TKeyCase
{
    const char *address; // what the client puts between "?" and the message
    bool stored;
};

TEST_F(WriteKeyTest, OnlyAListedKeyInFrontOfTheMessageWrites)
{
    const QList<TKeyCase> cases = {
        {"key=ws1-7Fq2Lx&", true},  {"key=ws2-9Pz3Mk&", true}, {"", false},
        {"key=&", false},           {"key=ws1-7Fq2L&", false}, // one character short
        {"key=WS1-7FQ2LX&", false},                            // keys are case-sensitive
        {"key=court-1&", false},                               // the name is not a key
    };
    int id = 0;
    for (const TKeyCase &c : cases) {
        const THttpReply reply = live(c.address, ++id);
        ASSERT_TRUE(reply.received) << c.address;
        // The client takes any "ok" as success and would drop the message.
        EXPECT_EQ(reply.body == "ok", c.stored) << c.address << ": " << reply.body.constData();
        EXPECT_EQ(reply.body.toLower().contains("ok"), c.stored) << c.address;
        if (!c.stored) {
            EXPECT_EQ(reply.status, 403) << c.address;
        }
    }
    const QList<TStoredMessage> m = stored("K1");
    ASSERT_EQ(m.size(), 2);
    // The key is no part of what is kept.
    EXPECT_EQ(m[0].query, clockStep(1));
    EXPECT_EQ(m[1].query, clockStep(2));
}

TEST_F(WriteKeyTest, BatchesAndUploadsNeedTheKeyInTheirAddressToo)
{
    const QList<QPair<QByteArray, QByteArray>> batch = {{"gamecode", "K1"}, {"gamedata", clockStep(1) + "#"}};
    const QList<QPair<QByteArray, QByteArray>> upload = {
        {"name", "K1"}, {"box", "GENERAL:"}, {"zip", "UEsFBgAAAAAAAAAAAAAAAAAAAAAAAA=="}};
    EXPECT_EQ(postForm("/income/index.phtml", batch).status, 403);
    EXPECT_EQ(postForm("/income/game.phtml", upload).status, 403);
    EXPECT_TRUE(stored("K1").isEmpty());
    EXPECT_EQ(m_server->store().uploadCount("K1"), 0);

    EXPECT_EQ(postForm("/income/index.phtml?key=ws2-9Pz3Mk&", batch).body, "ok");
    EXPECT_EQ(postForm("/income/game.phtml?key=ws2-9Pz3Mk&", upload).body, "ok");
    EXPECT_EQ(stored("K1").size(), 1);
    EXPECT_EQ(m_server->store().uploadCount("K1"), 1);
}

TEST_F(WriteKeyTest, ReadingNeedsNoKey)
{
    ASSERT_EQ(live("key=ws1-7Fq2Lx&", 1).body, "ok");
    int status = 0;
    EXPECT_EQ(gameJson("K1", &status)["messages"].toArray().size(), 1);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(m_client.get(base() + "/", {}).status, 200);
    EXPECT_EQ(m_client.get(base() + "/api/games", {}).status, 200);
}

TEST_F(WriteKeyTest, KeysAreAddedAndRevokedWithoutARestart)
{
    ASSERT_EQ(live("key=ws1-7Fq2Lx&", 1).body, "ok");
    ASSERT_NE(live("key=ws3-new-key&", 2).body, "ok");
    writeKeys("ws3-new-key court-3\n");
    EXPECT_EQ(live("key=ws3-new-key&", 3).body, "ok");
    EXPECT_NE(live("key=ws1-7Fq2Lx&", 4).body, "ok");
    // A keys file that is gone lets nobody write.
    ASSERT_TRUE(QFile::remove(keysPath()));
    EXPECT_NE(live("key=ws3-new-key&", 5).body, "ok");
    QList<qint64> ids;
    for (const TStoredMessage &m : stored("K1"))
        ids << m.eventId.value_or(-1);
    EXPECT_EQ(ids, (QList<qint64>{1, 3}));
}

TEST(WriteKeyProgramTest, SaysAtStartWhoMayWriteAndKeepsKeysOutOfTheLog)
{
    TestHome home;
    QFile keys(home.file("keys.txt"));
    ASSERT_TRUE(keys.open(QIODevice::WriteOnly));
    keys.write("ws1-7Fq2Lx court-1\nbad\n");
    keys.close();
    struct TStart
    {
        QStringList extra;
        QByteArray says;
    };
    const QList<TStart> starts = {
        {{}, "no keys file: every client may write"},
        {{"--keys", home.file("keys.txt")}, "writes need a key of"},
    };
    for (const TStart &start : starts) {
        QProcess server;
        server.start(
            binaryFolder() + "/parquetix-server",
            QStringList{"--data", home.file("data"), "--port", "0", "--log", home.file("requests.log")} +
                start.extra);
        ASSERT_TRUE(server.waitForStarted(5000));
        ASSERT_TRUE(server.waitForReadyRead(5000));
        const QByteArray line = server.readLine().trimmed();
        ASSERT_TRUE(line.startsWith("listening on ")) << line.constData();
        const THttpClient client(2000, 5000);
        client.getLive("http://127.0.0.1:" + line.mid(13) +
                       "/income/index.phtml?key=ws1-7Fq2Lx&kod=1100&id=1&szkod=L1&ido=1");
        server.terminate();
        ASSERT_TRUE(server.waitForFinished(5000));
        const QByteArray notes = server.readAllStandardError();
        EXPECT_TRUE(notes.contains(start.says)) << notes.constData();
        EXPECT_TRUE(notes.contains("synchronous FULL")) << notes.constData();
    }
    const QByteArray log = home.read("requests.log");
    EXPECT_FALSE(log.contains("ws1-7Fq2Lx"));
    EXPECT_TRUE(log.contains("key=***&kod=1100")) << log.constData();
    EXPECT_TRUE(log.contains("[court-1]")) << log.constData();
}

} // namespace
