#pragma once

#include <QString>
#include <QtGlobal>

class TGame;
class TGameEvent;
struct TEventChange;

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

    // History corrections, for screens that keep numbered histories (the
    // defaults keep none). The game calls SetGame when the screen is set.
    virtual void SetGame(TGame *) {}
    // Selects the entry with that line number; false when none has it.
    virtual bool SelectHistoryNumber(int, int) { return false; }
    // Selects the last entry the side's filter shows; false when there is none.
    virtual bool SelectLastHistoryEntry(int) { return false; }
    // The selected entry's event ID, -1 when none.
    virtual int SelectedHistoryId(int) const { return -1; }
    // Whether an entry with that event ID is in the side's history.
    virtual bool HasHistoryEntry(int, int) const { return false; }
    // Changes the event of a side's entry as the change dialog's OK does.
    virtual bool ChangeHistoryEvent(int, int, const TEventChange &, QString *error)
    {
        if (error)
            *error = QStringLiteral("this screen keeps no history");
        return false;
    }
    // An event's history line shows its new caption (a type was chosen for it).
    virtual void SetHistoryCaption(int, int, const QString &) {}
    // The team's filter changed: show the side's history through it.
    virtual void ApplyHistoryFilter(int) {}
    // A loaded game's line of an event deleted later: it holds its number,
    // and parts the ticks around it, until the deletion's record drops it,
    // as while the game was recorded.
    virtual void HoldHistoryLine(int, int) {}
    virtual void DropHistoryLine(int, int) {}
};
