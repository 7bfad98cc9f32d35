#include "CourtGeometry.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace CourtGeometry {

namespace {

int squared(int v)
{
    return v * v;
}

bool inDunkDisc(int x, int y)
{
    return squared(x - BasketX) + squared(y - BasketY) <= squared(DunkRadius);
}

// Integer edges of the trapezoid, so that no rounding decides a pixel.
bool inRestrictedArea(int x, int y)
{
    if (y < 0 || y > KeyTopY)
        return false;
    const int left = KeyBaseLeft * KeyTopY + (KeyTopLeft - KeyBaseLeft) * y;
    const int right = KeyBaseRight * KeyTopY - (KeyBaseRight - KeyTopRight) * y;
    return x * KeyTopY >= left && x * KeyTopY <= right;
}

bool inFreeThrowDisc(int x, int y)
{
    return squared(x - FreeThrowX) + squared(y - FreeThrowY) <= squared(FreeThrowRadius);
}

bool insideThreePointLine(int x, int y)
{
    if (y <= ThreeStraightEnd && x >= ThreeLeft && x <= ThreeRight)
        return true;
    return squared(2 * x - ArcCentreX2) + squared(2 * y - ArcCentreY2) <= ArcRadius2Squared;
}

} // namespace

double arcCentreX()
{
    return ArcCentreX2 / 2.0;
}

double arcCentreY()
{
    return ArcCentreY2 / 2.0;
}

double arcRadius()
{
    return std::sqrt(double(ArcRadius2Squared)) / 2.0;
}

ShotZone zoneAt(int maskX, int maskY)
{
    if (maskX < 0 || maskX >= MaskWidth || maskY < 0 || maskY >= MaskHeight)
        return ShotZone::None;
    const int y = maskY <= CentreRow ? maskY : 2 * CentreRow - maskY;
    const int x = maskX;
    if (inDunkDisc(x, y))
        return ShotZone::Dunk;
    if (inRestrictedArea(x, y) && !inFreeThrowDisc(x, y))
        return ShotZone::Layup;
    if (insideThreePointLine(x, y))
        return ShotZone::TwoPointer;
    return ShotZone::ThreePointer;
}

ShotZone horizontalZoneAt(int maskX, int maskY)
{
    if (maskX < 0 || maskX >= MaskHeight || maskY < 0 || maskY >= MaskWidth)
        return ShotZone::None;
    return zoneAt(MaskWidth - 1 - maskY, maskX);
}

std::uint32_t zoneRgb(ShotZone zone)
{
    switch (zone) {
    case ShotZone::Layup:
        return 0xFE0001;
    case ShotZone::TwoPointer:
        return 0x0D01FD;
    case ShotZone::ThreePointer:
        return 0x06FE01;
    case ShotZone::Dunk:
        return 0xF6FF00;
    case ShotZone::None:
        break;
    }
    return 0;
}

ShotZone zoneOfRgb(std::uint32_t rgb)
{
    rgb &= 0xFFFFFF;
    for (ShotZone zone : {ShotZone::Layup, ShotZone::TwoPointer, ShotZone::ThreePointer, ShotZone::Dunk}) {
        if (zoneRgb(zone) == rgb)
            return zone;
    }
    return ShotZone::None;
}

CourtArea courtArea(CourtOrientation orientation)
{
    if (orientation == CourtOrientation::Vertical)
        return {380, 107, 620, 466};
    return {320, 167, 679, 407};
}

CourtPoint maskOrigin(CourtOrientation orientation)
{
    if (orientation == CourtOrientation::Vertical)
        return {380, 107};
    return {320, 167};
}

bool inHalf(CourtOrientation orientation, int side, int x, int y)
{
    const CourtArea area = courtArea(orientation);
    if (x < area.left || x > area.right || y < area.top || y > area.bottom)
        return false;
    // Doubled coordinates keep the half-pixel limits exact.
    if (orientation == CourtOrientation::Vertical)
        return side == 1 ? 2 * y >= 573 : side == 2 && 2 * y <= 573;
    return side == 1 ? 2 * x <= 999 : side == 2 && 2 * x >= 999;
}

CourtPoint courtPoint(CourtOrientation orientation, int x, int y)
{
    if (orientation == CourtOrientation::Vertical)
        return {x - 380, y - 107};
    return {y - 167, 679 - x};
}

ShotZone zoneAtScreen(CourtOrientation orientation, int x, int y)
{
    const CourtPoint origin = maskOrigin(orientation);
    if (orientation == CourtOrientation::Vertical)
        return zoneAt(x - origin.x, y - origin.y);
    return horizontalZoneAt(x - origin.x, y - origin.y);
}

void addArc(QPainterPath &path, const QPointF &centre, double radius, double fromRadians, double toRadians,
            int steps)
{
    for (int i = 0; i <= steps; ++i) {
        const double a = fromRadians + (toRadians - fromRadians) * i / steps;
        path.lineTo(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    }
}

// Pixel x is in the trapezoid from x * 81 >= 74 * 81 + 17 * y on.
QPolygonF restrictedArea()
{
    auto left = [](double y) { return KeyBaseLeft + (KeyTopLeft - KeyBaseLeft) * y / KeyTopY - 0.5; };
    auto right = [](double y) { return KeyBaseRight - (KeyBaseRight - KeyTopRight) * y / KeyTopY + 0.5; };
    const double bottom = KeyTopY + 0.5;
    return QPolygonF({QPointF(left(-0.5), -0.5), QPointF(right(-0.5), -0.5), QPointF(right(bottom), bottom),
                      QPointF(left(bottom), bottom)});
}

QPainterPath threePointLine(int arcSteps)
{
    const double lineY = ThreeStraightEnd + 0.5;
    const double a = std::asin((lineY - arcCentreY()) / arcRadius());
    QPainterPath path(QPointF(ThreeLeft - 0.5, -0.5));
    path.lineTo(ThreeLeft - 0.5, lineY);
    addArc(path, {arcCentreX(), arcCentreY()}, arcRadius(), std::numbers::pi - a, a, arcSteps);
    path.lineTo(ThreeRight + 0.5, lineY);
    path.lineTo(ThreeRight + 0.5, -0.5);
    return path;
}

QPainterPath paintedKey()
{
    QPainterPath key;
    key.addPolygon(restrictedArea());
    key.closeSubpath();
    QPainterPath disc;
    disc.addEllipse(QPointF(FreeThrowX, FreeThrowY), FreeThrowEdge, FreeThrowEdge);
    return key.subtracted(disc);
}

QPainterPath freeThrowArc(bool insideKey, int arcSteps)
{
    // The circle meets the free throw line's edge at a and at pi - a.
    const double a = std::asin((KeyTopY + 0.5 - FreeThrowY) / FreeThrowEdge);
    const double from = insideKey ? std::numbers::pi - a : a;
    const double to = insideKey ? 2 * std::numbers::pi + a : std::numbers::pi - a;
    QPainterPath path(
        QPointF(FreeThrowX + FreeThrowEdge * std::cos(from), FreeThrowY + FreeThrowEdge * std::sin(from)));
    addArc(path, {double(FreeThrowX), double(FreeThrowY)}, FreeThrowEdge, from, to, arcSteps);
    return path;
}

} // namespace CourtGeometry
