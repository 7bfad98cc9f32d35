#include "ScoreboardPainter.h"

#include "Captions.h"
#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Segments a to g: top, upper right, lower right, bottom, lower left, upper
// left, middle.
const char *const Lit[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                             "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

QPolygonF segment(char name)
{
    const double left = 2.6, right = 11.4, top = 2.4, middle = 12.5, bottom = 22.6, t = 2.5, gap = 0.45;
    auto across = [&](double y, double x1, double x2) {
        x1 += gap;
        x2 -= gap;
        return QPolygonF({{x1, y},
                          {x1 + t / 2, y - t / 2},
                          {x2 - t / 2, y - t / 2},
                          {x2, y},
                          {x2 - t / 2, y + t / 2},
                          {x1 + t / 2, y + t / 2}});
    };
    auto down = [&](double x, double y1, double y2) {
        y1 += gap;
        y2 -= gap;
        return QPolygonF({{x, y1},
                          {x + t / 2, y1 + t / 2},
                          {x + t / 2, y2 - t / 2},
                          {x, y2},
                          {x - t / 2, y2 - t / 2},
                          {x - t / 2, y1 + t / 2}});
    };
    switch (name) {
    case 'a':
        return across(top, left, right);
    case 'b':
        return down(right, top, middle);
    case 'c':
        return down(right, middle, bottom);
    case 'd':
        return across(bottom, left, right);
    case 'e':
        return down(left, middle, bottom);
    case 'f':
        return down(left, top, middle);
    default:
        return across(middle, left, right);
    }
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

void ScoreboardPainter::paintDigit(QPainter &p, QPointF topLeft, int digit)
{
    p.save();
    p.translate(topLeft);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, 14, 25), Style::LedBack);
    const QString lit = digit >= 0 && digit <= 9 ? QString::fromLatin1(Lit[digit]) : QString();
    for (char s : {'a', 'b', 'c', 'd', 'e', 'f', 'g'}) {
        const QPolygonF shape = segment(s);
        if (lit.contains(QLatin1Char(s))) {
            p.setPen(QPen(QColor(Style::LedLit.red(), Style::LedLit.green(), Style::LedLit.blue(), 70), 1.6));
            p.setBrush(Style::LedLit);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(Style::LedGhost);
        }
        p.drawPolygon(shape);
    }
    p.restore();
}

QImage ScoreboardPainter::digit(int digit)
{
    QImage image(14, 25, QImage::Format_RGB32);
    QPainter p(&image);
    paintDigit(p, {0, 0}, digit);
    return image;
}

QImage ScoreboardPainter::period(const QString &name, const QString &language)
{
    QImage image(39, 11, QImage::Format_RGB32);
    image.fill(Style::LedBack);
    QPainter p(&image);
    QStringList all;
    for (const char *period : {"NEGYED1", "NEGYED2", "NEGYED3", "NEGYED4", "NEGYEDH", "FELIDO1", "FELIDO2"})
        all << Captions::text(period, language);
    p.setFont(Style::commonFont(all, 38, 10));
    p.setPen(Style::LedLit);
    p.drawText(QRectF(0, 0, 39, 11), Qt::AlignCenter, Captions::text(name.toLatin1().constData(), language));
    return image;
}

void ScoreboardPainter::paintLamp(QPainter &p, QPointF topLeft, bool lit)
{
    p.save();
    p.translate(topLeft);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0B, 0x0E, 0x12));
    p.drawEllipse(c, 8.6, 8.6);
    QRadialGradient g(c - QPointF(2, 2.5), 8);
    if (lit) {
        g.setColorAt(0, QColor(0xFF, 0xD9, 0xC8));
        g.setColorAt(0.35, Style::LampLit);
        g.setColorAt(1, Style::LampLit.darker(170));
    } else {
        g.setColorAt(0, QColor(0x5A, 0x2E, 0x28));
        g.setColorAt(1, QColor(0x2A, 0x16, 0x14));
    }
    p.setBrush(g);
    p.drawEllipse(c, 6.6, 6.6);
    p.setBrush(QColor(255, 255, 255, lit ? 150 : 40));
    p.drawEllipse(QPointF(6.6, 6.2), 2.0, 1.4);
    p.restore();
}

