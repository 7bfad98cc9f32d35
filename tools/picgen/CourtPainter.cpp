#include "CourtPainter.h"

#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace CourtGeometry;

namespace {

// A fixed pseudo-random sequence, so two runs draw the same planks.
struct Lcg
{
    quint32 state;
    quint32 next()
    {
        state = state * 1664525u + 1013904223u;
        return state;
    }
    double unit() { return (next() >> 8) / double(1u << 24); }
    int range(int low, int high) { return low + int(unit() * (high - low + 1)); }
};

// The pixels of the mask, edge to edge.
const QRectF CourtRect(-0.5, -0.5, MaskWidth, MaskHeight);
// Rows 0 to 179, the away half and the centre row.
const QRectF TopHalf(-0.5, -0.5, MaskWidth, CentreRow + 1);
// Row r to row 358 - r: the home half from the away half.
const QTransform Mirror(1, 0, 0, -1, 0, 2 * CentreRow);
const double CentreX = (MaskWidth - 1) / 2.0;

// Painter transform from mask pixels to picture pixels: the mask's top-left
// pixel at (left, top), turned so that the vertical court runs across.
QTransform placement(CourtOrientation orientation, double left, double top, double scale = 1.0)
{
    if (orientation == CourtOrientation::Vertical)
        return QTransform(scale, 0, 0, scale, (left + 0.5) * scale, (top + 0.5) * scale);
    // Horizontal pixel (x, y) shows vertical pixel (239 - y, x).
    return QTransform(0, -scale, scale, 0, (left + 0.5) * scale, (top + 0.5 + MaskWidth - 1) * scale);
}

// The arcs' straight steps: smooth at the screen's largest court.
constexpr int ArcSteps = 96;

QPainterPath insideThreePointLine()
{
    QPainterPath strip;
    strip.addRect(QRectF(ThreeLeft - 0.5, -0.5, ThreeRight - ThreeLeft + 1, ThreeStraightEnd + 1));
    QPainterPath disc;
    disc.addEllipse(QPointF(arcCentreX(), arcCentreY()), arcRadius(), arcRadius());
    QPainterPath half;
    half.addRect(TopHalf);
    return strip.united(disc).intersected(half);
}

struct Wood
{
    QColor light, dark;
};

void plankField(QPainter &p, const QRectF &area, const Wood &wood, quint32 seed, int jointAlpha,
                int grainAlpha)
{
    Lcg rng{seed};
    const double width = 6;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    for (double x = area.left(); x < area.right(); x += width) {
        double y = area.top() - rng.range(0, 140);
        while (y < area.bottom()) {
            const double length = rng.range(60, 150);
            const double t = rng.unit();
            QColor c = QColor::fromRgbF(wood.light.redF() + (wood.dark.redF() - wood.light.redF()) * t,
                                        wood.light.greenF() + (wood.dark.greenF() - wood.light.greenF()) * t,
                                        wood.light.blueF() + (wood.dark.blueF() - wood.light.blueF()) * t);
            const QRectF plank(x, y, width, length);
            p.fillRect(plank, c);
            if (grainAlpha > 0) {
                const int lines = rng.range(1, 3);
                for (int i = 0; i < lines; ++i) {
                    const double gx = x + 0.8 + rng.unit() * (width - 1.6);
                    const double g0 = y + rng.unit() * length * 0.5;
                    const double g1 = g0 + length * (0.3 + 0.5 * rng.unit());
                    p.setPen(QPen(QColor(60, 30, 5, grainAlpha), 0.5));
                    p.drawLine(QPointF(gx, g0),
                               QPointF(gx + (rng.unit() - 0.5) * 0.8, std::min(g1, y + length)));
                }
            }
            p.setPen(QPen(QColor(40, 20, 5, jointAlpha), 0.6));
            p.drawLine(QPointF(x, y + length), QPointF(x + width, y + length));
            y += length;
        }
        p.setPen(QPen(QColor(40, 20, 5, jointAlpha), 0.6));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    p.restore();
}

// Both halves of a shape drawn for the away half.
QPainterPath bothHalves(const QPainterPath &top)
{
    return top.united(Mirror.map(top));
}

} // namespace

void CourtPainter::paintApron(QPainter &p, const QRectF &area)
{
    p.fillRect(area, Style::Apron);
    plankField(p, area, {QColor(0x2E, 0x3E, 0x52), QColor(0x27, 0x35, 0x47)}, 7u, 70, 0);
    // A soft shadow where the floor meets the painted border.
    for (int i = 1; i <= 4; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 34 - 6 * i), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(CourtRect.adjusted(-i + 0.5, -i + 0.5, i - 0.5, i - 0.5));
    }
}

