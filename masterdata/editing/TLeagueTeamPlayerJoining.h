#pragma once

#include "masterdata/editing/TJoiningLists.h"

// The state of the league - team - player joining dialog: the league
// drop-down, the teams of the league, the players on no team of the league
// and those of the chosen team, and the two arrow buttons. Open() fills the
// teams of the first league but chooses no team yet.
class TLeagueTeamPlayerJoining final : public TJoiningLists
{
public:
    explicit TLeagueTeamPlayerJoining(TdmMain &dm) : TJoiningLists(dm) {}

    // Refills the teams and chooses the first, filling its players.
    bool SelectLeague(int index) override;
    bool ClickTeam(int index);
    // Each does nothing (and succeeds) without the league, team and player
    // it needs; a storage error leaves every list and button as it was.
    bool Add() override;
    bool Remove() override;

    const TIDList &Teams() const { return m_teams; }
    int SelectedTeam() const { return m_team; }

private:
    bool leagueChosen() override { return fillTeams(); }
    bool fillTeams();
    bool fillPlayers();

    TIDList m_teams;
    int m_team = -1;
};
