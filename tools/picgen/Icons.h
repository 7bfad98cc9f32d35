#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Small vector symbols the buttons are made of. Every call draws antialiased
// and leaves the painter as it found it.
class Icons
{
public:
    static void ball(QPainter &p, QPointF centre, double radius);
    static void arrow(QPainter &p, const QPainterPath &shaft, const QColor &colour, double width,
                      double head);
    static void badge(QPainter &p, QPointF centre, double radius, bool plus, const QColor &colour);
    static void rim(QPainter &p, QPointF centre, double halfWidth);
    static void whistle(QPainter &p, const QRectF &box, const QColor &colour);
    static void hand(QPainter &p, const QRectF &box, const QColor &colour);
    static void clockFace(QPainter &p, QPointF centre, double radius, const QColor &colour);
    static void floppy(QPainter &p, const QRectF &box, const QColor &colour);
    static void printer(QPainter &p, const QRectF &box, const QColor &colour, bool stack);
    static void power(QPainter &p, QPointF centre, double radius, const QColor &colour, double width);
    static void player(QPainter &p, QPointF head, double scale, const QColor &colour);
};
