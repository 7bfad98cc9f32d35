#include "ShotPositions.h"

#include "model/messages/LiveMessages.h"

#include <cmath>

namespace ShotPositions {

namespace {

// The text after key up to the next key; everything after it when the next
// key is missing; empty when key itself is missing.
QString between(const QString &message, const QString &key, const QString &next)
{
    const qsizetype at = message.indexOf(key);
    if (at < 0)
        return {};
    const qsizetype from = at + key.size();
    const qsizetype end = next.isEmpty() ? -1 : message.indexOf(next, from);
    return message.mid(from, end < 0 ? -1 : end - from);
}

int integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

// The live message carries "&time=" between y and "&hpont=", so a y text
// taken up to "&hpont=" or to the end still holds further pairs; the number
// ends where the next pair starts.
QString beforePair(const QString &text)
{
    const qsizetype amp = text.indexOf(QLatin1Char('&'));
    return amp < 0 ? text : text.left(amp);
}

} // namespace

TCourtPoint ReadPoint(const QString &message, TRule rule)
{
    const QString x = QStringLiteral("&x=");
    const QString y = QStringLiteral("&y=");
    const QString hpont = QStringLiteral("&hpont=");
    TCourtPoint p;
    p.X = integer(between(message, x, y));
    const qsizetype at = message.indexOf(y);
    if (at < 0)
        return {p.X, 0};
    const QString after = message.mid(at + y.size());
    switch (rule) {
    case TRule::TeamChart: {
        // The first 20 characters, cut before their first "&"; none there reads as 0.
        const QString head = after.left(20);
        const qsizetype amp = head.indexOf(QLatin1Char('&'));
        p.Y = amp < 0 ? 0 : integer(head.left(amp));
        break;
    }
    case TRule::Alternative:
        p.Y = integer(beforePair(message.contains(hpont) ? between(message, y, hpont) : after));
        break;
    case TRule::Individual:
        p.Y = integer(
            beforePair(message.contains(QStringLiteral("&time=")) ? between(message, y, hpont) : after));
        break;
    }
    return p;
}

QString ShooterWebId(const QString &message)
{
    return LiveMessages::DecodedValue(between(message, QStringLiteral("&jatekos="), QStringLiteral("&x=")));
}

int Round(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return int(std::nearbyint(value));
}

QPoint TeamChartPoint(TCourtPoint point, int side, int clock)
{
    int px = Round(1.44 * point.X);
    int py = Round(1.44 * point.Y);
    const bool home = side == 1;
    if ((home && clock <= HalfTimeClock) || (!home && clock > HalfTimeClock)) {
        px = TeamPicture.width() - px;
        py = TeamPicture.height() - py;
    }
    return {px, py};
}

QRect TeamMarkerRect(QPoint p, bool made)
{
    return made ? QRect(QPoint(p.x() - 10, p.y() - 5), QPoint(p.x() + 10, p.y() + 6) - QPoint(1, 1))
                : QRect(QPoint(p.x() - 7, p.y() - 5), QPoint(p.x() + 7, p.y() + 4) - QPoint(1, 1));
}

QPoint AlternativeCorner(TCourtPoint point, int clock)
{
    const int h = Round(2.5 * point.Y);
    const int v = Round(2.5 * point.X);
    if (clock <= HalfTimeClock)
        return {895 - h, v - 5};
    return {h, 605 - v};
}

QRect AlternativeMarkerRect(QPoint corner, bool made)
{
    return made ? QRect(corner, QSize(20, 11)) : QRect(corner, QSize(14, 9));
}

QPoint IndividualPoint(TCourtPoint point, int side)
{
    int px = Round(point.X / 1.2);
    int py = Round(point.Y / 1.2);
    if (side == 1) {
        px = IndividualPicture.width() - px;
        py = IndividualPicture.height() - py;
    }
    return {px, py};
}

QRect IndividualMarkRect(QPoint p)
{
    return QRect(p.x() - 2, p.y() - 2, 5, 5);
}

} // namespace ShotPositions
