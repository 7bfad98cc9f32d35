#pragma once

#include <cstdint>

class QPainterPath;
class QPointF;
class QPolygonF;

// Shot zone of a court pixel, as the zone masks colour it.
enum class ShotZone
{
    None = 0,
    Layup = 1,
    TwoPointer = 2,
    ThreePointer = 3,
    Dunk = 4,
};

enum class CourtOrientation
{
    Vertical,
    Horizontal,
};

struct CourtPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const CourtPoint &) const = default;
};

// The court of the recording screen: its zones, its halves and the court point
// frame. The zone masks of the picture library are drawn from these rules and
// the court screen decides with them, so a picture and a click always agree.
//
// Mask pixels are whole-pixel positions of the vertical mask, 240 across and
// 359 along the court; the away basket is in the top half. The bottom half is
// the mirror image of the top half about row 179.
namespace CourtGeometry {

inline constexpr int MaskWidth = 240;
inline constexpr int MaskHeight = 359;
inline constexpr int CentreRow = 179;

// Shapes of the top half, in mask pixels.
inline constexpr int BasketX = 121;
inline constexpr int BasketY = 22;
inline constexpr int DunkRadius = 5;

// Restricted area: a trapezoid from the baseline (row 0) to the free throw line.
inline constexpr int KeyBaseLeft = 74;
inline constexpr int KeyBaseRight = 168;
inline constexpr int KeyTopLeft = 91;
inline constexpr int KeyTopRight = 152;
inline constexpr int KeyTopY = 81;

// The part of the free throw circle inside the restricted area is not a layup.
inline constexpr int FreeThrowX = 121;
inline constexpr int FreeThrowY = 88;
inline constexpr int FreeThrowRadius = 28;

// Three-point line: straight along two columns from the baseline to row 30,
// then an arc whose farthest row is 125. The arc is the circle through the
// ends of the straight parts, centred on the middle of the two columns, so the
// line is continuous and its two sides are mirror images.
inline constexpr int ThreeLeft = 19;
inline constexpr int ThreeRight = 220;
inline constexpr int ThreeStraightEnd = 30;
inline constexpr int ThreeApexY = 125;
// The arc's centre in half pixels (119.5, 24.5) and its radius squared in
// quarter pixels: (2x - 239)^2 + (2y - 49)^2 <= 40522 is inside.
inline constexpr int ArcCentreX2 = ThreeLeft + ThreeRight;
inline constexpr int ArcCentreY2 = 49;
inline constexpr int ArcRadius2Squared =
    (ArcCentreX2 - 2 * ThreeLeft) * (ArcCentreX2 - 2 * ThreeLeft) +
    (2 * ThreeStraightEnd - ArcCentreY2) * (2 * ThreeStraightEnd - ArcCentreY2);
double arcCentreX();
double arcCentreY();
double arcRadius();

// The printed lines of the top half, in mask pixels, for the picture library
// and the report charts alike: edges lie half a pixel outside the pixels they
// enclose. Arcs are drawn in straight steps, finer for larger pictures.
inline constexpr double FreeThrowEdge = FreeThrowRadius + 0.25;
void addArc(QPainterPath &path, const QPointF &centre, double radius, double fromRadians, double toRadians,
            int steps);
QPolygonF restrictedArea();
// The straight parts along the two columns, then the arc.
QPainterPath threePointLine(int arcSteps);
// The restricted area outside the free throw circle.
QPainterPath paintedKey();
// The free throw circle's part outside the restricted area (drawn solid) or inside it (dashed).
QPainterPath freeThrowArc(bool insideKey, int arcSteps);

// Zone of a pixel of the vertical mask; None outside the mask.
ShotZone zoneAt(int maskX, int maskY);
// Zone of a pixel of the horizontal mask (359 across, 240 down), which is the
// vertical mask turned a quarter turn: pixel (x, y) is vertical (239 - y, x).
ShotZone horizontalZoneAt(int maskX, int maskY);

// Mask colours as 0xRRGGBB; 0 for None (which no mask pixel has).
std::uint32_t zoneRgb(ShotZone zone);
// Zone of a mask colour (the alpha byte of a 0xAARRGGBB value is ignored).
ShotZone zoneOfRgb(std::uint32_t rgb);

// Court pictures and masks on the 1000 x 688 screen.
inline constexpr int CourtPictureLeft = 287;
inline constexpr int CourtPictureTop = 74;
inline constexpr int CourtPictureWidth = 423;
inline constexpr int CourtPictureHeight = 422;

struct CourtArea
{
    int left, top, right, bottom; // bounds included
};
// The playing area on the screen.
CourtArea courtArea(CourtOrientation orientation);
// Top-left corner of the orientation's mask on the screen.
CourtPoint maskOrigin(CourtOrientation orientation);

// Whether a screen point lies in a team's half (side 1 home, 2 away). The
// halves meet at 286.5 (vertical) and 499.5 (horizontal), so no whole pixel
// is in both.
bool inHalf(CourtOrientation orientation, int side, int x, int y);
// The court point (vertical frame, 240 x 359) of a screen point.
CourtPoint courtPoint(CourtOrientation orientation, int x, int y);
// Zone under a screen point of the court shown in that orientation.
ShotZone zoneAtScreen(CourtOrientation orientation, int x, int y);

} // namespace CourtGeometry
