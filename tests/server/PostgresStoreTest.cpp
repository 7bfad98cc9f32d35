// The store on PostgreSQL, shared by several servers: the same rules as on
// SQLite whichever server a message reaches, and every server hears of the
// others' messages.
#include "server/TMessageStore.h"

#include "support/PostgresProcess.h"

#include <gtest/gtest.h>

#include <QSet>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class PostgresStoreTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_postgres = new PostgresProcess; }
    static void TearDownTestSuite()
    {
        delete s_postgres;
        s_postgres = nullptr;
    }
    void SetUp() override
    {
        // A PostgreSQL that does not start is a failure, never a skip.
        ASSERT_TRUE(s_postgres->IsRunning()) << s_postgres->Error().toStdString();
        open(m_first);
        open(m_second);
    }
    void open(TMessageStore &store)
    {
        QString error;
        ASSERT_TRUE(store.open(s_postgres->Url(), &error)) << error.toStdString();
    }
    static bool add(TMessageStore &store, const QByteArray &query)
    {
        QString error;
        const bool ok = store.addMessages({TLiveMessage::parse(query)}, "single", &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return ok;
    }
    // A game code of its own for each test, the database being shared.
    QByteArray game() const
    {
        return QByteArray("PG_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    static inline PostgresProcess *s_postgres = nullptr;
    TMessageStore m_first;
    TMessageStore m_second;
};

TEST_F(PostgresStoreTest, RepeatsCorrectionsAndDeletionsResolveAlikeOnEitherServer)
{
    const QByteArray g = "&szkod=" + game();
    ASSERT_TRUE(add(m_first, "kod=1000&id=1" + g + "&jatekos=11"));
    ASSERT_TRUE(add(m_second, "kod=1000&id=1" + g + "&jatekos=11")); // the resend after a lost ok
    ASSERT_TRUE(add(m_second, "kod=1000&id=1" + g + "&jatekos=12")); // a correction
    ASSERT_TRUE(add(m_first, "kod=5000&id=2" + g + "&iddel=1"));
    ASSERT_TRUE(add(m_first, "kod=0002" + g + "&p=AB12&h=1"));
    ASSERT_TRUE(add(m_second, "kod=0002" + g + "&p=AB12&h=1"));
    const QList<TStoredMessage> m = m_second.messages(game());
    ASSERT_EQ(m.size(), 4);
    EXPECT_EQ(m[0].replacedBy, m[1].seq);
    EXPECT_EQ(m[1].deletedBy, m[2].seq);
    EXPECT_EQ(m[1].query, "kod=1000&id=1" + g + "&jatekos=12");
    EXPECT_EQ(m_first.messages(game()).size(), 4);
    // Bytes outside ASCII survive the round trip.
    const QByteArray accented = "kod=0002" + g +
                                "&j=Kov\xe1"
                                "cs";
    ASSERT_TRUE(add(m_first, accented));
    EXPECT_EQ(m_second.messages(game()).last().query, accented);
}

TEST_F(PostgresStoreTest, ConcurrentCorrectionsOfOneEventOnTwoServersLeaveOneLiveMessage)
{
    const int rounds = 30;
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (TMessageStore *store : {&m_first, &m_second}) {
        writers.emplace_back([&, store] {
            for (int i = 0; i < rounds; ++i) {
                const QByteArray q = "kod=1000&id=7&szkod=" + game() +
                                     "&jatekos=" + QByteArray::number(store == &m_first ? i : 100 + i);
                QString error;
                if (!store->addMessages({TLiveMessage::parse(q)}, "single", &error))
                    ++failures;
            }
        });
    }
    for (std::thread &w : writers)
        w.join();
    EXPECT_EQ(failures, 0);
    const QList<TStoredMessage> m = m_first.messages(game());
    ASSERT_EQ(m.size(), 2 * rounds);
    int live = 0;
    for (qsizetype i = 0; i < m.size(); ++i) {
        live += m[i].isLive() ? 1 : 0;
        // Each one replaced by the next in arrival order.
        if (i + 1 < m.size()) {
            EXPECT_EQ(m[i].replacedBy, m[i + 1].seq);
        }
    }
    EXPECT_EQ(live, 1);
    EXPECT_TRUE(m.last().isLive());
}

TEST_F(PostgresStoreTest, EachServerHearsOfTheGamesTheOtherChanged)
{
    std::mutex mutex;
    std::condition_variable heard;
    QSet<QByteArray> games;
    m_second.setChangeListener([&](const QByteArray &changed) {
        std::lock_guard<std::mutex> lock(mutex);
        games.insert(changed);
        heard.notify_all();
    });
    // The listener connection may still be starting.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(add(m_first, "kod=1100&id=1&szkod=" + game() + "&ido=1"));
    std::unique_lock<std::mutex> lock(mutex);
    EXPECT_TRUE(heard.wait_for(lock, std::chrono::seconds(10), [&] { return games.contains(game()); }));
}

TEST_F(PostgresStoreTest, SchemaIsMadeOnceAndTakenAsItIsByTheNextServer)
{
    TMessageStore third;
    open(third);
    ASSERT_TRUE(add(third, "kod=1100&id=1&szkod=" + game() + "&ido=1"));
    EXPECT_EQ(m_first.messages(game()).size(), 1);
    EXPECT_TRUE(third.describe().startsWith(QStringLiteral("PostgreSQL postgresql://parquetix@")));
}

} // namespace
