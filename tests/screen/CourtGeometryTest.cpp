#include "geometry/CourtGeometry.h"

#include <gtest/gtest.h>

using namespace CourtGeometry;

namespace {

int squared(int v)
{
    return v * v;
}

} // namespace

TEST(CourtGeometry, DunkDiscHasRadiusFiveAroundEachBasket)
{
    EXPECT_EQ(zoneAt(121, 22), ShotZone::Dunk);
    EXPECT_EQ(zoneAt(126, 22), ShotZone::Dunk);
    EXPECT_EQ(zoneAt(127, 22), ShotZone::Layup);
    EXPECT_EQ(zoneAt(121, 27), ShotZone::Dunk);
    EXPECT_EQ(zoneAt(121, 28), ShotZone::Layup);
    EXPECT_EQ(zoneAt(124, 26), ShotZone::Dunk); // 3² + 4² = 25
    EXPECT_EQ(zoneAt(125, 26), ShotZone::Layup);
    // The home basket, 22 rows from the other baseline.
    EXPECT_EQ(zoneAt(121, 336), ShotZone::Dunk);
    EXPECT_EQ(zoneAt(121, 331), ShotZone::Dunk);
    EXPECT_EQ(zoneAt(121, 330), ShotZone::Layup);
}

TEST(CourtGeometry, RestrictedAreaIsTheTrapezoid)
{
    // 95 pixels on the baseline.
    EXPECT_EQ(zoneAt(73, 0), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(74, 0), ShotZone::Layup);
    EXPECT_EQ(zoneAt(168, 0), ShotZone::Layup);
    EXPECT_EQ(zoneAt(169, 0), ShotZone::TwoPointer);
    // x 91 to 152 on row 81, the last row of the trapezoid.
    EXPECT_EQ(zoneAt(90, 81), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(91, 81), ShotZone::Layup);
    EXPECT_EQ(zoneAt(152, 81), ShotZone::Layup);
    EXPECT_EQ(zoneAt(153, 81), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(91, 82), ShotZone::TwoPointer);
    // Row 27: the sides stand at 74 + 17/3 = 79.7 and 168 - 16/3 = 162.7.
    EXPECT_EQ(zoneAt(79, 27), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(80, 27), ShotZone::Layup);
    EXPECT_EQ(zoneAt(162, 27), ShotZone::Layup);
    EXPECT_EQ(zoneAt(163, 27), ShotZone::TwoPointer);
    // Mirrored on the home side: row 358 - 27.
    EXPECT_EQ(zoneAt(79, 331), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(80, 331), ShotZone::Layup);
}

TEST(CourtGeometry, FreeThrowCircleInsideTheRestrictedAreaIsTwoPointer)
{
    EXPECT_EQ(zoneAt(121, 59), ShotZone::Layup);      // 29 from the circle's centre
    EXPECT_EQ(zoneAt(121, 60), ShotZone::TwoPointer); // exactly 28
    EXPECT_EQ(zoneAt(100, 75), ShotZone::TwoPointer); // 21² + 13² = 610
    EXPECT_EQ(zoneAt(95, 70), ShotZone::Layup);       // 26² + 18² = 1000
    EXPECT_EQ(zoneAt(121, 298), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(121, 299), ShotZone::Layup);
}

TEST(CourtGeometry, CornersOutsideColumns19To220AreThreePointers)
{
    for (int y : {0, 15, 30, 328, 343, 358}) {
        EXPECT_EQ(zoneAt(0, y), ShotZone::ThreePointer) << y;
        EXPECT_EQ(zoneAt(18, y), ShotZone::ThreePointer) << y;
        EXPECT_EQ(zoneAt(19, y), ShotZone::TwoPointer) << y;
        EXPECT_EQ(zoneAt(220, y), ShotZone::TwoPointer) << y;
        EXPECT_EQ(zoneAt(221, y), ShotZone::ThreePointer) << y;
        EXPECT_EQ(zoneAt(239, y), ShotZone::ThreePointer) << y;
    }
    // The straight parts end on row 30, where the arc takes over.
    EXPECT_EQ(zoneAt(19, 31), ShotZone::ThreePointer);
    EXPECT_EQ(zoneAt(20, 31), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(220, 31), ShotZone::ThreePointer);
    EXPECT_EQ(zoneAt(219, 31), ShotZone::TwoPointer);
}

TEST(CourtGeometry, ArcReachesRow125OnTheLongAxis)
{
    EXPECT_EQ(zoneAt(119, 125), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(120, 125), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(121, 125), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(120, 126), ShotZone::ThreePointer);
    EXPECT_EQ(zoneAt(120, 233), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAt(120, 232), ShotZone::ThreePointer);
    // Between the arcs, the middle of the court, every pixel is a three.
    for (int y = 126; y <= 232; ++y) {
        for (int x = 0; x < MaskWidth; ++x)
            ASSERT_EQ(zoneAt(x, y), ShotZone::ThreePointer) << x << "," << y;
    }
}

TEST(CourtGeometry, HalvesAreMirrorImagesAboutRow179)
{
    for (int y = 0; y < MaskHeight; ++y) {
        for (int x = 0; x < MaskWidth; ++x)
            ASSERT_EQ(zoneAt(x, y), zoneAt(x, 358 - y)) << x << "," << y;
    }
}

TEST(CourtGeometry, DunkZoneIsExactlyTheTwoDiscs)
{
    for (int y = 0; y < MaskHeight; ++y) {
        for (int x = 0; x < MaskWidth; ++x) {
            const bool inDisc =
                squared(x - 121) + squared(y - 22) <= 25 || squared(x - 121) + squared(y - 336) <= 25;
            ASSERT_EQ(zoneAt(x, y) == ShotZone::Dunk, inDisc) << x << "," << y;
        }
    }
}

