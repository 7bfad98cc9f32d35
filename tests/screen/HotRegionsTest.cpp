#include "desktop/court/input/THotRegions.h"

#include <gtest/gtest.h>

TEST(HotRegions, FixedRecordsIncludeTheirBounds)
{
    const THotRegions regions;
    EXPECT_EQ(regions.RecordsAt(19, 177), QList<int>{1});
    EXPECT_EQ(regions.RecordsAt(50, 222), QList<int>{1});
    EXPECT_TRUE(regions.RecordsAt(51, 222).isEmpty());
    EXPECT_TRUE(regions.RecordsAt(19, 223).isEmpty());
    EXPECT_EQ(regions.RecordsAt(210, 177), QList<int>{11});
    EXPECT_EQ(regions.At(11).Code, 1014);
    EXPECT_EQ(regions.RecordsAt(241, 273), QList<int>{12});
    EXPECT_EQ(regions.At(12).Code, 0);
    EXPECT_EQ(regions.RecordsAt(335, 500), QList<int>{31});
    EXPECT_EQ(regions.At(31).Code, 1036);
    EXPECT_EQ(regions.RecordsAt(320, 109), QList<int>{30});
}

TEST(HotRegions, RecordSixteenAndTheUnusedRecordsStayEmpty)
{
    const THotRegions regions;
    for (int n : {16, 38, 49, 50, 90, 100}) {
        EXPECT_EQ(regions.At(n).Type, THotRegion::None) << n;
        EXPECT_EQ(regions.At(n).Left, -1) << n;
        EXPECT_FALSE(regions.At(n).Contains(-1, -1)) << n;
    }
}

TEST(HotRegions, AdditionalTypeLabelsAlternateColumns)
{
    const THotRegions regions;
    EXPECT_EQ(regions.At(32).Name, QStringLiteral("lblHomeTeamAdditionalType1"));
    EXPECT_EQ(regions.At(33).Name, QStringLiteral("lblHomeTeamAdditionalType2"));
    EXPECT_EQ(regions.At(37).Name, QStringLiteral("lblHomeTeamAdditionalType6"));
    EXPECT_EQ(regions.RecordsAt(151, 663), QList<int>{37});
    EXPECT_EQ(regions.RecordsAt(132, 644), QList<int>{32});
    // A row's bullet belongs to its row.
    EXPECT_EQ(regions.RecordsAt(140, 640), QList<int>{33});
    EXPECT_EQ(regions.RecordsAt(16, 650), QList<int>{34});
    EXPECT_EQ(regions.At(35).Type, THotRegion::LabelClick);
}

TEST(HotRegions, HistoryLinesAreRecords91To99)
{
    const THotRegions regions;
    EXPECT_EQ(regions.RecordsAt(22, 6), QList<int>{91});
    EXPECT_EQ(regions.RecordsAt(236, 19), QList<int>{91});
    EXPECT_EQ(regions.RecordsAt(22, 22), QList<int>{92});
    EXPECT_EQ(regions.At(99).Top, 134);
    EXPECT_EQ(regions.At(99).Name, QStringLiteral("lblHistoryViewCsapat1Label_9"));
}

TEST(HotRegions, PanelRecordsFillFrom50UpTo90)
{
    THotRegions regions;
    for (int i = 0; i < 41; ++i)
        EXPECT_TRUE(regions.AddPanelLabel(0, 10, 700 + i, 700 + i, QStringLiteral("row%1").arg(i)));
    EXPECT_EQ(regions.At(50).Name, QStringLiteral("row0"));
    EXPECT_EQ(regions.At(90).Name, QStringLiteral("row40"));
    EXPECT_FALSE(regions.AddPanelLabel(0, 10, 0, 0, QStringLiteral("one too many")));
    EXPECT_EQ(regions.At(91).Name, QStringLiteral("lblHistoryViewCsapat1Label_1"));
}
