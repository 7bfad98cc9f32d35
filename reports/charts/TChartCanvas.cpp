#include "TChartCanvas.h"

#include "geometry/CourtGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

using namespace CourtGeometry;

namespace {

const QColor CourtLine(0x3A, 0x3F, 0x45);
const QColor KeyPaint(0xDD, 0xE3, 0xEA);

// The painted area of the court, edge to edge of its pixels.
const QRectF CourtRect(-0.5, -0.5, MaskWidth, MaskHeight);
// Row r to row 358 - r: the home half from the away half.
const QTransform Mirror(1, 0, 0, -1, 0, 2 * CentreRow);

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

// The arcs' straight steps: enough for a chart's court a few centimetres wide.
constexpr int ArcSteps = 64;

// The printed court, in court points: white floor, grey lines, the keys lightly painted.
void paintCourt(QPainter &p, const QTransform &placement)
{
    p.save();
    p.setTransform(placement, true);
    p.fillRect(CourtRect, Qt::white);
    const double edge = FreeThrowEdge;
    const QPainterPath key = paintedKey();
    p.fillPath(key.united(Mirror.map(key)), KeyPaint);

    const double width = 1.3;
    QPen solid(CourtLine, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(solid);
    p.setBrush(Qt::NoBrush);
    p.drawRect(CourtRect.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    p.drawLine(QPointF(-0.5, CentreRow), QPointF(MaskWidth - 0.5, CentreRow));
    p.drawEllipse(QPointF((MaskWidth - 1) / 2.0, CentreRow), edge, edge);
    for (const QTransform &half : {QTransform(), Mirror}) {
        p.save();
        p.setTransform(half, true);
        p.setPen(solid);
        p.drawPath(threePointLine(ArcSteps));
        const QPolygonF area = restrictedArea();
        p.drawPolyline(QPolygonF({area[0], area[3], area[2], area[1]}));
        // The free throw circle, dashed inside the restricted area.
        p.drawPath(freeThrowArc(false, ArcSteps));
        QPen dashed = solid;
        dashed.setDashPattern({2.0, 2.0});
        p.setPen(dashed);
        p.drawPath(freeThrowArc(true, ArcSteps));
        // Backboard and rim.
        p.setPen(QPen(CourtLine, 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(BasketX - 12, 14.5), QPointF(BasketX + 12, 14.5));
        p.setPen(QPen(CourtLine, 1.4));
        p.drawEllipse(QPointF(BasketX, BasketY), 4.6, 4.6);
        p.restore();
    }
    p.restore();
}

// A number in its marker, made smaller when it is wider than the marker.
void paintNumber(QPainter &p, const QRect &rect, const QString &text, QColor color)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(4, rect.height() - 2));
    QFontMetricsF metrics(font);
    const double room = rect.width() - 1;
    const double width = metrics.horizontalAdvance(text);
    if (width > room)
        font.setPixelSize(std::max(4, int(font.pixelSize() * room / width)));
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRectF(rect), Qt::AlignCenter, text);
}

} // namespace

QTransform TChartCanvas::CentredCourt(QSizeF picture, double factor, bool lengthwise)
{
    // The middle of the court (between pixel centres 0 and 239, on row 179)
    // goes to the middle of the picture.
    QTransform t;
    t.translate(picture.width() / 2, picture.height() / 2);
    t.scale(factor, factor);
    if (lengthwise)
        t.rotate(90); // the away basket on the right
    t.translate(-(MaskWidth - 1) / 2.0, -CentreRow);
    return t;
}

void TChartCanvas::Court(const QTransform &placement)
{
    TOp op;
    op.What = TOp::Kind::Court;
    op.Placement = placement;
    m_ops.append(op);
}

void TChartCanvas::Line(QPointF from, QPointF to, QColor color, Qt::PenStyle style)
{
    TOp op;
    op.What = TOp::Kind::Line;
    op.From = from;
    op.To = to;
    op.Color = color;
    op.Style = style;
    m_ops.append(op);
}

