// Servers killed in the middle of a load: 200 clients send live messages
// and batches, retrying each until it is answered "ok", while one server is
// killed with SIGKILL and started again. Afterwards every game holds exactly
// what its client sent, each message once. Prints the load each server held.
#include "server/TMessageStore.h"
#include "transmission/THttpClient.h"
#include "transmission/TMsMultiPartFormDataStream.h"

#include "support/PostgresProcess.h"
#include "support/TestHome.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

const int Clients = 200;
const int RequestsPerClient = 8; // every fourth a batch of three

// One parquetix-server program that can be killed and started again on its port.
class Instance
{
public:
    Instance(QStringList args) : m_args(std::move(args)) {}
    ~Instance()
    {
        if (m_process) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    bool start(QString *error)
    {
        m_process = std::make_unique<QProcess>();
        m_process->start(binaryFolder() + QStringLiteral("/parquetix-server"),
                         m_args + QStringList{QStringLiteral("--port"), QString::number(m_port),
                                              QStringLiteral("--quiet")});
        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        while (!out.contains('\n') && timer.elapsed() < 15000 && m_process->waitForReadyRead(15000))
            out += m_process->readAllStandardOutput();
        if (!out.startsWith("listening on ")) {
            *error = QString::fromLocal8Bit(out + m_process->readAllStandardError());
            return false;
        }
        m_port = out.mid(13).trimmed().toInt();
        return true;
    }
    void killHard()
    {
        m_process->kill(); // SIGKILL
        m_process->waitForFinished(5000);
    }
    QByteArray base() const { return "http://127.0.0.1:" + QByteArray::number(m_port); }

    std::atomic<int> answered{0};

private:
    QStringList m_args;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};

QByteArray code(int client)
{
    return "KILL" + QByteArray::number(client);
}

// The messages of one request of a client: two messages for each event id,
// the second correcting the first.
QList<QByteArray> requestMessages(int client, int request)
{
    const bool batch = request % 4 == 3;
    QList<QByteArray> out;
    for (int i = 0; i < (batch ? 3 : 1); ++i) {
        const int n = request * 3 + i;
        out.append("kod=1000&id=" + QByteArray::number(n / 2 + 1) + "&szkod=" + code(client) +
                   "&tipus=1&jatekos=" + QByteArray::number(n) + "&x=10&y=20");
    }
    return out;
}

class Load
{
public:
    explicit Load(std::vector<Instance *> instances) : m_instances(std::move(instances)) {}

