// The sender as a thread: the game and the screen are only touched on the
// user interface thread, requests only on the sender's, and stopping never
// waits for a request to time out.
#include "SenderFakes.h"

#include "model/events/EventKinds.h"
#include "model/services/TUiThreadDispatcher.h"
#include "transmission/THttpClient.h"
#include "transmission/TParquetixSender.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Runs the event loop until done() holds or the deadline passes.
bool serveUntil(const std::function<bool()> &done, int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer tick;
    tick.start(2);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

// A port that takes connections into its backlog and never answers.
class TSilentPort
{
public:
    TSilentPort()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&a), len) == 0 && ::listen(m_fd, 8) == 0 &&
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&a), &len) == 0)
            m_port = ntohs(a.sin_port);
    }
    ~TSilentPort() { ::close(m_fd); }
    int Port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

class SenderThread : public ::testing::Test
{
protected:
    SenderThread() : game(TGameServices{.Settings = &settings, .Prompter = &prompter}), host(&game, &screen)
    {
        settings.SetValue(QStringLiteral("SLEEPTIME_BW_SEND"), QStringLiteral("1"));
        game.SetScreen(&screen);
        game.GameCode = QStringLiteral("THR1EAD2");
        game.Online = true;
    }
    void queue(const QString &prefix, int n)
    {
        for (int i = 0; i < n; ++i) {
            game.EventCounter += 1;
            TGameEvent *e = game.NewEvent(game.EventCounter, Kind::ClockStep, 1, Side::None);
            e->SetMessage(prefix +
                          QStringLiteral("kod=1100&id=%1&szkod=THR1EAD2&ido=0").arg(game.EventCounter));
            game.QueueEvent(e);
        }
    }

    TSettings settings;
    TScriptPrompter prompter;
    TGame game;
    THeadlessScreen screen;
    TFakeHost host;
    TUiThreadDispatcher dispatcher;
    TFakeProbe probe;
};

TEST_F(SenderThread, ListsAndScreenAreTouchedOnlyOnTheUserInterfaceThread)
{
    TFakeHttp http;
    TParquetixSender sender(host, settings, dispatcher, http, probe);
    queue(QStringLiteral("http://stats.test/income/index.phtml?"), 9);
    sender.start();
    // Recording goes on meanwhile, on this thread.
    queue(QStringLiteral("http://stats.test/income/index.phtml?"), 3);
    ASSERT_TRUE(serveUntil([&] { return game.OutgoingQueue.IsEmpty(); }));
    sender.Stop();
    EXPECT_TRUE(sender.isFinished());

    ASSERT_FALSE(host.Threads.isEmpty());
    for (QThread *t : host.Threads)
        EXPECT_EQ(t, QThread::currentThread());
    // 12 messages: a batch of 5 or 10, then single ones; all on the sender's thread.
    ASSERT_GE(http.Requests.size(), 3);
    for (const TFakeRequest &r : http.Requests)
        EXPECT_NE(r.Thread, QThread::currentThread());
    EXPECT_EQ(sender.Counters().Acknowledged, 12);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("All/To send : 12 / 0"));
}

// The real client, watched: whether the abort reached it while a request was
// under way, and how that request came back.
class TWatchedClient : public IHttpTransport
{
public:
    explicit TWatchedClient(THttpClient &client) : m_client(client) {}

    THttpReply getLive(const QByteArray &url) const override
    {
        InFlight = true;
        THttpReply reply = m_client.getLive(url);
        InFlight = false;
        Replies.fetch_add(1);
        Answered = Answered || reply.received;
        return reply;
    }
    THttpReply postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const override
    {
        return m_client.postForm(url, form);
    }
    void abortRequests() override
    {
        AbortedInFlight = AbortedInFlight || InFlight;
        m_client.abortRequests();
    }
    void resumeRequests() override { m_client.resumeRequests(); }

    mutable std::atomic<bool> InFlight = false;
    mutable std::atomic<bool> Answered = false;
    mutable std::atomic<int> Replies = 0;
    std::atomic<bool> AbortedInFlight = false;

private:
    THttpClient &m_client;
};

TEST_F(SenderThread, StopCutsAHangingRequestShort)
{
    TSilentPort silent;
    ASSERT_GT(silent.Port(), 0);
    // Longer than the test's own time-out: a stop that waited for the read
    // time-out would fail the test instead of passing late.
    constexpr int ReadTimeoutMs = 20 * 60 * 1000;
    THttpClient client(2000, ReadTimeoutMs);
    TWatchedClient http(client);
    TParquetixSender sender(host, settings, dispatcher, http, probe);
    queue(QStringLiteral("http://127.0.0.1:%1/income/index.phtml?").arg(silent.Port()), 1);
    sender.start();
    ASSERT_TRUE(serveUntil([&] { return sender.Counters().Gets == 1 && http.InFlight; }));

    sender.Stop();
    EXPECT_TRUE(sender.isFinished());
    EXPECT_TRUE(http.AbortedInFlight) << "the abort reached the client during the request";
    EXPECT_EQ(http.Replies, 1) << "the hanging request came back";
    EXPECT_FALSE(http.Answered) << "without an answer from the silent port";
    EXPECT_EQ(game.OutgoingQueue.Count(), 1);
    // The client is usable again afterwards.
    EXPECT_FALSE(client.getLive("http://127.0.0.1:1/").error.contains(QStringLiteral("cancelled")));
}

TEST_F(SenderThread, StopServesTheHandOffTheSenderIsWaitingFor)
{
    TFakeHttp http;
    TParquetixSender sender(host, settings, dispatcher, http, probe);
    queue(QStringLiteral("http://stats.test/income/index.phtml?"), 2);
    sender.start();
    // No event loop runs here: the sender's first hand-off waits until Stop serves it.
    sender.Stop();
    EXPECT_TRUE(sender.isFinished());
    EXPECT_LE(http.Requests.size(), 1);
}

} // namespace