QImage ScoreboardPainter::teamFoulLamp()
{
    QImage image = transparentImage(18, 18);
    QPainter p(&image);
    paintLamp(p, {0, 0}, true);
    return image;
}

QImage ScoreboardPainter::defensePlate(const QString &language)
{
    QImage image = transparentImage(95, 56);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor edge(0x0E, 0x12, 0x17);
    Style::keyCap(p, QRectF(0, 0, 95, 56), 5, Style::Tray.lighter(125), Style::Tray.darker(110), edge);
    const QColor capTop(0xFB, 0xFA, 0xF6), capBottom(0xE0, 0xDC, 0xD0);
    // Previous and next arrows where the hot regions of both teams are.
    for (bool next : {false, true}) {
        const QRectF cap(next ? 72 : 1, 1, 22, 22);
        Style::keyCap(p, cap, 3.5, capTop, capBottom, edge);
        const QPointF c = cap.center();
        const double d = next ? 1 : -1;
        p.setPen(Qt::NoPen);
        p.setBrush(Style::Ink);
        p.drawPolygon(
            QPolygonF({c + QPointF(4.5 * d, 0), c + QPointF(-3.5 * d, -5.5), c + QPointF(-3.5 * d, 5.5)}));
    }
    const QRectF report(26, 1, 43, 22);
    Style::keyCap(p, report, 3.5, Style::Rebound.lighter(120), Style::Rebound.darker(115), edge);
    Style::drawFitted(p, report.adjusted(2, 0, -2, 0), Captions::text("DEFENSE", language), Qt::white, 9, 6);
    // The well behind the white, centred name of the mode.
    Style::keyCap(p, QRectF(4, 27, 87, 25), 3.5, Style::Well, Style::Well.lighter(115), QColor(0, 0, 0));
    return image;
}

QImage ScoreboardPainter::bullet()
{
    QImage image = transparentImage(10, 10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xF4, 0xF1, 0xE8), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5, 5), 4.1, 4.1);
    p.setPen(Qt::NoPen);
    p.setBrush(Style::LedLit);
    p.drawEllipse(QPointF(5, 5), 2.2, 2.2);
    return image;
}

QImage ScoreboardPainter::madeMarker()
{
    QImage image = transparentImage(8, 8);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x07, 0x2B, 0x12), 1.2));
    p.setBrush(QColor(0x36, 0xD9, 0x6A));
    p.drawEllipse(QPointF(4, 4), 3.3, 3.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(3.2, 3.0), 1.1, 0.9);
    return image;
}

QImage ScoreboardPainter::missedMarker()
{
    QImage image = transparentImage(10, 10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPen &pen : {QPen(QColor(255, 255, 255, 230), 4.0, Qt::SolidLine, Qt::RoundCap),
                            QPen(QColor(0xE0, 0x22, 0x1C), 2.2, Qt::SolidLine, Qt::RoundCap)}) {
        p.setPen(pen);
        p.drawLine(QPointF(2.2, 2.2), QPointF(7.8, 7.8));
        p.drawLine(QPointF(7.8, 2.2), QPointF(2.2, 7.8));
    }
    return image;
}

QImage ScoreboardPainter::cursor()
{
    QImage image = transparentImage(11, 19);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow(
        {{0.8, 0.8}, {0.8, 15.2}, {4.2, 11.9}, {6.6, 17.6}, {8.8, 16.7}, {6.5, 11.1}, {10.3, 11.1}});
    p.setPen(QPen(QColor(0x06, 0x1A, 0x18), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Style::HomeAccent.lighter(115));
    p.drawPolygon(arrow);
    return image;
}
