// Clients that trickle, idle or send what is not HTTP must not keep the
// server from answering the others, and a malformed stream gets one answer.
#include "ServerFixture.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

using SlowClientTest = ServerFixture;

QByteArray clockStep(int id, const QByteArray &game = "S1")
{
    return "kod=1100&id=" + QByteArray::number(id) + "&szkod=" + game + "&ido=1&time=20240105193000";
}

QByteArray liveRequest(int id, const QByteArray &extraHeaders = {}, const QByteArray &game = "S1")
{
    return "GET /income/index.phtml?" + clockStep(id, game) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
           extraHeaders + "\r\n";
}

// A plain TCP connection to the server on 127.0.0.1.
class RawConnection
{
public:
    explicit RawConnection(int port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(quint16(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~RawConnection()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool send(const QByteArray &bytes)
    {
        qsizetype sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n =
                ::send(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += n;
        }
        return true;
    }

    // Reads until the server closes the connection or timeoutMs pass;
    // closed tells which.
    QByteArray readUntilClosed(int timeoutMs, bool *closed)
    {
        QByteArray received;
        QElapsedTimer timer;
        timer.start();
        *closed = false;
        while (timer.elapsed() < timeoutMs) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            char chunk[4096];
            const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
            if (n <= 0) {
                *closed = true;
                break;
            }
            received.append(chunk, n);
        }
        return received;
    }

private:
    int m_fd = -1;
};

// The status codes of the answers in the order they came.
QList<int> statuses(const QByteArray &received)
{
    QList<int> codes;
    for (qsizetype at = received.indexOf("HTTP/1.1 "); at >= 0; at = received.indexOf("HTTP/1.1 ", at + 1))
        codes << received.mid(at + 9, 3).toInt();
    return codes;
}

TEST_F(SlowClientTest, ALiveMessageIsAnsweredWhileHundredsOfConnectionsTrickleOrIdle)
{
    constexpr int Tricklers = 200;
    constexpr int Idlers = 50;
    std::vector<std::unique_ptr<RawConnection>> tricklers;
    std::vector<std::unique_ptr<RawConnection>> idlers;
    QList<QByteArray> requests;
    for (int i = 0; i < Tricklers; ++i) {
        tricklers.push_back(std::make_unique<RawConnection>(m_server->port()));
        ASSERT_TRUE(tricklers.back()->isOpen());
        requests << liveRequest(1000 + i);
        ASSERT_TRUE(tricklers.back()->send(requests.last().left(1)));
    }
    for (int i = 0; i < Idlers; ++i) {
        idlers.push_back(std::make_unique<RawConnection>(m_server->port()));
        ASSERT_TRUE(idlers.back()->isOpen());
    }

    // One more byte on every trickling connection each 100 ms, far from done.
    std::atomic<bool> stop{false};
    std::atomic<int> sentBytes{1};
    std::thread trickle([&] {
        for (int round = 1; round < 40 && !stop; ++round, ++sentBytes) {
            for (int i = 0; i < Tricklers; ++i)
                tricklers[size_t(i)]->send(requests[i].mid(round, 1));
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    // Every connection is held by the server, none of them answered.
    for (int i = 0; i < 200 && m_server->parkedConnections() < Tricklers + Idlers; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(m_server->parkedConnections(), Tricklers + Idlers);

    const THttpClient impatient(2000, 1000);
    QElapsedTimer timer;
    timer.start();
    const THttpReply reply = impatient.getLive(liveUrl(clockStep(1)));
    const qint64 ms = timer.elapsed();
    stop = true;
    trickle.join();
    std::printf("live message answered in %lld ms with %d trickling and %d idle connections open\n",
                static_cast<long long>(ms), Tricklers, Idlers);
    EXPECT_EQ(reply.body, "ok") << reply.error.toStdString();
    ASSERT_EQ(stored("S1").size(), 1);
    EXPECT_EQ(stored("S1").first().eventId, 1);

    // The tricklers are still served once their requests are whole.
    for (int i : {0, 99, 199}) {
        RawConnection &c = *tricklers[size_t(i)];
        ASSERT_TRUE(c.send(requests[i].mid(sentBytes, requests[i].size() - 2 - sentBytes) +
                           "Connection: close\r\n\r\n"));
        bool closed = false;
        const QByteArray answer = c.readUntilClosed(5000, &closed);
        EXPECT_EQ(statuses(answer), QList<int>{200}) << answer.constData();
        EXPECT_TRUE(answer.endsWith("ok"));
    }
    EXPECT_EQ(stored("S1").size(), 4);
}

TEST_F(SlowClientTest, AHeaderNotWholeByTheDeadlineIsAnswered408AndClosed)
{
    TServerOptions options = defaultOptions();
    options.headerTimeoutMs = 300;
    restart(options);
    RawConnection c(m_server->port());
    ASSERT_TRUE(c.isOpen());
    const QByteArray request = liveRequest(7);
    QByteArray received;
    bool closed = false;
    // One byte each 50 ms would take several seconds; the deadline ends it first.
    for (qsizetype i = 0; i + 2 < request.size() && !closed; ++i) {
        c.send(request.mid(i, 1));
        received += c.readUntilClosed(50, &closed);
    }
    EXPECT_TRUE(closed);
    EXPECT_EQ(statuses(received), QList<int>{408}) << received.constData();
    EXPECT_TRUE(stored("S1").isEmpty());

    // A client that sends at once is not affected.
    EXPECT_EQ(sendLive(clockStep(8)).body, "ok");
}

struct StreamCase
{
    QByteArray game;
    QByteArray bytes;
    QList<int> statuses;
    QList<qint64> storedIds;
};

TEST_F(SlowClientTest, AMalformedStreamGetsOneAnswerAndTheConnectionEnds)
{
    // Each case sends its messages for a game of its own: its name.
    const QByteArray closing = "Connection: close\r\n";
    const QList<StreamCase> cases = {
        {"Good", liveRequest(1, {}, "Good") + liveRequest(2, closing, "Good"), {200, 200}, {1, 2}},
        {"Garbage", "GARBAGE\r\n\r\n" + liveRequest(3, closing, "Garbage"), {400}, {}},
        {"NoColon", "GET / HTTP/1.1\r\nNoColon\r\n\r\n" + liveRequest(4, closing, "NoColon"), {400}, {}},
        {"Refused",
         "GET /income/index.phtml?nonsense HTTP/1.1\r\n\r\n" + liveRequest(5, closing, "Refused"),
         {400},
         {}},
        {"LongLine", "GET /income/index.phtml?" + QByteArray(20000, 'a') + " HTTP/1.1\r\n\r\n", {414}, {}},
        {"BigHeader",
         "GET / HTTP/1.1\r\nX-Big: " + QByteArray(1024 * 1024, 'b') + "\r\n\r\n" +
             liveRequest(6, closing, "BigHeader"),
         {431},
         {}},
    };
    for (const StreamCase &c : cases) {
        SCOPED_TRACE(c.game.constData());
        RawConnection connection(m_server->port());
        ASSERT_TRUE(connection.isOpen());
        // The server may close before all of a large stream is sent.
        connection.send(c.bytes);
        bool closed = false;
        const QByteArray answer = connection.readUntilClosed(5000, &closed);
        EXPECT_TRUE(closed);
        EXPECT_EQ(statuses(answer), c.statuses) << answer.left(400).constData();
        QList<qint64> ids;
        for (const TStoredMessage &m : stored(c.game))
            ids << m.eventId.value_or(-1);
        EXPECT_EQ(ids, c.storedIds);
    }
}

} // namespace
