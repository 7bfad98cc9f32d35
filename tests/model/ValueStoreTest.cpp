#include "model/settings/TValueStore.h"

#include <gtest/gtest.h>

TEST(ValueStore, SavesWhatItLoaded)
{
    TValueStore store;
    store.Load("INDEX=3#GAMELENGTH=10#");
    EXPECT_EQ(store.Save(), "INDEX=3#GAMELENGTH=10#");
}

TEST(ValueStore, EmptyValueRemovesThePair)
{
    TValueStore store;
    store.Load("INDEX=3#GAMELENGTH=10#");
    EXPECT_TRUE(store.Set("INDEX", ""));
    EXPECT_EQ(store.Save(), "GAMELENGTH=10#");
    EXPECT_TRUE(store.Set("GAMELENGTH", ""));
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(store.Save(), "");
    // Removing a name that is not there changes nothing.
    EXPECT_TRUE(store.Set("NONE", ""));
    EXPECT_EQ(store.Save(), "");
}

TEST(ValueStore, NamesCompareWithoutCase)
{
    TValueStore store;
    store.Load("INDEX=3#");
    EXPECT_EQ(store.Get("index"), "3");
    // Setting through another spelling keeps the first spelling and its place.
    store.Set("GAMELENGTH", "10");
    store.Set("Index", "4");
    EXPECT_EQ(store.Save(), "INDEX=4#GAMELENGTH=10#");
    EXPECT_EQ(store.Get("missing"), "");
}

TEST(ValueStore, LaterPairsOverrideEarlierOnesInTheFirstPlace)
{
    TValueStore store;
    store.Load("A=1#B=2#a=3#");
    EXPECT_EQ(store.Save(), "A=3#B=2#");
    store.Load("C=4#b=#");
    EXPECT_EQ(store.Save(), "A=3#C=4#");
}

TEST(ValueStore, ValueMayHoldEqualsSigns)
{
    TValueStore store;
    store.Load("URL=a=b=c#");
    EXPECT_EQ(store.Get("URL"), "a=b=c");
    EXPECT_EQ(store.Save(), "URL=a=b=c#");
}

TEST(ValueStore, LastFragmentWithoutHashIsTaken)
{
    TValueStore store;
    store.Load("A=1#B=2");
    EXPECT_EQ(store.Get("B"), "2");
    EXPECT_EQ(store.Save(), "A=1#B=2#");
}

TEST(ValueStore, OddTextsEndAndAddNothingUsable)
{
    TValueStore store;
    store.Load("###=x#=#NONAME#");
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(store.Save(), "");
}

TEST(ValueStore, RefusesWhatTheTextFormCannotCarry)
{
    TValueStore store;
    store.Load("A=1#");
    EXPECT_FALSE(store.Set("B", "x#y"));
    EXPECT_FALSE(store.Set("B#", "1"));
    EXPECT_FALSE(store.Set("B=C", "1"));
    EXPECT_FALSE(store.Set("", "1"));
    EXPECT_FALSE(store.Set("A", "2#"));
    EXPECT_EQ(store.Save(), "A=1#");
}
