#pragma once

#include "masterdata/editing/TJoiningLists.h"

// The state of the league - team joining dialog: the league drop-down, the
// teams not in the league and those in it, and the two arrow buttons.
class TLeagueTeamJoining final : public TJoiningLists
{
public:
    explicit TLeagueTeamJoining(TdmMain &dm) : TJoiningLists(dm) {}

    bool SelectLeague(int index) override;
    // Each does nothing (and succeeds) without the league and team it needs;
    // a storage error leaves every list and button as it was.
    bool Add() override;
    bool Remove() override;

private:
    bool leagueChosen() override { return fillTeams(); }
    bool fillTeams();
};
