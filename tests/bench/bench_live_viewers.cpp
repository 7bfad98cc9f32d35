// Live pages under load: the reference server as its own process on
// loopback, 50 games being recorded (each sends its next message once every
// viewer of the game has the last one, after a pause of 200 to 600 ms) and
// 500 viewers following them by Server-Sent Events, 10 a game. Prints the
// message-to-viewer latency (from before the message is sent to the viewer
// reading the event it caused), the latency of ordinary requests made
// meanwhile, and the server's CPU time and memory. Asserts nothing.
// PARQUETIX_BENCH_SECONDS sets how long the games send (default 20).
#include "support/TestHome.h"
#include "transmission/THttpClient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Games = 50;
constexpr int ViewersPerGame = 10;
constexpr int PlayersPerSide = 4;

QByteArray gameCode(int g)
{
    return "LIVE" + QByteArray::number(g + 100);
}

// The server's CPU seconds (user and system) and its memory from /proc.
struct ProcessFigures
{
    double cpuSeconds = 0;
    qint64 rssKb = 0;
    qint64 peakKb = 0;
};

ProcessFigures figuresOf(qint64 pid)
{
    ProcessFigures f;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        // Fields after the command's closing parenthesis; utime and stime are the 12th and 13th of them.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        const double tick = double(sysconf(_SC_CLK_TCK));
        f.cpuSeconds = (fields.value(11).toLongLong() + fields.value(12).toLongLong()) / tick;
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (line.startsWith("VmRSS:"))
                f.rssKb = parts.value(1).toLongLong();
            else if (line.startsWith("VmHWM:"))
                f.peakKb = parts.value(1).toLongLong();
        }
    }
    return f;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t i = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[i];
}

struct Viewer
{
    int socket = -1;
    int game = 0;
    QByteArray buffer;
    qint64 lastId = -1;
    bool headerRead = false;
};

// Shared between the senders and the viewers' thread.
struct GameState
{
    std::mutex mutex;
    Clock::time_point sentAt;
    bool waiting = false;
    int received = 0; // viewers that have the message's event
};

