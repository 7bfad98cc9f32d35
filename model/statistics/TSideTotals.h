#pragma once

class TGame;
class TTeam;
struct TTeamTotals;

// The totals of one side over a slice of the game, replayed from AllEvents
// into a target team (or a bare totals block): one period, or the starters
// or the other players of the side over the whole game.
class TSideTotals
{
public:
    enum Group
    {
        Starters = 1,
        Bench = 2
    };

    // Adds the events of side (1 or 2) and of its team (side + 2) that belong
    // to the period; clears the target first when asked, so callers add
    // several periods into one target by clearing only on the first call.
    static void PeriodTotals(const TGame &game, int side, int period, bool clear, TTeamTotals &target);
    static void PeriodTotals(const TGame &game, int side, int period, bool clear, TTeam &target);

    // Clears the target and adds every event of the side's players whose
    // Starter mark is set (group 1) or not set (any other group), whatever its
    // period; team events are not counted.
    static void GroupTotals(const TGame &game, int side, int group, TTeamTotals &target);
    static void GroupTotals(const TGame &game, int side, int group, TTeam &target);
    static void StarterTotals(const TGame &game, int side, TTeam &target)
    {
        GroupTotals(game, side, Starters, target);
    }
    static void BenchTotals(const TGame &game, int side, TTeam &target)
    {
        GroupTotals(game, side, Bench, target);
    }
};
