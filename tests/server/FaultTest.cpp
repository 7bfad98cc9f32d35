// The faults the server plays for the client's failure handling, switched on
// the command line and at run time, and the program itself.
#include "ServerFixture.h"

#include "support/TestHome.h"

#include <QProcess>

#include <csignal>

namespace {

using FaultTest = ServerFixture;

QByteArray clockStep(int id)
{
    return "kod=1100&id=" + QByteArray::number(id) + "&szkod=F1&ido=1&time=20240105193000";
}

QList<qint64> storedIds(const QList<TStoredMessage> &messages)
{
    QList<qint64> ids;
    for (const TStoredMessage &m : messages)
        ids << m.eventId.value_or(-1);
    return ids;
}

TEST_F(FaultTest, RefuseClosesEveryConnectionUntilSwitchedOff)
{
    TServerOptions options = defaultOptions();
    options.refuse = true;
    restart(options);
    const THttpReply refused = sendLive(clockStep(1));
    EXPECT_FALSE(refused.received);
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_TRUE(stored("F1").isEmpty());

    // The control endpoint still answers, so a test can lift the fault.
    ASSERT_EQ(control("refuse=0").status, 200);
    EXPECT_EQ(sendLive(clockStep(2)).body, "ok");
    EXPECT_EQ(storedIds(stored("F1")), QList<qint64>{2});
}

TEST_F(FaultTest, NoOkAnswersWithoutOkAndStoresNothing)
{
    ASSERT_EQ(control("no-ok=1").status, 200);
    const THttpReply single = sendLive(clockStep(1));
    ASSERT_TRUE(single.received);
    EXPECT_FALSE(single.body.toLower().contains("ok"));
    const THttpReply batch =
        postForm("/income/index.phtml", {{"gamecode", "F1"}, {"gamedata", clockStep(2) + "#"}});
    ASSERT_TRUE(batch.received);
    EXPECT_FALSE(batch.body.toLower().contains("ok"));
    EXPECT_TRUE(stored("F1").isEmpty());

    ASSERT_EQ(control("mode=normal").status, 200);
    EXPECT_EQ(sendLive(clockStep(3)).body, "ok");
}

TEST_F(FaultTest, DropClosesEveryNthRequestWithoutAnswer)
{
    ASSERT_EQ(control("drop=3").status, 200);
    QList<bool> answered;
    for (int id = 1; id <= 6; ++id)
        answered << sendLive(clockStep(id)).received;
    EXPECT_EQ(answered, (QList<bool>{true, true, false, true, true, false}));
    // A dropped request is not stored.
    EXPECT_EQ(storedIds(stored("F1")), (QList<qint64>{1, 2, 4, 5}));
}

TEST_F(FaultTest, SlowAnswersAfterTheClientsReadTimeButStillStores)
{
    TServerOptions options = defaultOptions();
    options.slowMs = 600;
    restart(options);
    const THttpClient impatient(2000, 150);
    const THttpReply late = impatient.getLive(liveUrl(clockStep(1)));
    EXPECT_FALSE(late.received);

    const THttpClient patient(2000, 5000);
    EXPECT_EQ(patient.getLive(liveUrl(clockStep(2))).body, "ok");
    // The server went on with the first request after the client gave up, as a
    // real slow server does; the client's resend then replaces it.
    EXPECT_EQ(storedIds(stored("F1")), (QList<qint64>{1, 2}));
}

TEST_F(FaultTest, ControlRejectsUnknownSettingsAndIsOffByDefault)
{
    EXPECT_EQ(control("drop=x").status, 400);
    EXPECT_EQ(control("explode=1").status, 400);
    EXPECT_EQ(m_server->faults().dropEvery(), 0);

    TServerOptions options = defaultOptions();
    options.control = false;
    restart(options);
    EXPECT_EQ(control("refuse=1").status, 404);
    EXPECT_FALSE(m_server->faults().refuse());
}

TEST(ServerProgramTest, PrintsItsPortServesAndStopsOnTerm)
{
    TestHome home;
    QProcess server;
    server.start(binaryFolder() + "/parquetix-server",
                 {"--data", home.file("data"), "--port", "0", "--log", home.file("requests.log")});
    ASSERT_TRUE(server.waitForStarted(5000));
    ASSERT_TRUE(server.waitForReadyRead(5000));
    const QByteArray line = server.readLine().trimmed();
    ASSERT_TRUE(line.startsWith("listening on ")) << line.constData();
    const int port = line.mid(13).toInt();
    ASSERT_GT(port, 0);

    const THttpClient client(2000, 5000);
    const QByteArray url =
        "http://127.0.0.1:" + QByteArray::number(port) + "/income/index.phtml?" + clockStep(1);
    EXPECT_EQ(client.getLive(url).body, "ok");
    EXPECT_EQ(client.getPage("http://127.0.0.1:" + QByteArray::number(port) + "/control").status, 404);

    ::kill(pid_t(server.processId()), SIGTERM);
    ASSERT_TRUE(server.waitForFinished(5000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
    // One log line per request, with the raw target, written as each ends.
    const QList<QByteArray> log = home.read("requests.log").trimmed().split('\n');
    ASSERT_EQ(log.size(), 2);
    const QByteArray live = log[0].contains("/income/") ? log[0] : log[1];
    EXPECT_TRUE(
        live.contains("GET /income/index.phtml?kod=1100&id=1&szkod=F1&ido=1&time=20240105193000 HTTP/1.1"))
        << live.constData();
    EXPECT_TRUE(live.contains("-> 200 ok"));
}

TEST(ServerProgramTest, RefusesToStartWithoutDataFolderOrWithBadOptions)
{
    const QList<QStringList> bad = {{},
                                    {"--data"},
                                    {"--data", "x", "--port", "70000"},
                                    {"--data", "x", "--slow", "-1"},
                                    {"--data", "x", "--bogus"}};
    for (const QStringList &args : bad) {
        QProcess server;
        server.start(binaryFolder() + "/parquetix-server", args);
        ASSERT_TRUE(server.waitForFinished(5000));
        EXPECT_EQ(server.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_FALSE(server.readAllStandardError().isEmpty());
    }
}

} // namespace