void CourtPainter::paintFloor(QPainter &p, Finish finish)
{
    if (finish == Finish::Print) {
        p.fillRect(CourtRect, Qt::white);
        return;
    }
    plankField(p, CourtRect, {QColor(0xE4, 0xB7, 0x7E), QColor(0xC9, 0x92, 0x55)}, 20240611u, 55, 26);
    // A lighter stain inside the three-point line makes the zones readable.
    p.fillPath(bothHalves(insideThreePointLine()), QColor(255, 240, 215, 34));
}

void CourtPainter::paintMarkings(QPainter &p, Finish finish)
{
    const bool print = finish == Finish::Print;
    const QColor paint =
        print ? QColor(0xDD, 0xE3, 0xEA)
              : QColor(Style::KeyPaint.red(), Style::KeyPaint.green(), Style::KeyPaint.blue(), 225);
    const QColor line = print ? QColor(0x3A, 0x3F, 0x45) : Style::CourtLine;
    const double width = print ? 1.3 : 2.0;

    p.fillPath(bothHalves(paintedKey()), paint);
    QPainterPath centreCircle;
    centreCircle.addEllipse(QPointF(CentreX, CentreRow), FreeThrowEdge, FreeThrowEdge);
    p.fillPath(centreCircle, paint);

    if (!print) {
        // Polished floor: a faint sheen towards the middle of the court.
        QRadialGradient sheen(QPointF(CentreX, CentreRow), 230);
        sheen.setColorAt(0, QColor(255, 255, 255, 30));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(CourtRect, sheen);
    }

    QPen solid(line, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(solid);
    p.drawRect(CourtRect.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    p.drawLine(QPointF(-0.5, CentreRow), QPointF(MaskWidth - 0.5, CentreRow));
    p.drawEllipse(QPointF(CentreX, CentreRow), FreeThrowEdge, FreeThrowEdge);

    for (const QTransform &half : {QTransform(), Mirror}) {
        p.save();
        p.setTransform(half, true);
        p.setPen(solid);
        p.drawPath(threePointLine(ArcSteps));
        const QPolygonF key = restrictedArea();
        p.drawPolyline(QPolygonF({key[0], key[3], key[2], key[1]}));
        // Free throw circle: solid outside the restricted area, dashed inside.
        p.drawPath(freeThrowArc(false, ArcSteps));
        QPen dashed = solid;
        dashed.setDashPattern({2.0, 2.0});
        p.setPen(dashed);
        p.drawPath(freeThrowArc(true, ArcSteps));
        // Lane marks along the sides of the restricted area.
        p.setPen(QPen(line, width * 0.8, Qt::SolidLine, Qt::FlatCap));
        for (double y : {28.0, 44.0, 60.0}) {
            const double l = key[0].x() + (key[3].x() - key[0].x()) * (y + 0.5) / (KeyTopY + 1);
            const double r = key[1].x() + (key[2].x() - key[1].x()) * (y + 0.5) / (KeyTopY + 1);
            p.drawLine(QPointF(l - 4, y), QPointF(l, y));
            p.drawLine(QPointF(r, y), QPointF(r + 4, y));
        }
        p.restore();
        paintBasket(p, half.isIdentity(), finish);
    }
}

void CourtPainter::paintBasket(QPainter &p, bool top, Finish finish)
{
    p.save();
    if (!top)
        p.setTransform(Mirror, true);
    const bool print = finish == Finish::Print;
    const QColor board = print ? QColor(0x3A, 0x3F, 0x45) : QColor(0xF4, 0xF4, 0xF4);
    // Backboard seen from above.
    p.setPen(QPen(print ? board : QColor(0x20, 0x24, 0x2A), print ? 1.6 : 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(BasketX - 12, 14.5), QPointF(BasketX + 12, 14.5));
    if (!print) {
        p.setPen(QPen(board, 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(BasketX - 11.2, 14.5), QPointF(BasketX + 11.2, 14.5));
    }
    p.setPen(QPen(print ? board : Style::Rim, 1.2));
    p.drawLine(QPointF(BasketX, 15.5), QPointF(BasketX, 17.8));
    // Rim and net over the dunk disc.
    p.setBrush(print ? QColor(0, 0, 0, 0) : QColor(255, 255, 255, 110));
    p.setPen(QPen(print ? board : Style::Rim, 1.7));
    p.drawEllipse(QPointF(BasketX, BasketY), 4.6, 4.6);
    p.restore();
}

void CourtPainter::paintScreenControls(QPainter &p)
{
    const QPoint origin(CourtPictureLeft, CourtPictureTop);
    // Turn-the-court buttons, where the hot regions of both pointers are.
    const QRect turns[] = {{307, 278, 11, 15}, {492, 468, 11, 15}, {492, 88, 11, 15}, {685, 278, 11, 15}};
    for (QRect r : turns) {
        r.translate(-origin);
        Style::keyCap(p, r, 2.5, QColor(0xF7, 0xF5, 0xEF), QColor(0xD9, 0xD4, 0xC8),
                      QColor(0x11, 0x16, 0x1C));
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c = QRectF(r).center();
        p.setPen(QPen(Style::Ink, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        // A quarter-turn arrow: three quarters of a circle and its head.
        p.drawArc(QRectF(c.x() - 3.2, c.y() - 3.2, 6.4, 6.4), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Style::Ink);
        p.drawPolygon(QPolygonF({QPointF(c.x() + 0.2, c.y() - 5.6), QPointF(c.x() + 3.2, c.y() - 3.2),
                                 QPointF(c.x() + 0.2, c.y() - 0.8)}));
        p.restore();
    }
    // Chips under the fast break and second chance marks, whose texts turn
    // red when on and black when off.
    const QRect chips[] = {{422, 474, 25, 14}, {447, 474, 33, 14}, {549, 80, 25, 14}, {513, 80, 33, 14}};
    for (QRect r : chips) {
        r.translate(-origin);
        Style::keyCap(p, r, 3, QColor(0xF7, 0xF5, 0xEF), QColor(0xE2, 0xDD, 0xD1), QColor(0x11, 0x16, 0x1C));
    }
}

QImage CourtPainter::courtPicture(CourtOrientation orientation)
{
    QImage image(CourtPictureWidth, CourtPictureHeight, QImage::Format_RGB32);
    image.fill(Style::Apron);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const CourtPoint mask = maskOrigin(orientation);
    p.setTransform(placement(orientation, mask.x - CourtPictureLeft, mask.y - CourtPictureTop));
    // The apron is drawn in court pixels too, so its planks run along the court.
    paintApron(p, QRectF(-120, -80, MaskWidth + 240, MaskHeight + 160));
    paintFloor(p, Finish::Arena);
    paintMarkings(p, Finish::Arena);
    p.resetTransform();
    paintScreenControls(p);
    p.setPen(QPen(QColor(0x0E, 0x12, 0x17), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

QImage CourtPainter::halfCourt()
{
    QImage image(300, 218, QImage::Format_RGB32);
    image.fill(Style::Apron);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(placement(CourtOrientation::Vertical, 30, 19));
    paintApron(p, QRectF(-40, -30, MaskWidth + 80, MaskHeight + 60));
    p.setClipRect(QRectF(-40, -30, MaskWidth + 80, CentreRow + 30.5 + 1.5));
    paintFloor(p, Finish::Arena);
    paintMarkings(p, Finish::Arena);
    return image;
}

QImage CourtPainter::miniCourt()
{
    QImage image(200, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A shot at court point (x, y) is drawn at (x / 1.2, y / 1.2).
    p.setTransform(QTransform::fromScale(1 / 1.2, 1 / 1.2));
    paintFloor(p, Finish::Print);
    paintMarkings(p, Finish::Print);
    return image;
}
