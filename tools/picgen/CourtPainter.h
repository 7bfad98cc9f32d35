#pragma once

#include "geometry/CourtGeometry.h"

#include <QImage>

class QPainter;
class QRectF;

// The court pictures: a parquet floor with its painted lines, drawn from the
// court geometry so every line sits on the border of the zones it separates.
// Drawing happens in mask pixels of the vertical court (pixel centres at whole
// numbers); a painter transform places and turns the court.
class CourtPainter
{
public:
    // 423 x 422, the court area where the screen expects it, with the controls
    // that lie on the picture (turn buttons, mark chips).
    static QImage courtPicture(CourtOrientation orientation);
    // 300 x 218: the away half with the mask's top half at (30, 19).
    static QImage halfCourt();
    // 200 x 300: the whole court at 1/1.2 scale for printed shot charts.
    static QImage miniCourt();

private:
    enum class Finish
    {
        Arena,
        Print,
    };
    static void paintApron(QPainter &p, const QRectF &area);
    static void paintFloor(QPainter &p, Finish finish);
    static void paintMarkings(QPainter &p, Finish finish);
    static void paintBasket(QPainter &p, bool top, Finish finish);
    static void paintScreenControls(QPainter &p);
};
