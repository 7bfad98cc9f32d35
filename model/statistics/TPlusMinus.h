#pragma once

class TGame;

// The plus-minus of every player ("INDEX" among the extra values): the
// points of the own team less those of the opponents while the player held
// one of the team's tracked court positions.
class TPlusMinus
{
public:
    // Recomputes "INDEX" of every player of both teams from AllEvents. The
    // teams' tracked positions are left as the last substitution put them.
    static void UpdatePlusMinus(TGame &game);
};
