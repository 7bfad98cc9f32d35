#include "savegame/TRecordCache.h"

#include "model/events/TEventList.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Events owned here, listed as the game lists them, and a cache that looks at
// the list as a save does: only at what the list reports, the newest events
// and now and then all of it.
class RecordCacheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TEventList::SetCheckEveryLook(false);
        for (int i = 0; i < 40; ++i)
            append();
    }
    void TearDown() override { TEventList::SetCheckEveryLook(true); }

    TGameEvent *append()
    {
        TGameEvent &e = events.emplace_back(int(events.size()) + 1, 1008, 0, 1, 4 * int(events.size()));
        e.Message = QStringLiteral("kod=1008&id=%1").arg(e.Id);
        list.Append(&e);
        return &e;
    }

    // What the cache holds for every position is what the list holds.
    void expectCurrent(std::vector<TRecordCache::TSlot> &seen)
    {
        ASSERT_EQ(seen.size(), size_t(list.Count()));
        for (int i = 0; i < list.Count(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(seen[size_t(i)].Event, list.At(i));
            EXPECT_EQ(seen[size_t(i)].Entry->Record, list.At(i)->ToRecord());
        }
    }

    std::deque<TGameEvent> events;
    TEventList list;
    TRecordCache cache;
};

TEST_F(RecordCacheTest, EveryReportedChangeIsSeenAtTheNextLook)
{
    const struct
    {
        const char *Name;
        std::function<void()> Change;
    } changes[] = {
        {"appended", [&] { append(); }},
        {"changed in place, reported",
         [&] {
             events[3].Clock += 1;
             list.Touched(&events[3]);
         }},
        {"text changed in place, reported",
         [&] {
             events[5].Text.append(QLatin1Char('!'));
             list.Touched(&events[5]);
         }},
        {"replaced",
         [&] {
             TGameEvent &copy = events.emplace_back(events[7]);
             copy.Detail = 9;
             list.SetAt(7, &copy);
         }},
        {"removed in the middle", [&] { list.RemoveAt(10); }},
        {"removed first", [&] { list.RemoveAt(0); }},
        {"more changes than the list remembers",
         [&] {
             for (int i = 0; i < 70; ++i)
                 append();
             events[1].Kind = 1001;
             list.Touched(&events[1]);
         }},
        {"emptied and filled again",
         [&] {
             list.Clear();
             append();
         }},
        {"the list replaced by another",
         [&] {
             TEventList other;
             other.Append(&events[20]);
             other.Append(&events[2]);
             list = other;
         }},
    };
    expectCurrent(cache.Log(list));
    for (const auto &change : changes) {
        SCOPED_TRACE(change.Name);
        change.Change();
        expectCurrent(cache.Log(list));
    }
}

TEST_F(RecordCacheTest, AnUnchangedEventKeepsItsRecordAndAQueueViewIsTheSameList)
{
    std::vector<TRecordCache::TSlot> &seen = cache.Queue(list.View());
    const quint64 first = seen[0].Serial;
    const quint64 last = seen.back().Serial;
    append();
    events[0].Clock = 1;
    list.Touched(&events[0]);
    cache.Queue(list.View());
    EXPECT_NE(seen[0].Serial, first);
    EXPECT_EQ(seen[39].Serial, last);
    expectCurrent(seen);
}

TEST_F(RecordCacheTest, AnUnreportedChangeIsFoundWithinAWholeLookOrAtOnceAmongTheNewest)
{
    std::vector<TRecordCache::TSlot> &seen = cache.Log(list);
    events[39].Detail = 3; // among the newest
    events[2].Detail = 3;  // deep in the list
    cache.Log(list);
    EXPECT_EQ(seen[39].Entry->Record, events[39].ToRecord());
    EXPECT_NE(seen[2].Entry->Record, events[2].ToRecord()) << "a look at every event each time";
    int looks = 1;
    while (seen[2].Entry->Record != events[2].ToRecord() && looks < 100) {
        cache.Log(list);
        ++looks;
    }
    EXPECT_LE(looks, 64);
    expectCurrent(seen);
}

TEST_F(RecordCacheTest, CheckingEveryLookStopsAtAnUnreportedChange)
{
    cache.Log(list);
    TEventList::SetCheckEveryLook(true);
    events[2].Detail = 3;
    EXPECT_DEATH(cache.Log(list), "changed in place");
}

} // namespace
