#pragma once

#include "reports/document/TReportDocument.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QTransform>

// A picture of a chart report recorded as drawing operations in its own pixel
// frame: court, lines, texts and shot markers. The painter replays them at
// any scale; tests and golden files read them back.
class TChartCanvas : public TReportDrawing
{
public:
    struct TOp
    {
        enum class Kind
        {
            Court,
            Line,
            Text,
            Made,
            Missed,
            MadeDot,
            MissedDot,
        };
        Kind What = Kind::Line;
        QPointF From, To; // a line
        QColor Color = Qt::black;
        Qt::PenStyle Style = Qt::SolidLine;
        QString Text; // a text, or a marker's number
        bool RightAligned = false;
        bool Bold = false;
        QRect Rect;           // a marker
        QTransform Placement; // the court: court points to picture pixels
    };

    explicit TChartCanvas(QSizeF size) : m_size(size) {}

    // The court from the court geometry; placement maps court points (the
    // vertical frame, pixel centres at whole numbers) to picture pixels.
    void Court(const QTransform &placement);
    void Line(QPointF from, QPointF to, QColor color = Qt::black, Qt::PenStyle style = Qt::SolidLine);
    // A text with its top at y, starting at x or, right-aligned, ending at x.
    void Text(double x, double y, const QString &text, bool rightAligned = false, bool bold = false);
    // Numbered markers: made, the number in white on a black oval; missed,
    // the number in black. Any number is drawn, however large.
    void Marker(const QRect &rect, int number, bool made);
    // The individual chart's unnumbered 5 x 5 marks.
    void Dot(const QRect &rect, bool made);

    const QList<TOp> &Ops() const { return m_ops; }
    QList<TOp> Ops(TOp::Kind kind) const;

    QSizeF Size() const override { return m_size; }
    QStringList Describe() const override;

    // The font of the chart's texts, in picture pixels.
    static constexpr double TextPixels = 11;

    // The court centred in a picture of this size, scaled by factor and, when
    // turned, rotated a quarter turn so that the court runs across.
    static QTransform CentredCourt(QSizeF picture, double factor, bool lengthwise);

protected:
    void Draw(QPainter &painter) const override;

private:
    QSizeF m_size;
    QList<TOp> m_ops;
};