    // Runs the clients until each request was answered "ok" or the time is up.
    void start()
    {
        m_timer.start();
        for (int c = 0; c < Clients; ++c)
            m_threads.emplace_back([this, c] { client(c); });
    }
    void join()
    {
        for (std::thread &t : m_threads)
            t.join();
        m_seconds = double(m_timer.elapsed()) / 1000.0;
    }
    int done() const { return m_done; }
    int failedClients() const { return m_failedClients; }
    int retries() const { return m_retries; }
    double seconds() const { return m_seconds; }

private:
    void client(int c)
    {
        const THttpClient http(1000, 3000);
        size_t at = size_t(c) % m_instances.size();
        for (int r = 0; r < RequestsPerClient; ++r) {
            const QList<QByteArray> messages = requestMessages(c, r);
            for (;;) {
                if (m_timer.elapsed() > 60000) {
                    ++m_failedClients;
                    return;
                }
                Instance &instance = *m_instances[at];
                THttpReply reply;
                if (messages.size() == 1) {
                    reply = http.getLive(instance.base() + "/income/index.phtml?" + messages[0]);
                } else {
                    TMsMultiPartFormDataStream form;
                    form.AddField("gamecode", code(c));
                    form.AddField("gamedata", QByteArrayList(messages).join('#') + '#');
                    form.CloseBody();
                    reply = http.postForm(instance.base() + "/income/index.phtml", form);
                }
                if (reply.received && reply.body.startsWith("ok")) {
                    ++instance.answered;
                    ++m_done;
                    break;
                }
                ++m_retries;
                // As a proxy would: the next try goes to the next server.
                at = (at + 1) % m_instances.size();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }

    std::vector<Instance *> m_instances;
    std::vector<std::thread> m_threads;
    QElapsedTimer m_timer;
    std::atomic<int> m_done{0};
    std::atomic<int> m_failedClients{0};
    std::atomic<int> m_retries{0};
    double m_seconds = 0;
};

// Kills instances[victim] once a third of the requests are answered and
// starts it again; then checks what the store holds.
void runWithKill(std::vector<Instance *> instances, size_t victim, const QString &store)
{
    Load load(instances);
    load.start();
    const int total = Clients * RequestsPerClient;
    QElapsedTimer waited;
    waited.start();
    while (load.done() < total / 3 && waited.elapsed() < 60000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    instances[victim]->killHard();
    const int atKill = load.done();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    QString error;
    ASSERT_TRUE(instances[victim]->start(&error)) << error.toStdString();
    load.join();
    ASSERT_EQ(load.failedClients(), 0);
    EXPECT_LT(atKill, total) << "the kill came after the load";
    // Some requests met the killed server and were sent again.
    EXPECT_GT(load.retries(), 0);

    for (size_t i = 0; i < instances.size(); ++i)
        printf("server %zu: %d requests answered ok, %.0f a second\n", i + 1, instances[i]->answered.load(),
               instances[i]->answered / load.seconds());
    printf("%zu server(s) together: %d requests in %.2f s, %.0f a second; killed after %d, %d tries again\n",
           instances.size(), load.done(), load.seconds(), load.done() / load.seconds(), atKill,
           load.retries());

    TMessageStore check;
    ASSERT_TRUE(check.open(store, &error)) << error.toStdString();
    int wrong = 0;
    for (int c = 0; c < Clients; ++c) {
        QList<QByteArray> sent;
        for (int r = 0; r < RequestsPerClient; ++r)
            sent += requestMessages(c, r);
        QList<QByteArray> stored;
        int live = 0;
        for (const TStoredMessage &m : check.messages(code(c))) {
            stored.append(m.query);
            live += m.isLive() ? 1 : 0;
        }
        QSet<QByteArray> events;
        for (const QByteArray &m : sent)
            events.insert(m.left(m.indexOf("&szkod")));
        if (stored != sent || live != events.size()) {
            if (++wrong <= 3)
                ADD_FAILURE() << code(c).constData() << ": " << stored.size() << " stored of " << sent.size()
                              << " sent, " << live << " live\n"
                              << QByteArrayList(stored).join('\n').constData();
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(InstanceKillTest, TwoServersOnPostgresLoseAndDoubleNothingWhenOneIsKilled)
{
    PostgresProcess postgres;
    ASSERT_TRUE(postgres.IsRunning()) << postgres.Error().toStdString();
    TestHome home;
    Instance first({QStringLiteral("--data"), home.file(QStringLiteral("one")), QStringLiteral("--database"),
                    postgres.Url()});
    Instance second({QStringLiteral("--data"), home.file(QStringLiteral("two")), QStringLiteral("--database"),
                     postgres.Url()});
    QString error;
    ASSERT_TRUE(first.start(&error)) << error.toStdString();
    ASSERT_TRUE(second.start(&error)) << error.toStdString();
    runWithKill({&first, &second}, 0, postgres.Url());
}

TEST(InstanceKillTest, OneServerOnSqliteLosesAndDoublesNothingWhenKilled)
{
    TestHome home;
    Instance only({QStringLiteral("--data"), home.file(QStringLiteral("data"))});
    QString error;
    ASSERT_TRUE(only.start(&error)) << error.toStdString();
    runWithKill({&only}, 0, home.file(QStringLiteral("data/parquetix-server.sqlite")));
}

} // namespace
