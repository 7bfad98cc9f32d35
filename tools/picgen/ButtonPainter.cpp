#include "ButtonPainter.h"

#include "Captions.h"
#include "Icons.h"
#include "Style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

const QColor CapTop(0xFB, 0xFA, 0xF6);
const QColor CapBottom(0xE4, 0xE0, 0xD5);
const QColor CapEdge(0x11, 0x16, 0x1C);
const QColor Skin(0xEE, 0xCF, 0xA8);

const char *const EventButtons[] = {"GOMB1",  "GOMB2",   "GOMB3",  "GOMB4", "GOMB5",
                                    "GOMB6",  "GOMB7",   "GOMB8",  "GOMB9", "GOMB10",
                                    "GOMB11", "ADDTIME", "MENTES", "TECH",  "RECOVER"};

QStringList captions(std::initializer_list<const char *> names, const QString &language)
{
    QStringList texts;
    for (const char *name : names)
        texts << Captions::text(name, language);
    return texts;
}

// One caption size for every event button of a language, so the two rows
// read evenly: the largest at which the longest caption fits.
QFont captionFont(const QString &language)
{
    QStringList texts;
    for (const char *name : EventButtons)
        texts << Captions::text(name, language);
    return Style::commonFont(texts, 29, 10);
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor category(const QString &name)
{
    if (name == QLatin1String("GOMB1") || name == QLatin1String("GOMB6"))
        return Style::Rebound;
    if (name == QLatin1String("GOMB2") || name == QLatin1String("GOMB9") || name == QLatin1String("RECOVER"))
        return Style::Gain;
    if (name == QLatin1String("GOMB5") || name == QLatin1String("GOMB7") || name == QLatin1String("GOMB11"))
        return Style::Loss;
    if (name == QLatin1String("GOMB3") || name == QLatin1String("GOMB8") || name == QLatin1String("TECH"))
        return Style::Foul;
    if (name == QLatin1String("GOMB4"))
        return Style::Play;
    return Style::Clock;
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

void rebound(QPainter &p, bool defensive)
{
    Icons::rim(p, {16, 7}, 7.5);
    Icons::ball(p, {10.5, 23}, 6.2);
    if (defensive)
        Icons::arrow(p, curve({20, 12}, {26, 16}, {24.5, 29}), Style::Rebound, 2.2, 5.5);
    else
        Icons::arrow(p, curve({24, 29}, {27, 19}, {21, 11.5}), Style::Rebound, 2.2, 5.5);
}

void symbol(QPainter &p, const QString &name)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("GOMB1")) {
        rebound(p, true);
    } else if (name == QLatin1String("GOMB6")) {
        rebound(p, false);
    } else if (name == QLatin1String("GOMB2")) {
        Icons::hand(p, QRectF(14, 8, 14, 20), Skin);
        Icons::ball(p, {11, 17}, 7);
        Icons::badge(p, {25, 6}, 4.6, true, Style::Gain);
    } else if (name == QLatin1String("GOMB7")) {
        Icons::ball(p, {11, 20}, 7);
        Icons::arrow(p, curve({17, 14}, {20, 6}, {28.5, 4.5}), Style::Loss, 2.2, 5.5);
        Icons::badge(p, {25, 24}, 4.6, false, Style::Loss);
    } else if (name == QLatin1String("RECOVER")) {
        Icons::ball(p, {16, 17}, 6.5);
        QPainterPath ring;
        const double r = 11.5;
        const double from = 0.75 * std::numbers::pi, to = 2.45 * std::numbers::pi;
        ring.moveTo(16 + r * std::cos(from), 17 + r * std::sin(from));
        for (int i = 1; i <= 48; ++i) {
            const double a = from + (to - from) * i / 48;
            ring.lineTo(16 + r * std::cos(a), 17 + r * std::sin(a));
        }
        Icons::arrow(p, ring, Style::Gain, 2.2, 5.0);
    } else if (name == QLatin1String("GOMB3")) {
        Icons::whistle(p, QRectF(3, 10, 22, 18), Style::Foul);
        Icons::badge(p, {25, 6}, 4.6, true, Style::Gain);
    } else if (name == QLatin1String("GOMB8")) {
        Icons::whistle(p, QRectF(3, 10, 22, 18), Style::Foul);
        Icons::badge(p, {25, 6}, 4.6, false, Style::Loss);
    } else if (name == QLatin1String("TECH")) {
        p.setPen(QPen(Style::Foul, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16.5), 12.5, 12.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Style::Foul.darker(115));
        p.drawRoundedRect(QRectF(7, 8, 18, 5), 2, 2);
        p.drawRoundedRect(QRectF(13.5, 8, 5, 17), 2, 2);
    } else if (name == QLatin1String("GOMB4")) {
        Icons::player(p, {6.5, 15}, 1.15, Style::Play);
        Icons::player(p, {25.5, 15}, 1.15, Style::Play);
        QPen dash(Style::Play, 1.6, Qt::DashLine, Qt::RoundCap);
        dash.setDashPattern({1.6, 1.6});
        p.setPen(dash);
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve({8, 10}, {16, -1}, {23, 9}));
        Icons::ball(p, {16, 5.3}, 3.6);
        Icons::arrow(p, curve({20.5, 6.0}, {22.5, 7.4}, {24, 10.5}), Style::Play, 1.4, 4.0);
    } else if (name == QLatin1String("GOMB5")) {
        Icons::ball(p, {20.5, 20}, 6.5);
        Icons::hand(p, QRectF(3, 4, 13, 20), Skin);
        Icons::badge(p, {25.5, 6}, 4.6, false, Style::Loss);
    } else if (name == QLatin1String("GOMB9")) {
        Icons::ball(p, {11, 20}, 6.5);
        Icons::hand(p, QRectF(16, 4, 13, 20), Skin);
        Icons::badge(p, {6.5, 6}, 4.6, true, Style::Gain);
    } else if (name == QLatin1String("ADDTIME")) {
        Icons::clockFace(p, {16, 16.5}, 13, Style::Clock);
        Style::drawFitted(p, QRectF(4, 10, 24, 13), QStringLiteral("+15"), Style::Ink, 11, 8);
    } else if (name == QLatin1String("GOMB10")) {
        Icons::clockFace(p, {16, 16.5}, 13, Style::Clock);
        // The rest of the minute, swept up to the full minute.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(Style::Gain.red(), Style::Gain.green(), Style::Gain.blue(), 150));
        p.drawPie(QRectF(16 - 10, 16.5 - 10, 20, 20), 270 * 16, -180 * 16);
        p.setPen(QPen(Style::Ink, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16.5), QPointF(16, 6.5));
        p.setBrush(Style::Ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 16.5), 1.8, 1.8);
    } else if (name == QLatin1String("GOMB11")) {
        p.setPen(QPen(Qt::white, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16.5), 11.5, 11.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(11, 11.5, 10, 10), 1.5, 1.5);
    } else if (name == QLatin1String("MENTES")) {
        Icons::floppy(p, QRectF(6, 5, 20, 23), QColor(0x3C, 0x5A, 0x80));
    }
}

} // namespace