void TChartCanvas::Text(double x, double y, const QString &text, bool rightAligned, bool bold)
{
    TOp op;
    op.What = TOp::Kind::Text;
    op.From = QPointF(x, y);
    op.Text = text;
    op.RightAligned = rightAligned;
    op.Bold = bold;
    m_ops.append(op);
}

void TChartCanvas::Marker(const QRect &rect, int number, bool made)
{
    TOp op;
    op.What = made ? TOp::Kind::Made : TOp::Kind::Missed;
    op.Rect = rect;
    op.Text = QString::number(number);
    m_ops.append(op);
}

void TChartCanvas::Dot(const QRect &rect, bool made)
{
    TOp op;
    op.What = made ? TOp::Kind::MadeDot : TOp::Kind::MissedDot;
    op.Rect = rect;
    m_ops.append(op);
}

QList<TChartCanvas::TOp> TChartCanvas::Ops(TOp::Kind kind) const
{
    QList<TOp> found;
    for (const TOp &op : m_ops)
        if (op.What == kind)
            found.append(op);
    return found;
}

void TChartCanvas::Draw(QPainter &p) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(TextPixels));
    for (const TOp &op : m_ops) {
        switch (op.What) {
        case TOp::Kind::Court:
            paintCourt(p, op.Placement);
            break;
        case TOp::Kind::Line:
            p.setPen(QPen(op.Color, 1, op.Style, Qt::FlatCap));
            p.drawLine(op.From, op.To);
            break;
        case TOp::Kind::Text: {
            font.setBold(op.Bold);
            p.setFont(font);
            p.setPen(Qt::black);
            const double wide = 400;
            // A text that would run off the picture's right edge ends at it
            // instead, as the last minute label of the score graph would.
            const double width = QFontMetricsF(font).horizontalAdvance(op.Text);
            const double left =
                op.RightAligned ? op.From.x() - width : std::min(op.From.x(), m_size.width() - width);
            const QRectF box(left + width - wide, op.From.y(), wide, TextPixels * 1.4);
            p.drawText(box, Qt::AlignRight | Qt::AlignTop, op.Text);
            break;
        }
        case TOp::Kind::Made:
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(QRectF(op.Rect));
            paintNumber(p, op.Rect, op.Text, Qt::white);
            break;
        case TOp::Kind::Missed:
            paintNumber(p, op.Rect, op.Text, Qt::black);
            break;
        case TOp::Kind::MadeDot:
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(QRectF(op.Rect));
            break;
        case TOp::Kind::MissedDot:
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(op.Rect).adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        }
    }
    p.restore();
}

QStringList TChartCanvas::Describe() const
{
    QStringList out;
    auto rect = [](const QRect &r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    for (const TOp &op : m_ops) {
        switch (op.What) {
        case TOp::Kind::Court:
            out.append(QStringLiteral("court"));
            break;
        case TOp::Kind::Line: {
            QString line = QStringLiteral("line %1,%2 %3,%4")
                               .arg(num(op.From.x()), num(op.From.y()), num(op.To.x()), num(op.To.y()));
            if (op.Color != QColor(Qt::black))
                line += QLatin1Char(' ') + op.Color.name();
            if (op.Style == Qt::DotLine)
                line += QStringLiteral(" dotted");
            out.append(line);
            break;
        }
        case TOp::Kind::Text:
            out.append(QStringLiteral("text %1,%2%3%4 %5")
                           .arg(num(op.From.x()), num(op.From.y()),
                                op.RightAligned ? QStringLiteral(" right") : QString(),
                                op.Bold ? QStringLiteral(" bold") : QString(), op.Text));
            break;
        case TOp::Kind::Made:
        case TOp::Kind::Missed:
            out.append(
                QStringLiteral("%1 %2 at %3")
                    .arg(op.What == TOp::Kind::Made ? QStringLiteral("made") : QStringLiteral("missed"),
                         op.Text, rect(op.Rect)));
            break;
        case TOp::Kind::MadeDot:
        case TOp::Kind::MissedDot:
            out.append(
                QStringLiteral("%1 dot at %2")
                    .arg(op.What == TOp::Kind::MadeDot ? QStringLiteral("made") : QStringLiteral("missed"),
                         rect(op.Rect)));
            break;
        }
    }
    return out;
}
