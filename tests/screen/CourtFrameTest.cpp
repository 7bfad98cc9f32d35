#include "TestMasks.h"
#include "desktop/court/TCourtFrame.h"
#include "desktop/court/TZoneMask.h"
#include "geometry/CourtGeometry.h"

#include <gtest/gtest.h>

TEST(CourtFrame, VerticalHalvesMeetBetweenRows286And287)
{
    EXPECT_FALSE(TCourtFrame::InOwnHalf(false, 1, {500, 286}));
    EXPECT_TRUE(TCourtFrame::InOwnHalf(false, 1, {500, 287}));
    EXPECT_TRUE(TCourtFrame::InOwnHalf(false, 2, {500, 286}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(false, 2, {500, 287}));
}

TEST(CourtFrame, HorizontalHalvesMeetBetweenColumns499And500)
{
    EXPECT_TRUE(TCourtFrame::InOwnHalf(true, 1, {499, 300}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(true, 1, {500, 300}));
    EXPECT_TRUE(TCourtFrame::InOwnHalf(true, 2, {500, 300}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(true, 2, {499, 300}));
}

TEST(CourtFrame, HalvesEndAtTheCourtArea)
{
    // Bounds included: 380..620 x 107..466 and 320..679 x 167..407.
    EXPECT_TRUE(TCourtFrame::InOwnHalf(false, 1, {380, 466}));
    EXPECT_TRUE(TCourtFrame::InOwnHalf(false, 1, {620, 466}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(false, 1, {379, 400}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(false, 1, {500, 467}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(false, 2, {500, 106}));
    // A home panel row lies below the centre line but off the court.
    EXPECT_FALSE(TCourtFrame::InOwnHalf(false, 1, {60, 320}));
    EXPECT_TRUE(TCourtFrame::InOwnHalf(true, 1, {320, 167}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(true, 1, {319, 300}));
    EXPECT_TRUE(TCourtFrame::InOwnHalf(true, 2, {679, 407}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(true, 2, {680, 300}));
    EXPECT_FALSE(TCourtFrame::InOwnHalf(true, 2, {600, 408}));
}

TEST(CourtFrame, CourtPointOfBothOrientations)
{
    EXPECT_EQ(TCourtFrame::CourtPoint(false, {380, 107}), QPoint(0, 0));
    EXPECT_EQ(TCourtFrame::CourtPoint(false, {501, 443}), QPoint(121, 336));
    // The horizontal court's home basket comes to the bottom of the frame.
    EXPECT_EQ(TCourtFrame::CourtPoint(true, {343, 288}), QPoint(121, 336));
    EXPECT_EQ(TCourtFrame::CourtPoint(true, {679, 167}), QPoint(0, 0));
    EXPECT_EQ(TCourtFrame::CourtPoint(true, {320, 407}), QPoint(240, 359));
}

TEST(CourtFrame, MarkersStayInsideTheCourtPicture)
{
    EXPECT_EQ(TCourtFrame::ClampMarker(false, {384, 100}), QPoint(385, 112));
    EXPECT_EQ(TCourtFrame::ClampMarker(false, {385, 112}), QPoint(385, 112));
    EXPECT_EQ(TCourtFrame::ClampMarker(false, {616, 462}), QPoint(615, 461));
    EXPECT_EQ(TCourtFrame::ClampMarker(false, {500, 300}), QPoint(500, 300));
    EXPECT_EQ(TCourtFrame::ClampMarker(true, {320, 167}), QPoint(325, 172));
    EXPECT_EQ(TCourtFrame::ClampMarker(true, {679, 407}), QPoint(674, 402));
}

TEST(ZoneMask, ColourValuesMatchExactly)
{
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0xFE0001), TZoneMask::Layup);
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0x0D01FD), TZoneMask::TwoPointer);
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0x06FE01), TZoneMask::ThreePointer);
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0xF6FF00), TZoneMask::Dunk);
    // A near colour, a colour stored the other way round, black: no zone.
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0xFE0000), TZoneMask::NoZone);
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0x0100FE), TZoneMask::NoZone);
    EXPECT_EQ(TZoneMask::ZoneOfRgb(0x000000), TZoneMask::NoZone);
    EXPECT_EQ(TZoneMask::ShotKindOf(TZoneMask::Layup), 1101);
    EXPECT_EQ(TZoneMask::ShotKindOf(TZoneMask::TwoPointer), 1102);
    EXPECT_EQ(TZoneMask::ShotKindOf(TZoneMask::ThreePointer), 1103);
    EXPECT_EQ(TZoneMask::ShotKindOf(TZoneMask::Dunk), 1105);
    EXPECT_EQ(TZoneMask::ShotKindOf(TZoneMask::NoZone), 0);
}

TEST(ZoneMask, GeometryZonesGiveTheirShotKinds)
{
    // From the geometry's colour of a zone through the mask's reading to the kind recorded.
    const struct
    {
        ShotZone zone;
        int shotKind;
    } cases[] = {
        {ShotZone::Layup, 1101}, {ShotZone::TwoPointer, 1102}, {ShotZone::ThreePointer, 1103},
        {ShotZone::Dunk, 1105},  {ShotZone::None, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TZoneMask::ShotKindOf(TZoneMask::ZoneOfRgb(CourtGeometry::zoneRgb(c.zone))), c.shotKind)
            << int(c.zone);
}

TEST(ZoneMask, ReadsTheMaskOfTheOrientationFromItsOwnCorner)
{
    const TZoneMask mask(TestMasks::vertical(), TestMasks::horizontal());
    // Vertical: mask pixel (x - 380, y - 107); the home basket at mask (121, 336).
    EXPECT_EQ(mask.ZoneAt(false, {501, 443}), TZoneMask::Dunk);
    EXPECT_EQ(mask.ZoneAt(false, {501, 420}), TZoneMask::Layup);
    EXPECT_EQ(mask.ZoneAt(false, {501, 355}), TZoneMask::TwoPointer);
    EXPECT_EQ(mask.ZoneAt(false, {388, 457}), TZoneMask::ThreePointer);
    EXPECT_EQ(mask.ZoneAt(false, {501, 129}), TZoneMask::Dunk);
    // Horizontal: mask pixel (x - 320, y - 167), not turned back.
    EXPECT_EQ(mask.ZoneAt(true, {343, 288}), TZoneMask::Dunk);
    EXPECT_EQ(mask.ZoneAt(true, {500, 287}), TZoneMask::ThreePointer);
    // Outside the mask there is no zone.
    EXPECT_EQ(mask.ZoneAt(false, {620, 300}), TZoneMask::NoZone);
    EXPECT_EQ(mask.ZoneAt(false, {379, 300}), TZoneMask::NoZone);
    EXPECT_EQ(mask.ZoneAt(true, {679, 300}), TZoneMask::NoZone);
}

TEST(ZoneMask, MissingMaskHasNoZones)
{
    const TZoneMask mask;
    EXPECT_FALSE(mask.HasMask(false));
    EXPECT_EQ(mask.ZoneAt(false, {501, 443}), TZoneMask::NoZone);
}
