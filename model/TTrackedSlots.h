#pragma once

#include "TQuintetPlayer.h"

#include <QList>

class TGame;
class TGameEvent;
class TTeam;

// The three court positions a team's plus-minus and line-up replays follow,
// kept in the team's LineupTracking. They start with the players marked
// Starter and follow the substitutions of the event log.
class TTrackedSlots
{
public:
    // Fills the team's three positions with its Starter players, on-court list
    // first, then bench, in list order; positions without a starter stay empty.
    // Starters beyond the third are not tracked at all (the new game wizard
    // never marks more than three); their number is returned.
    static int FillFromStarters(TTeam &team);
    // The number of Starter players that FillFromStarters leaves out.
    static int UntrackedStarters(const TTeam &team);

    // The slot holding the outgoing player of a substitution takes the
    // incoming one. A message that does not name both players, or names a
    // player the game does not have, changes nothing; false then.
    static bool Substitute(TGame &game, QList<TQuintetPlayer> &positions, const TGameEvent &event);
};