void BM_LiveViewers(benchmark::State &state)
{
    const int seconds = qEnvironmentVariableIntValue("PARQUETIX_BENCH_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("PARQUETIX_BENCH_SECONDS")
                            : 20;
    for (auto _ : state) {
        QTemporaryDir data;
        QProcess server;
        server.start(binaryFolder() + QStringLiteral("/parquetix-server"),
                     {QStringLiteral("--data"), data.path(), QStringLiteral("--port"), QStringLiteral("0"),
                      QStringLiteral("--quiet")});
        QByteArray out;
        while (!out.contains('\n') && server.waitForReadyRead(10000))
            out += server.readAllStandardOutput();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("listening on (\\d+)")).match(QString::fromLatin1(out));
        if (!m.hasMatch()) {
            state.SkipWithError("the server did not start");
            return;
        }
        const int port = m.captured(1).toInt();
        const QByteArray base = "http://127.0.0.1:" + QByteArray::number(port);
        const THttpClient http(2000, 10000);

        // Every game's header and rosters first, so each page has teams.
        std::vector<int> nextId(Games, 1);
        for (int g = 0; g < Games; ++g) {
            const QByteArray code = gameCode(g);
            http.getLive(base + "/income/index.phtml?kod=0001&szkod=" + code +
                         "&time=20261209183005&h=Home_" + QByteArray::number(g) + "&v=Away_" +
                         QByteArray::number(g));
            for (int p = 0; p < 2 * PlayersPerSide; ++p)
                http.getLive(base + "/income/index.phtml?kod=0002&szkod=" + code + "&p=P" +
                             QByteArray::number(g) + "_" + QByteArray::number(p) + "&k=" +
                             (p % PlayersPerSide < 3 ? "1" : "0") + "&h=" + (p < PlayersPerSide ? "1" : "0") +
                             "&jat=1&j=Player_" + QByteArray::number(p) + "&mz=" + QByteArray::number(p + 4));
        }

        // The viewers, on one thread of their own.
        const int epoll = epoll_create1(0);
        std::vector<Viewer> viewers(Games * ViewersPerGame);
        for (size_t i = 0; i < viewers.size(); ++i) {
            Viewer &v = viewers[i];
            v.game = int(i % Games);
            v.socket = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(quint16(port));
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (::connect(v.socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
                state.SkipWithError("a viewer cannot connect");
                return;
            }
            const QByteArray request =
                "GET /live/" + gameCode(v.game) +
                "/events?lang=en HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/event-stream\r\n\r\n";
            [[maybe_unused]] const ssize_t sent =
                ::send(v.socket, request.constData(), size_t(request.size()), 0);
            ::fcntl(v.socket, F_SETFL, O_NONBLOCK);
            epoll_event e{};
            e.events = EPOLLIN;
            e.data.u64 = i;
            epoll_ctl(epoll, EPOLL_CTL_ADD, v.socket, &e);
        }
        std::vector<GameState> games(Games);
        std::mutex latencyMutex;
        std::vector<double> latencies;
        std::atomic<bool> running{true};
        std::atomic<int> connected{0};
        std::atomic<qint64> bytesRead{0};
        std::thread reader([&] {
            std::vector<epoll_event> events(512);
            char chunk[65536];
            while (running) {
                const int n = epoll_wait(epoll, events.data(), int(events.size()), 100);
                for (int k = 0; k < n; ++k) {
                    Viewer &v = viewers[events[size_t(k)].data.u64];
                    for (;;) {
                        const ssize_t r = ::recv(v.socket, chunk, sizeof chunk, 0);
                        if (r <= 0)
                            break;
                        bytesRead += r;
                        v.buffer.append(chunk, r);
                    }
                    if (!v.headerRead) {
                        const qsizetype end = v.buffer.indexOf("\r\n\r\n");
                        if (end < 0)
                            continue;
                        v.headerRead = true;
                        ++connected;
                        v.buffer.remove(0, end + 4);
                    }
                    qsizetype end;
                    while ((end = v.buffer.indexOf("\n\n")) >= 0) {
                        const QByteArray block = v.buffer.left(end);
                        v.buffer.remove(0, end + 2);
                        if (!block.startsWith("id: "))
                            continue;
                        const qint64 id = block.mid(4, block.indexOf('\n') - 4).toLongLong();
                        if (id <= v.lastId)
                            continue;
                        v.lastId = id;
                        GameState &g = games[size_t(v.game)];
                        const std::lock_guard<std::mutex> lock(g.mutex);
                        if (!g.waiting)
                            continue;
                        const double ms =
                            std::chrono::duration<double, std::milli>(Clock::now() - g.sentAt).count();
                        {
                            const std::lock_guard<std::mutex> l(latencyMutex);
                            latencies.push_back(ms);
                        }
                        if (++g.received == ViewersPerGame)
                            g.waiting = false;
                    }
                }
            }
        });
        QElapsedTimer waiting;
        waiting.start();
        while (connected < int(viewers.size()) && waiting.elapsed() < 30000)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        // Let the first state of every page arrive before anything is timed.
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));

        const ProcessFigures before = figuresOf(server.processId());
        const auto start = Clock::now();
        std::atomic<int> sent{0};
        std::atomic<int> missed{0};
        // Two senders, like two courtside machines sharing the uplink, each
        // with half of the games.
        auto sender = [&](int first) {
            const THttpClient client(2000, 10000);
            std::vector<Clock::time_point> due(Games, start);
            QRandomGenerator random(quint32(first + 7));
            while (Clock::now() - start < std::chrono::seconds(seconds)) {
                for (int g = first; g < Games; g += 2) {
                    GameState &s = games[size_t(g)];
                    {
                        const std::lock_guard<std::mutex> lock(s.mutex);
                        if (s.waiting) {
                            if (Clock::now() - s.sentAt < std::chrono::seconds(5))
                                continue;
                            missed += ViewersPerGame - s.received;
                            s.waiting = false;
                        }
                        if (Clock::now() < due[size_t(g)])
                            continue;
                        s.waiting = true;
                        s.received = 0;
                        s.sentAt = Clock::now();
                    }
                    const int id = ++nextId[size_t(g)];
                    const int player = int(random.bounded(2 * PlayersPerSide));
                    const QByteArray code = gameCode(g);
                    const QByteArray who = "P" + QByteArray::number(g) + "_" + QByteArray::number(player);
                    QByteArray query;
                    switch (id % 4) {
                    case 0:
                        query = "kod=1100&id=" + QByteArray::number(id) + "&szkod=" + code + "&ido=1";
                        break;
                    case 1:
                        query = "kod=1000&id=" + QByteArray::number(id) + "&szkod=" + code +
                                "&tipus=2&jatekos=" + who + "&x=" + QByteArray::number(random.bounded(240)) +
                                "&y=" + QByteArray::number(random.bounded(359));
                        break;
                    case 2:
                        query = "kod=1001&id=" + QByteArray::number(id) + "&szkod=" + code +
                                "&tipus=3&jatekos=" + who + "&x=" + QByteArray::number(random.bounded(240)) +
                                "&y=" + QByteArray::number(random.bounded(359));
                        break;
                    default:
                        query =
                            "kod=1002&id=" + QByteArray::number(id) + "&szkod=" + code + "&jatekos=" + who;
                        break;
                    }
                    client.getLive(base + "/income/index.phtml?" + query + "&time=20261209183010");
                    ++sent;
                    due[size_t(g)] = Clock::now() + std::chrono::milliseconds(200 + random.bounded(400));
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        };
        std::thread senderA(sender, 0);
        std::thread senderB(sender, 1);
        // Ordinary requests meanwhile: a box score and a page, one after the other.
        std::vector<double> requests;
        while (Clock::now() - start < std::chrono::seconds(seconds)) {
            const auto t0 = Clock::now();
            const int g = int(requests.size() % Games);
            http.get(base + (requests.size() % 2 ? "/live/" : "/api/games/") + gameCode(g) +
                         (requests.size() % 2 ? "" : "/boxscore"),
                     {});
            requests.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        senderA.join();
        senderB.join();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const ProcessFigures after = figuresOf(server.processId());
        // The last messages' events.
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        running = false;
        reader.join();
        for (GameState &g : games)
            if (g.waiting)
                missed += ViewersPerGame - g.received;
        for (Viewer &v : viewers)
            ::close(v.socket);
        ::close(epoll);
        server.terminate();
        server.waitForFinished(5000);

        const std::lock_guard<std::mutex> lock(latencyMutex);
        const double over1s =
            double(std::count_if(latencies.begin(), latencies.end(), [](double ms) { return ms > 1000; }));
        std::printf("live viewers: %d games, %d viewers connected of %d, %d s of sending\n", Games,
                    int(connected), int(viewers.size()), seconds);
        std::printf(
            "messages sent: %d (%.1f/s); events delivered to viewers: %zu; not delivered within 5 s: %d\n",
            int(sent), sent / wall, latencies.size(), int(missed));
        std::printf(
            "message-to-viewer latency ms: p50 %.1f  p90 %.1f  p99 %.1f  max %.1f; over 1 s: %.2f%%\n",
            percentile(latencies, 0.5), percentile(latencies, 0.9), percentile(latencies, 0.99),
            percentile(latencies, 1.0), latencies.empty() ? 0.0 : 100.0 * over1s / double(latencies.size()));
        std::printf("ordinary requests meanwhile: %zu, ms p50 %.1f  p99 %.1f  max %.1f\n", requests.size(),
                    percentile(requests, 0.5), percentile(requests, 0.99), percentile(requests, 1.0));
        std::printf("server CPU: %.2f s in %.1f s = %.0f%% of one core; memory: RSS %lld kB, peak %lld kB; "
                    "pushed %.1f MB\n",
                    after.cpuSeconds - before.cpuSeconds, wall,
                    100 * (after.cpuSeconds - before.cpuSeconds) / wall, after.rssKb, after.peakKb,
                    double(bytesRead) / 1e6);
        state.counters["p99_ms"] = percentile(latencies, 0.99);
        state.counters["server_cpu_pct"] = 100 * (after.cpuSeconds - before.cpuSeconds) / wall;
        state.counters["server_rss_kB"] = double(after.rssKb);
    }
}
BENCHMARK(BM_LiveViewers)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
