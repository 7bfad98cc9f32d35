#include "model/events/EventKinds.h"
#include "model/events/TOutgoingQueue.h"

#include <QThread>
#include <deque>
#include <gtest/gtest.h>

namespace {

struct Events
{
    std::deque<TGameEvent> Owned;
    TGameEvent *make(int id, const QString &message)
    {
        Owned.emplace_back(id, Kind::Steal, 0, Side::HomePlayer, 0);
        Owned.back().SetMessage(message);
        return &Owned.back();
    }
};

QStringList messages(const TOutgoingQueue &queue)
{
    QStringList texts;
    for (const TEventList::Entry &e : queue.Entries())
        texts << e.Event->Message;
    return texts;
}

} // namespace

// The server's acknowledgement removes from the front only, never more than
// waits; a corrected event takes the place of its first queued entry.
TEST(OutgoingQueue, AcknowledgedEntriesGoFromTheFront)
{
    const struct
    {
        int acknowledged;
        QStringList left;
    } cases[] = {
        {0, {"a", "b", "c"}},
        {1, {"b", "c"}},
        {3, {}},
        {5, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.acknowledged);
        Events events;
        TOutgoingQueue queue;
        for (const char *m : {"a", "b", "c"})
            queue.Append(events.make(int(queue.Count()) + 1, QString::fromLatin1(m)));
        queue.Acknowledge(c.acknowledged);
        EXPECT_EQ(messages(queue), c.left);
        EXPECT_EQ(queue.MessageAt(c.left.size()), QString());
    }
}

TEST(OutgoingQueue, ACorrectionTakesThePlaceOfItsFirstEntry)
{
    Events events;
    TOutgoingQueue queue;
    queue.Append(events.make(1, QStringLiteral("one")));
    queue.Append(events.make(2, QStringLiteral("two")));
    queue.Append(events.make(1, QStringLiteral("one again")));
    EXPECT_TRUE(queue.Replace(events.make(1, QStringLiteral("corrected"))));
    EXPECT_EQ(messages(queue), QStringList({"corrected", "two", "one again"}));
    EXPECT_FALSE(queue.Replace(events.make(3, QStringLiteral("never queued"))));
    EXPECT_EQ(queue.Count(), 3);
}

// A writer and an acknowledging reader at once lose no entry and take none twice.
TEST(OutgoingQueue, AppendAndAcknowledgeFromTwoThreads)
{
    constexpr int Total = 20000;
    Events events;
    for (int i = 1; i <= Total; ++i)
        events.make(i, QString::number(i));
    TOutgoingQueue queue;
    std::unique_ptr<QThread> writer(QThread::create([&] {
        for (TGameEvent &e : events.Owned)
            queue.Append(&e);
    }));
    writer->start();
    int taken = 0;
    QString expected = QStringLiteral("1");
    while (taken < Total) {
        const QString message = queue.MessageAt(0);
        if (message.isEmpty())
            continue;
        ASSERT_EQ(message, expected);
        queue.Acknowledge();
        ++taken;
        expected = QString::number(taken + 1);
    }
    writer->wait();
    EXPECT_TRUE(queue.IsEmpty());
}
