#pragma once

#include "model/game/TGame.h"

#include <stdexcept>

// The player wearing a jersey on the court or bench list of a side; a test
// asking for one the side does not have fails loudly.
inline TPlayer &PlayerByJersey(TGame &game, int side, int jersey)
{
    TTeam &team = game.Team(side);
    for (TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->JatekosMezSzam == jersey)
                return *list->At(i);
    throw std::runtime_error("no such player");
}
