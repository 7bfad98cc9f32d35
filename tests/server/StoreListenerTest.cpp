// The store tells a listener which games changed, after the change is
// readable, so a live page can be pushed without polling the database.
#include "server/TMessageStore.h"

#include <gtest/gtest.h>

namespace {

TLiveMessage message(const QByteArray &query)
{
    return TLiveMessage::parse(query);
}

TEST(StoreListenerTest, NamesEachChangedGameOnceAfterItsMessagesAreReadable)
{
    TMessageStore store;
    ASSERT_TRUE(store.open(QStringLiteral(":memory:"), nullptr));
    QList<QByteArray> heard;
    QList<qsizetype> seen;
    store.setChangeListener([&](const QByteArray &game) {
        heard.append(game);
        seen.append(store.messages(game).size());
    });

    ASSERT_TRUE(store.addMessages({message("kod=1004&id=1&szkod=A1&tipus=0&jatekos=11"),
                                   message("kod=1004&id=1&szkod=B2&tipus=0&jatekos=12"),
                                   message("kod=5000&id=2&szkod=A1&iddel=1")},
                                  "batch", nullptr));
    EXPECT_EQ(heard, (QList<QByteArray>{"A1", "B2"}));
    EXPECT_EQ(seen, (QList<qsizetype>{2, 1}));
}

TEST(StoreListenerTest, IsNotCalledWhenNothingWasStored)
{
    TMessageStore store;
    int calls = 0;
    store.setChangeListener([&](const QByteArray &) { ++calls; });
    // Not open yet.
    EXPECT_FALSE(
        store.addMessages({message("kod=1004&id=1&szkod=A1&tipus=0&jatekos=11")}, "single", nullptr));
    ASSERT_TRUE(store.open(QStringLiteral(":memory:"), nullptr));
    EXPECT_FALSE(store.addMessages({TLiveMessage()}, "single", nullptr));
    EXPECT_EQ(calls, 0);
}

} // namespace
