#include "Icons.h"

#include "Style.h"

#include <QLineF>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

class Saved
{
public:
    explicit Saved(QPainter &p) : m_p(p)
    {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
    }
    ~Saved() { m_p.restore(); }

private:
    QPainter &m_p;
};

QColor darker(const QColor &c, int factor = 160)
{
    return c.darker(factor);
}

} // namespace

void Icons::ball(QPainter &p, QPointF c, double r)
{
    Saved s(p);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    g.setColorAt(0, Style::Ball.lighter(125));
    g.setColorAt(1, Style::Ball.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    QPainterPath clip;
    clip.addEllipse(c, r, r);
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Style::BallSeam, std::max(0.7, r * 0.11)));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    for (int side : {-1, 1}) {
        QPainterPath seam(QPointF(c.x() + side * 0.62 * r, c.y() - 0.85 * r));
        seam.quadTo(QPointF(c.x() + side * 0.1 * r, c.y()),
                    QPointF(c.x() + side * 0.62 * r, c.y() + 0.85 * r));
        p.drawPath(seam);
    }
    p.setClipping(false);
    p.setPen(QPen(Style::BallSeam, std::max(0.8, r * 0.12)));
    p.drawEllipse(c, r, r);
}

void Icons::arrow(QPainter &p, const QPainterPath &shaft, const QColor &colour, double width, double head)
{
    Saved s(p);
    const QPointF end = shaft.pointAtPercent(1.0);
    const QPointF before = shaft.pointAtPercent(0.9);
    QLineF dir(before, end);
    dir.setLength(1.0);
    const QPointF d(dir.dx(), dir.dy());
    const QPointF n(-d.y(), d.x());
    const QPointF base = end - d * head;
    // The shaft stops inside the head so its end never shows past the point.
    QPainterPath clipped;
    const int steps = 40;
    const double total = shaft.length();
    clipped.moveTo(shaft.pointAtPercent(0));
    for (int i = 1; i <= steps; ++i) {
        const double t = shaft.percentAtLength(i * (total - head * 0.6) / steps);
        clipped.lineTo(shaft.pointAtPercent(t));
    }
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clipped);
    p.setPen(QPen(colour, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({end, base + n * head * 0.62, base - n * head * 0.62}));
}

void Icons::badge(QPainter &p, QPointF c, double r, bool plus, const QColor &colour)
{
    Saved s(p);
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, std::max(1.2, r * 0.36), Qt::SolidLine, Qt::FlatCap));
    const double a = r * 0.58;
    p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
    if (plus)
        p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
}

void Icons::rim(QPainter &p, QPointF c, double w)
{
    Saved s(p);
    p.setPen(QPen(QColor(0x8A, 0x93, 0x9D), 0.8));
    for (int i = -2; i <= 2; ++i) {
        const double top = c.x() + i * w * 0.45;
        const double bottom = c.x() + i * w * 0.25;
        p.drawLine(QPointF(top, c.y() + w * 0.2), QPointF(bottom, c.y() + w * 1.05));
    }
    p.drawLine(QPointF(c.x() - w * 0.72, c.y() + w * 0.6), QPointF(c.x() + w * 0.72, c.y() + w * 0.6));
    p.drawLine(QPointF(c.x() - w * 0.5, c.y() + w * 1.05), QPointF(c.x() + w * 0.5, c.y() + w * 1.05));
    p.setPen(QPen(Style::Rim, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, w, w * 0.32);
}

void Icons::whistle(QPainter &p, const QRectF &box, const QColor &colour)
{
    Saved s(p);
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 20.0);
    QPainterPath body;
    body.addEllipse(QPointF(9, 12.5), 7, 7);
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(9, 5.5, 14, 6.5), 1.5, 1.5);
    const QPainterPath whole = body.united(mouth);
    p.setPen(QPen(darker(colour, 190), 1.1));
    p.setBrush(colour);
    p.drawPath(whole);
    p.setPen(Qt::NoPen);
    p.setBrush(darker(colour, 220));
    p.drawEllipse(QPointF(9, 12.5), 2.6, 2.6);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(6.5, 9.5), 1.6, 1.1);
    // The lanyard ring.
    p.setPen(QPen(QColor(0x5A, 0x62, 0x6C), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(3.5, 4.0), 2.4, 2.4);
}

void Icons::hand(QPainter &p, const QRectF &box, const QColor &colour)
{
    Saved s(p);
    p.translate(box.topLeft());
    p.scale(box.width() / 16.0, box.height() / 22.0);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(3.0, 9.5, 11.5, 11.5), 3.0, 3.0);
    const double tops[] = {3.2, 1.2, 1.8, 3.8};
    for (int i = 0; i < 4; ++i) {
        QPainterPath finger;
        finger.addRoundedRect(QRectF(3.0 + i * 2.9, tops[i], 2.7, 12.0 - tops[i] + 2.0), 1.35, 1.35);
        shape = shape.united(finger);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.3, -1.6, 2.8, 8.5), 1.4, 1.4);
    QTransform t;
    t.translate(2.6, 12.5);
    t.rotate(-38);
    shape = shape.united(t.map(thumb));
    p.setPen(QPen(darker(colour, 200), 0.9));
    p.setBrush(colour);
    p.drawPath(shape.simplified());
}

