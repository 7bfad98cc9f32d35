#pragma once

#include "model/game/TPlayer.h"

#include <QList>

class TTeam;

// Where the add-player dialog finds the players it offers and creates new
// ones: the master data, which neither the model nor the screen links. The
// desktop program passes one in; without it the dialog offers nobody.
class IRosterSource
{
public:
    virtual ~IRosterSource() = default;
    // The players registered for the team in its league, as candidate records.
    virtual QList<TPlayer> Candidates(const TTeam &team) = 0;
    // "I": a player made with the player edit dialog and joined to the team
    // in its league, as a candidate record; false when none was made.
    virtual bool CreatePlayer(const TTeam &team, TPlayer *candidate) = 0;
};
