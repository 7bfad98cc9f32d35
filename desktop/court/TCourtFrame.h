#pragma once

#include <QPoint>
#include <QRect>

// Where the court lies on the 1000 x 688 screen in each orientation, which
// half belongs to which team, and the court point frame of shots: 240 x 359,
// the vertical court with the away basket at the top and the home basket at
// the bottom, whatever the orientation shown.
class TCourtFrame
{
public:
    static constexpr int HomeSide = 1;
    static constexpr int AwaySide = 2;

    // The playing area on the screen, bounds included.
    static QRect CourtArea(bool horizontal);
    static bool OnCourt(bool horizontal, QPoint p) { return CourtArea(horizontal).contains(p); }
    // Inside the playing area and on the team's side of the centre line; the
    // line lies between two pixel rows (286.5) or columns (499.5).
    static bool InOwnHalf(bool horizontal, int side, QPoint p);
    // The court point of a screen point, as (X, Y).
    static QPoint CourtPoint(bool horizontal, QPoint p);
    // Top-left corner of the orientation's zone mask on the screen.
    static QPoint MaskOrigin(bool horizontal);
    // The point a shot marker centres on, kept inside the court picture.
    static QPoint ClampMarker(bool horizontal, QPoint p);
};
