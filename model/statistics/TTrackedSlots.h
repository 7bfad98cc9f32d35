#pragma once

#include "TQuintetPlayer.h"

#include <QList>

class TGame;
class TEventList;
class TGameEvent;
class TPlayer;
class TTeam;

// The three court positions a team's plus-minus and line-up replays follow,
// kept in the team's LineupTracking as player identifiers (-1: empty). They
// start with the players marked Starter and follow the substitutions of the
// event log.
class TTrackedSlots
{
public:
    static constexpr int Empty = -1;

    // Fills the team's three positions with its Starter players, on-court
    // list first, then bench, in list order; positions without a starter stay
    // empty. Starters beyond the third are not tracked at all (the new game
    // wizard never marks more than three); their number is returned.
    static int FillFromStarters(TTeam &team);
    // The number of Starter players that FillFromStarters leaves out.
    static int UntrackedStarters(const TTeam &team);

    // The position holding the outgoing player of a substitution of this team
    // takes the incoming one. A message that does not name both players, or
    // names a player the game does not have, changes nothing; false then.
    static bool Substitute(TGame &game, TTeam &team, const TGameEvent &event);
    // When events[i] opens a run of player substitutions of one team, the
    // changes made at one stoppage, the whole run moves that team's positions,
    // i steps past it and the team's index (0 home, 1 away) is returned;
    // otherwise -1, with i unchanged.
    static int FollowSubstitutionRun(TGame &game, const TEventList &events, int &i);

    // The player in a position; null for an empty one.
    static TPlayer *PlayerAt(TTeam &team, int position);
    // The positions as (name, web identifier); an empty position gives empty texts.
    static QList<TQuintetPlayer> Positions(TTeam &team);
};