void Icons::clockFace(QPainter &p, QPointF c, double r, const QColor &colour)
{
    Saved s(p);
    p.setPen(QPen(colour, std::max(1.4, r * 0.16)));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const double inner = i % 3 == 0 ? r * 0.66 : r * 0.78;
        p.drawLine(QPointF(c.x() + inner * std::cos(a), c.y() + inner * std::sin(a)),
                   QPointF(c.x() + r * 0.88 * std::cos(a), c.y() + r * 0.88 * std::sin(a)));
    }
}

void Icons::floppy(QPainter &p, const QRectF &box, const QColor &colour)
{
    Saved s(p);
    const double w = box.width(), h = box.height();
    QPainterPath body;
    body.moveTo(box.left(), box.top() + 1.5);
    body.quadTo(box.topLeft(), box.topLeft() + QPointF(1.5, 0));
    body.lineTo(box.right() - 4, box.top());
    body.lineTo(box.right(), box.top() + 4);
    body.lineTo(box.right(), box.bottom() - 1.5);
    body.quadTo(box.bottomRight(), box.bottomRight() - QPointF(1.5, 0));
    body.lineTo(box.left() + 1.5, box.bottom());
    body.quadTo(box.bottomLeft(), box.bottomLeft() - QPointF(0, 1.5));
    body.closeSubpath();
    p.setPen(QPen(darker(colour, 180), 1.0));
    p.setBrush(colour);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD5, 0xDA, 0xE0));
    p.drawRect(QRectF(box.left() + w * 0.25, box.top() + 0.5, w * 0.45, h * 0.32));
    p.setBrush(darker(colour, 140));
    p.drawRect(QRectF(box.left() + w * 0.52, box.top() + 1.8, w * 0.12, h * 0.22));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(box.left() + w * 0.16, box.top() + h * 0.52, w * 0.68, h * 0.4), 1, 1);
    p.setPen(QPen(QColor(0xB0, 0xB6, 0xBE), 0.8));
    for (double y : {0.64, 0.78})
        p.drawLine(QPointF(box.left() + w * 0.24, box.top() + h * y),
                   QPointF(box.left() + w * 0.76, box.top() + h * y));
}

void Icons::printer(QPainter &p, const QRectF &box, const QColor &colour, bool stack)
{
    Saved s(p);
    const double w = box.width(), h = box.height();
    const QPen edge(QColor(0x4A, 0x52, 0x5C), 0.9);
    // Paper going in.
    p.setPen(edge);
    p.setBrush(Qt::white);
    if (stack)
        p.drawRect(QRectF(box.left() + w * 0.30, box.top(), w * 0.52, h * 0.4));
    p.drawRect(QRectF(box.left() + w * 0.22, box.top() + (stack ? 2.2 : 0.5), w * 0.52, h * 0.4));
    // Body.
    p.setBrush(colour);
    p.setPen(QPen(darker(colour, 180), 1.0));
    p.drawRoundedRect(QRectF(box.left(), box.top() + h * 0.32, w, h * 0.42), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7C, 0xE0, 0x8C));
    p.drawEllipse(QPointF(box.right() - w * 0.14, box.top() + h * 0.44), 1.1, 1.1);
    // Paper coming out, with lines of print.
    p.setPen(edge);
    p.setBrush(Qt::white);
    const QRectF out(box.left() + w * 0.18, box.top() + h * 0.58, w * 0.64, h * 0.42);
    p.drawRect(out);
    p.setPen(QPen(QColor(0x8A, 0x93, 0x9D), 0.8));
    for (double y : {0.35, 0.6, 0.85})
        p.drawLine(QPointF(out.left() + 2, out.top() + out.height() * y),
                   QPointF(out.right() - 2, out.top() + out.height() * y));
}

void Icons::power(QPainter &p, QPointF c, double r, const QColor &colour, double width)
{
    Saved s(p);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 55 * 16, -290 * 16);
    p.drawLine(QPointF(c.x(), c.y() - r * 1.25), QPointF(c.x(), c.y() - r * 0.15));
}

void Icons::player(QPainter &p, QPointF head, double k, const QColor &colour)
{
    Saved s(p);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(head, 2.3 * k, 2.3 * k);
    QPainterPath body;
    body.moveTo(head.x() - 3.6 * k, head.y() + 8.5 * k);
    body.lineTo(head.x() - 3.0 * k, head.y() + 4.6 * k);
    body.quadTo(head.x(), head.y() + 2.8 * k, head.x() + 3.0 * k, head.y() + 4.6 * k);
    body.lineTo(head.x() + 3.6 * k, head.y() + 8.5 * k);
    body.closeSubpath();
    p.drawPath(body);
}
