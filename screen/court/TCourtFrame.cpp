#include "TCourtFrame.h"

#include <algorithm>

QRect TCourtFrame::CourtArea(bool horizontal)
{
    // QRect(left, top, width, height) with both bounds included.
    return horizontal ? QRect(QPoint(320, 167), QPoint(679, 407)) : QRect(QPoint(380, 107), QPoint(620, 466));
}

bool TCourtFrame::InOwnHalf(bool horizontal, int side, QPoint p)
{
    if (!OnCourt(horizontal, p))
        return false;
    if (horizontal)
        return side == HomeSide ? p.x() <= 499 : p.x() >= 500;
    return side == HomeSide ? p.y() >= 287 : p.y() <= 286;
}

QPoint TCourtFrame::CourtPoint(bool horizontal, QPoint p)
{
    if (horizontal)
        return QPoint(p.y() - 167, 679 - p.x());
    return QPoint(p.x() - 380, p.y() - 107);
}

QPoint TCourtFrame::MaskOrigin(bool horizontal)
{
    return horizontal ? QPoint(320, 167) : QPoint(380, 107);
}

QPoint TCourtFrame::ClampMarker(bool horizontal, QPoint p)
{
    if (horizontal)
        return QPoint(std::clamp(p.x(), 325, 674), std::clamp(p.y(), 172, 402));
    return QPoint(std::clamp(p.x(), 385, 615), std::clamp(p.y(), 112, 461));
}
