#include "desktop/court/TCourtFrame.h"
#include "desktop/court/TPictureLibrary.h"
#include "desktop/court/TScreenItems.h"
#include "desktop/court/TScreenLayout.h"
#include "desktop/court/TZoneMask.h"
#include "geometry/CourtGeometry.h"

#include "support/TestHome.h"

#include <gtest/gtest.h>

// The court screen's rules against the generated picture library and the
// court geometry it was drawn from: a click and a picture always agree.
namespace {

CourtOrientation orientation(bool horizontal)
{
    return horizontal ? CourtOrientation::Horizontal : CourtOrientation::Vertical;
}

class ScreenLibrary : public ::testing::Test
{
protected:
    ScreenLibrary() : library(binaryFolder() + QStringLiteral("/Library/ENG"))
    {
        mask.SetMasks(library.Picture(QStringLiteral("MASK_VERTICAL")),
                      library.Picture(QStringLiteral("MASK_HORIZONTAL")));
    }
    TPictureLibrary library;
    TZoneMask mask;
};

} // namespace

TEST_F(ScreenLibrary, ZonesAtTheStatedPlaces)
{
    ASSERT_TRUE(mask.HasMask(false));
    ASSERT_TRUE(mask.HasMask(true));
    // The dunk discs around both baskets, in both orientations.
    EXPECT_EQ(mask.ZoneAt(false, {380 + 121, 107 + 22}), TZoneMask::Dunk);
    EXPECT_EQ(mask.ZoneAt(false, {380 + 121, 107 + 336}), TZoneMask::Dunk);
    EXPECT_EQ(mask.ZoneAt(true, {343, 288}), TZoneMask::Dunk);
    // The restricted area, inside the arc, the corners outside columns 19 and 220.
    EXPECT_EQ(mask.ZoneAt(false, {380 + 121, 107 + 358 - 45}), TZoneMask::Layup);
    EXPECT_EQ(mask.ZoneAt(false, {380 + 121, 107 + 358 - 110}), TZoneMask::TwoPointer);
    EXPECT_EQ(mask.ZoneAt(false, {380 + 10, 107 + 358 - 10}), TZoneMask::ThreePointer);
    EXPECT_EQ(mask.ZoneAt(false, {380 + 229, 107 + 10}), TZoneMask::ThreePointer);
    EXPECT_EQ(mask.ZoneAt(false, {380 + 120, 107 + 179}), TZoneMask::ThreePointer);
}

TEST_F(ScreenLibrary, MaskReadingAgreesWithTheGeometryEverywhere)
{
    for (bool horizontal : {false, true}) {
        const QRect area = TCourtFrame::CourtArea(horizontal);
        int checked = 0;
        for (int y = area.top() - 3; y <= area.bottom() + 3; ++y) {
            for (int x = area.left() - 3; x <= area.right() + 3; ++x) {
                const ShotZone expected = CourtGeometry::zoneAtScreen(orientation(horizontal), x, y);
                ASSERT_EQ(int(mask.ZoneAt(horizontal, {x, y})), int(expected))
                    << x << "," << y << " " << horizontal;
                ++checked;
            }
        }
        EXPECT_GT(checked, 240 * 359);
    }
}

TEST_F(ScreenLibrary, HalvesAndCourtPointsAgreeWithTheGeometry)
{
    for (bool horizontal : {false, true}) {
        for (int y = 60; y <= 520; ++y) {
            for (int x = 270; x <= 730; ++x) {
                for (int side : {1, 2})
                    ASSERT_EQ(TCourtFrame::InOwnHalf(horizontal, side, {x, y}),
                              CourtGeometry::inHalf(orientation(horizontal), side, x, y))
                        << x << "," << y << " side " << side << " " << horizontal;
                if (TCourtFrame::OnCourt(horizontal, {x, y})) {
                    const CourtPoint g = CourtGeometry::courtPoint(orientation(horizontal), x, y);
                    ASSERT_EQ(TCourtFrame::CourtPoint(horizontal, {x, y}), QPoint(g.x, g.y)) << x << "," << y;
                }
            }
        }
    }
}

TEST_F(ScreenLibrary, EveryPictureTheScreenPlacesIsInTheLibrary)
{
    for (const char *name :
         {"SCREEN", "COURT_VERTICAL", "COURT_HORIZONTAL", "GOMB1",   "GOMB11",      "ADDTIME",       "MENTES",
          "TECH",   "RECOVER",        "BUNTETO",          "TIMEOUT", "NEGYED1",     "NEGYEDH",       "DIGIT0",
          "DIGIT9", "TEAMFOUL",       "DEFENSE",          "BULLET",  "MARKER_MADE", "MARKER_MISSED", "EXIT",
          "PRINT",  "PRINTALL",       "CURSOR",           "HISTORY"})
        EXPECT_TRUE(library.Has(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(library.Missing().isEmpty());
    TPictureLibrary none(binaryFolder() + QStringLiteral("/Library/no-such-language"));
    EXPECT_FALSE(none.Has(QStringLiteral("SCREEN")));
    EXPECT_EQ(none.Missing(), QStringList{QStringLiteral("SCREEN")});
}

TEST_F(ScreenLibrary, PicturesFitTheirPlacesWithoutScaling)
{
    TScreenItems items;
    TScreenLayout::Build(items);
    int pictures = 0;
    for (const TScreenItem *item : items.PaintOrder()) {
        if (item->Kind != TScreenItem::Picture || item->Name == QLatin1String("imgMouseCursor1"))
            continue;
        ++pictures;
        EXPECT_EQ(library.Picture(item->PictureName).size(), item->Rect.size()) << item->Name.toStdString();
    }
    EXPECT_GT(pictures, 90);
}
