#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

// The scoreboard pieces embedded in the screen: clock digits, period,
// team-foul lamps, defence-mode plates, bullets, shot markers and the pointer.
class ScoreboardPainter
{
public:
    // A seven-segment digit, 14 x 25; digit -1 draws only the unlit segments.
    static void paintDigit(QPainter &p, QPointF topLeft, int digit);
    static QImage digit(int digit);
    // 39 x 11: NEGYED1 to NEGYED4, NEGYEDH, FELIDO1 and FELIDO2.
    static QImage period(const QString &name, const QString &language);
    // An 18 x 18 lamp; the screen shows unlit ones where the pictures hide.
    static void paintLamp(QPainter &p, QPointF topLeft, bool lit);
    static QImage teamFoulLamp();
    // 95 x 56: previous and next arrows, the report button, a well for the name.
    static QImage defensePlate(const QString &language);
    static QImage bullet();       // 10 x 10
    static QImage madeMarker();   // 8 x 8
    static QImage missedMarker(); // 10 x 10
    static QImage cursor();       // 11 x 19, the home pointer
};