QImage ButtonPainter::eventButton(const QString &name, const QString &language)
{
    QImage image = transparentImage(32, 47);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool alarm = name == QLatin1String("GOMB11");
    const QColor colour = category(name);
    const QRectF cap(0, 0, 32, 47);
    if (alarm)
        Style::keyCap(p, cap, 4, colour.lighter(115), colour.darker(120), CapEdge);
    else
        Style::keyCap(p, cap, 4, CapTop, CapBottom, CapEdge);
    QPainterPath shape;
    shape.addRoundedRect(cap.adjusted(1, 1, -1, -1), 3.2, 3.2);
    p.save();
    p.setClipPath(shape);
    const QRectF strip(0, 33, 32, 14);
    p.fillRect(strip, alarm ? colour.darker(150) : colour);
    p.fillRect(QRectF(0, 33, 32, 1), QColor(0, 0, 0, 50));
    p.restore();
    p.setFont(captionFont(language));
    p.setPen(Qt::white);
    p.drawText(strip.adjusted(0, 0, 0, -1), Qt::AlignCenter,
               Captions::text(name.toLatin1().constData(), language));
    symbol(p, name);
    return image;
}

QImage ButtonPainter::barButton(const QString &name, const QString &language)
{
    QImage image = transparentImage(43, 9);
    QPainter p(&image);
    // Free throws are shots: the colour of the ball; timeouts stop the clock.
    const QColor colour = name == QLatin1String("TIMEOUT") ? Style::Clock : Style::Ball.darker(112);
    Style::keyCap(p, QRectF(0, 0, 43, 9), 2, colour.lighter(125), colour.darker(110), CapEdge);
    p.setFont(Style::commonFont(captions({"BUNTETO", "TIMEOUT"}, language), 40, 8));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 43, 9), Qt::AlignCenter, Captions::text(name.toLatin1().constData(), language));
    return image;
}

QImage ButtonPainter::printButton(const QString &name, const QString &language)
{
    QImage image = transparentImage(33, 53);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cap(0, 0, 33, 53);
    Style::keyCap(p, cap, 4, CapTop, CapBottom, CapEdge);
    QPainterPath shape;
    shape.addRoundedRect(cap.adjusted(1, 1, -1, -1), 3.2, 3.2);
    p.save();
    p.setClipPath(shape);
    const QRectF strip(0, 39, 33, 14);
    p.fillRect(strip, Style::Clock);
    p.restore();
    Icons::printer(p, QRectF(5, 7, 23, 28), QColor(0x6A, 0x75, 0x82), name == QLatin1String("PRINTALL"));
    p.setFont(Style::commonFont(captions({"PRINT", "PRINTALL"}, language), 30, 10));
    p.setPen(Qt::white);
    p.drawText(strip.adjusted(0, 0, 0, -1), Qt::AlignCenter,
               Captions::text(name.toLatin1().constData(), language));
    return image;
}

QImage ButtonPainter::exitButton()
{
    QImage image = transparentImage(23, 23);
    QPainter p(&image);
    Style::keyCap(p, QRectF(0, 0, 23, 23), 4, Style::Loss.lighter(118), Style::Loss.darker(118), CapEdge);
    Icons::power(p, {11.5, 12.3}, 5.6, Qt::white, 2.0);
    return image;
}
