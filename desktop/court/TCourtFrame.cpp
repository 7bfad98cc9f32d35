#include "TCourtFrame.h"

#include "geometry/CourtGeometry.h"

#include <algorithm>

namespace {

CourtOrientation orientation(bool horizontal)
{
    return horizontal ? CourtOrientation::Horizontal : CourtOrientation::Vertical;
}

} // namespace

QRect TCourtFrame::CourtArea(bool horizontal)
{
    const CourtGeometry::CourtArea area = CourtGeometry::courtArea(orientation(horizontal));
    return QRect(QPoint(area.left, area.top), QPoint(area.right, area.bottom));
}

bool TCourtFrame::InOwnHalf(bool horizontal, int side, QPoint p)
{
    return CourtGeometry::inHalf(orientation(horizontal), side, p.x(), p.y());
}

QPoint TCourtFrame::CourtPoint(bool horizontal, QPoint p)
{
    const ::CourtPoint c = CourtGeometry::courtPoint(orientation(horizontal), p.x(), p.y());
    return QPoint(c.x, c.y);
}

QPoint TCourtFrame::MaskOrigin(bool horizontal)
{
    const ::CourtPoint origin = CourtGeometry::maskOrigin(orientation(horizontal));
    return QPoint(origin.x, origin.y);
}

QPoint TCourtFrame::ClampMarker(bool horizontal, QPoint p)
{
    if (horizontal)
        return QPoint(std::clamp(p.x(), 325, 674), std::clamp(p.y(), 172, 402));
    return QPoint(std::clamp(p.x(), 385, 615), std::clamp(p.y(), 112, 461));
}
