// The message store: what a client's resend leaves behind, and commits shared
// by concurrent requests.
#include "server/TMessageStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TLiveMessage message(const QByteArray &query)
{
    TLiveMessage m = TLiveMessage::parse(query);
    EXPECT_TRUE(m.isValid()) << query.constData();
    return m;
}

QByteArray shot(int id, const QByteArray &player)
{
    return "kod=1000&id=" + QByteArray::number(id) + "&szkod=S1&tipus=1&jatekos=" + player + "&x=10&y=10";
}

struct TPrefixCase
{
    QList<QByteArray> stored;
    QList<QByteArray> incoming;
    int repeated;
};

TEST(StoreRepeatTest, RepeatedPrefixIsTheLongestSuffixOfStoredThatStartsIncoming)
{
    const QList<TPrefixCase> cases = {
        {{}, {"a"}, 0},
        {{"a"}, {"a"}, 1},
        {{"a", "b"}, {"a"}, 0},                // a changed back after b: new
        {{"a", "b"}, {"b"}, 1},                // b sent again
        {{"a", "b"}, {"a", "b"}, 2},           // a batch holding both sent again
        {{"x", "a", "b"}, {"a", "b", "c"}, 2}, // sent again, grown by c
        {{"a", "b"}, {"b", "a"}, 1},
        {{"b"}, {"a", "b"}, 0},
    };
    for (const TPrefixCase &c : cases)
        EXPECT_EQ(TMessageStore::repeatedPrefix(c.stored, c.incoming), c.repeated)
            << QByteArrayList(c.stored).join(',').constData() << " | "
            << QByteArrayList(c.incoming).join(',').constData();
}

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_store.open(QStringLiteral(":memory:"), &error)) << error.toStdString();
    }
    void add(const QList<QByteArray> &queries, const QByteArray &via = "batch")
    {
        QList<TLiveMessage> messages;
        for (const QByteArray &q : queries)
            messages.append(message(q));
        QString error;
        ASSERT_TRUE(m_store.addMessages(messages, via, &error)) << error.toStdString();
    }
    QList<QByteArray> stored() const
    {
        QList<QByteArray> out;
        for (const TStoredMessage &m : m_store.messages("S1"))
            out.append(m.query);
        return out;
    }

    TMessageStore m_store;
};

TEST_F(StoreTest, AMessageSentAgainAfterALostOkIsStoredOnce)
{
    add({shot(1, "11")}, "single");
    add({shot(1, "11")}, "single");
    add({"kod=0002&szkod=S1&p=AB12&h=1&j=Kiss_Anna", "kod=1102&id=1&szkod=S1"});
    add({"kod=0002&szkod=S1&p=AB12&h=1&j=Kiss_Anna", "kod=1102&id=1&szkod=S1"});
    EXPECT_EQ(stored(), (QList<QByteArray>{shot(1, "11"), "kod=0002&szkod=S1&p=AB12&h=1&j=Kiss_Anna",
                                           "kod=1102&id=1&szkod=S1"}));
}

TEST_F(StoreTest, ABatchSentAgainGrownByNewMessagesStoresOnlyTheNewOnes)
{
    // The event was corrected before the first batch left: both versions in it.
    add({shot(1, "11"), shot(2, "12"), shot(1, "13")});
    add({shot(1, "11"), shot(2, "12"), shot(1, "13"), shot(3, "14"), shot(2, "15")});
    EXPECT_EQ(stored(),
              (QList<QByteArray>{shot(1, "11"), shot(2, "12"), shot(1, "13"), shot(3, "14"), shot(2, "15")}));
    const QList<TStoredMessage> m = m_store.messages("S1");
    ASSERT_EQ(m.size(), 5);
    EXPECT_EQ(m[0].replacedBy, m[2].seq);
    EXPECT_EQ(m[1].replacedBy, m[4].seq);
    EXPECT_TRUE(m[2].isLive());
}

TEST_F(StoreTest, AnEventChangedBackToWhatItWasIsStoredAndLive)
{
    add({shot(1, "11")}, "single");
    add({shot(1, "12")}, "single");
    add({shot(1, "11")}, "single");
    const QList<TStoredMessage> m = m_store.messages("S1");
    ASSERT_EQ(m.size(), 3);
    EXPECT_FALSE(m[1].isLive());
    EXPECT_TRUE(m[2].isLive());
    EXPECT_EQ(m[2].query, shot(1, "11"));
}

TEST_F(StoreTest, ADeletionSentAgainDeletesOnceAndIsStoredOnce)
{
    add({shot(1, "11")}, "single");
    add({"kod=5000&id=2&szkod=S1&iddel=1"}, "single");
    add({"kod=5000&id=2&szkod=S1&iddel=1"}, "single");
    const QList<TStoredMessage> m = m_store.messages("S1");
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].deletedBy, m[1].seq);
}

TEST(StoreCommitTest, ConcurrentRequestsShareCommitsAndAllAreStored)
{
    QTemporaryDir dir;
    TMessageStore store;
    QString error;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("s.sqlite")), &error)) << error.toStdString();
    const int threads = 16;
    const int perThread = 40;
    std::vector<std::thread> clients;
    std::atomic<int> failures{0};
    for (int t = 0; t < threads; ++t) {
        clients.emplace_back([&, t] {
            for (int i = 1; i <= perThread; ++i) {
                const QByteArray q =
                    "kod=1100&id=" + QByteArray::number(i) + "&szkod=T" + QByteArray::number(t) + "&ido=1";
                QString why;
                if (!store.addMessages({TLiveMessage::parse(q)}, "single", &why))
                    ++failures;
            }
        });
    }
    for (std::thread &c : clients)
        c.join();
    EXPECT_EQ(failures, 0);
    qint64 total = 0;
    for (const TGameInfo &g : store.games())
        total += g.messages;
    EXPECT_EQ(total, threads * perThread);
    EXPECT_EQ(store.committedRequests(), threads * perThread);
    EXPECT_LT(store.commitCount(), store.committedRequests());

    // What was acknowledged is in the file for the next start.
    TMessageStore reopened;
    ASSERT_TRUE(reopened.open(dir.filePath(QStringLiteral("s.sqlite")), &error));
    EXPECT_EQ(reopened.messages("T3").size(), perThread);
}

} // namespace
