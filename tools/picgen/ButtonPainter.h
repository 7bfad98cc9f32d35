#pragma once

#include <QImage>
#include <QString>

// Buttons of the court screen: a symbol above a caption whose colour says what
// the event does for the team (rebound, gain, loss, foul, play, clock).
class ButtonPainter
{
public:
    // 32 x 47: GOMB1 to GOMB11, ADDTIME, MENTES, TECH, RECOVER.
    static QImage eventButton(const QString &name, const QString &language);
    // 43 x 9: BUNTETO and TIMEOUT.
    static QImage barButton(const QString &name, const QString &language);
    // 33 x 53: PRINT and PRINTALL.
    static QImage printButton(const QString &name, const QString &language);
    // 23 x 23.
    static QImage exitButton();
};
