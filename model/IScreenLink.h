#pragma once

#include <QString>
#include <QtGlobal>

class TGameEvent;

// 0xAARRGGBB, as QRgb; the model does not link Qt Gui.
using TColor = quint32;

// How the model reaches the court screen while recording. Panel labels,
// pictures and clock digits are named items whose text, visibility, colour,
// boldness and tag the model changes by name; the rest are the operations the
// screen itself carries out (histories, the Active AI hint, the lock between
// periods). The court screen implements it; the command-line tool and the
// tests use THeadlessScreen.
class IScreenLink
{
public:
    virtual ~IScreenLink() = default;

    virtual void SetItemText(const QString &name, const QString &text) = 0;
    virtual QString ItemText(const QString &name) const = 0;
    virtual void SetItemVisible(const QString &name, bool visible) = 0;
    virtual bool ItemVisible(const QString &name) const = 0;
    virtual void SetItemColor(const QString &name, TColor color) = 0;
    virtual void SetItemBold(const QString &name, bool bold) = 0;
    virtual void SetItemTag(const QString &name, int tag) = 0;
    virtual int ItemTag(const QString &name) const = 0;

    // side 1 home, 2 away. The event lives as long as the game.
    virtual void AddHistoryLine(int side, TGameEvent *event) = 0;
    // Kinds 1010, 1011, 1024, 1025 (scrolling) and 1016 (delete the selected entry).
    virtual void HistoryCommand(int side, int kind) = 0;
    virtual void LightActiveAI(int code, int side) = 0;
    // Between periods the screen refuses events; shows or hides "Intermission".
    virtual void SetEventsLocked(bool locked) = 0;
};