TEST(CourtGeometry, LayupZoneStaysInsideTheTrapezoidBounds)
{
    for (int y = 0; y < MaskHeight; ++y) {
        for (int x = 0; x < MaskWidth; ++x) {
            if (zoneAt(x, y) != ShotZone::Layup)
                continue;
            const int fromBaseline = std::min(y, 358 - y);
            ASSERT_LE(fromBaseline, 81) << x << "," << y;
            ASSERT_GE(x, 74) << x << "," << y;
            ASSERT_LE(x, 168) << x << "," << y;
        }
    }
}

TEST(CourtGeometry, HorizontalMaskIsTheVerticalOneTurned)
{
    for (int y = 0; y < MaskWidth; ++y) {
        for (int x = 0; x < MaskHeight; ++x)
            ASSERT_EQ(horizontalZoneAt(x, y), zoneAt(239 - y, x)) << x << "," << y;
    }
    EXPECT_EQ(horizontalZoneAt(359, 0), ShotZone::None);
    EXPECT_EQ(horizontalZoneAt(0, 240), ShotZone::None);
}

TEST(CourtGeometry, OutsideTheMaskThereIsNoZone)
{
    EXPECT_EQ(zoneAt(-1, 0), ShotZone::None);
    EXPECT_EQ(zoneAt(240, 0), ShotZone::None);
    EXPECT_EQ(zoneAt(0, -1), ShotZone::None);
    EXPECT_EQ(zoneAt(0, 359), ShotZone::None);
}

TEST(CourtGeometry, MaskColours)
{
    // Colour values 0x00BBGGRR of the zone table, as RGB.
    EXPECT_EQ(zoneRgb(ShotZone::Layup), 0xFE0001u);
    EXPECT_EQ(zoneRgb(ShotZone::TwoPointer), 0x0D01FDu);
    EXPECT_EQ(zoneRgb(ShotZone::ThreePointer), 0x06FE01u);
    EXPECT_EQ(zoneRgb(ShotZone::Dunk), 0xF6FF00u);
    EXPECT_EQ(zoneOfRgb(0xFFFE0001u), ShotZone::Layup);
    EXPECT_EQ(zoneOfRgb(0x00F6FF00u), ShotZone::Dunk);
    // Any other colour, however near, is no zone.
    EXPECT_EQ(zoneOfRgb(0xFE0000u), ShotZone::None);
    EXPECT_EQ(zoneOfRgb(0x000000u), ShotZone::None);
}

TEST(CourtGeometry, HalvesMeetBetweenWholePixels)
{
    const auto v = CourtOrientation::Vertical;
    EXPECT_FALSE(inHalf(v, 1, 500, 286));
    EXPECT_TRUE(inHalf(v, 2, 500, 286));
    EXPECT_TRUE(inHalf(v, 1, 500, 287));
    EXPECT_FALSE(inHalf(v, 2, 500, 287));
    EXPECT_TRUE(inHalf(v, 2, 380, 107));
    EXPECT_TRUE(inHalf(v, 1, 620, 466));
    EXPECT_FALSE(inHalf(v, 1, 621, 466));
    EXPECT_FALSE(inHalf(v, 1, 500, 467));
    EXPECT_FALSE(inHalf(v, 2, 379, 200));

    const auto h = CourtOrientation::Horizontal;
    EXPECT_TRUE(inHalf(h, 1, 499, 300));
    EXPECT_FALSE(inHalf(h, 2, 499, 300));
    EXPECT_TRUE(inHalf(h, 2, 500, 300));
    EXPECT_FALSE(inHalf(h, 1, 500, 300));
    EXPECT_TRUE(inHalf(h, 1, 320, 167));
    EXPECT_FALSE(inHalf(h, 1, 319, 167));
    EXPECT_TRUE(inHalf(h, 2, 679, 407));
    EXPECT_FALSE(inHalf(h, 2, 679, 408));
    EXPECT_FALSE(inHalf(h, 0, 400, 300));
}

TEST(CourtGeometry, CourtPointIsInTheVerticalFrame)
{
    EXPECT_EQ(courtPoint(CourtOrientation::Vertical, 380, 107), (CourtPoint{0, 0}));
    EXPECT_EQ(courtPoint(CourtOrientation::Vertical, 501, 443), (CourtPoint{121, 336}));
    // The home basket of the horizontal court.
    EXPECT_EQ(courtPoint(CourtOrientation::Horizontal, 343, 288), (CourtPoint{121, 336}));
    EXPECT_EQ(courtPoint(CourtOrientation::Horizontal, 679, 167), (CourtPoint{0, 0}));
}

TEST(CourtGeometry, ZoneUnderAScreenPoint)
{
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Vertical, 501, 443), ShotZone::Dunk);
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Vertical, 398, 107), ShotZone::ThreePointer);
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Vertical, 399, 107), ShotZone::TwoPointer);
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Vertical, 500, 286), ShotZone::ThreePointer);
    // The court area is a pixel wider than the mask.
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Vertical, 620, 300), ShotZone::None);
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Vertical, 500, 466), ShotZone::None);
    // Horizontal (343, 288) is mask pixel (23, 121), vertical (118, 23): 3² + 1² from the basket.
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Horizontal, 343, 288), ShotZone::Dunk);
    // Mask pixel (0, 0) of the horizontal court is vertical (239, 0), a corner.
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Horizontal, 320, 167), ShotZone::ThreePointer);
    EXPECT_EQ(zoneAtScreen(CourtOrientation::Horizontal, 679, 300), ShotZone::None);
}
