#pragma once

#include <QString>

class TGame;
class TGameEvent;
class TTeam;

// What the change dialog (or the script's change command) asks for: the new
// kind and shot kind, the new actor when one was chosen (-1 the team), and a
// new court point for a shot.
struct TEventChange
{
    int Kind = 0;
    int Detail = 0;
    bool ActorChosen = false;
    int ActorId = -1;
    bool HasPoint = false;
    int X = 0;
    int Y = 0;
};

// Deleting and changing a recorded event: the event is reversed in its team
// as it was recorded, the server is told, and the game's lists follow.
class TEventCorrection
{
public:
    explicit TEventCorrection(TGame &game) : m_game(game) {}

    // Clock steps and substitutions stay: they carry the clock and the line-ups.
    static bool Deletable(int kind);
    // Kinds the change dialog can express: its nine events, shots, and the
    // technical foul and indirect steal whose actor it can still move.
    static bool Changeable(int kind);
    // The explanation shown when an entry cannot be changed.
    static QString RefusalText() { return QStringLiteral("This event cannot be changed"); }
    // Why, and what to do instead, by the kind of the entry.
    static QString RefusalReason(int kind);
    // The team an event belongs to by its recorded side (1 and 3 home, 2 and 4 away).
    static int TeamOfSide(int side) { return (side == 2 || side == 4) ? 2 : 1; }
    // The shot's court point as its message carries it; false without one.
    static bool PointOf(const QString &message, int *x, int *y);

    // Reverses the event, queues the deletion message and drops the event from
    // AllEvents and RecordedEvents. False (nothing done) for a kind that stays.
    bool Delete(const TGameEvent &recorded);
    // Reverses `recorded`, rewrites it for the change (kind, shot kind,
    // actor, side, message, text, marks off), applies it again and hands it to
    // the sender under the same identifier. On a refusal nothing changes and
    // `error` names why.
    bool Change(TGameEvent &recorded, const TEventChange &change, QString *error = nullptr);

private:
    TGame &m_game;
};
