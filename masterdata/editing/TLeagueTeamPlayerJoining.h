#pragma once

#include "masterdata/editing/TIDObject.h"
#include "masterdata/editing/TMasterStatements.h"

class TdmMain;

// The state of the league - team - player joining dialog: the league
// drop-down, the teams of the league, the players on no team of the league
// and those of the chosen team, and the two arrow buttons.
class TLeagueTeamPlayerJoining
{
public:
    explicit TLeagueTeamPlayerJoining(TdmMain &dm) : m_statements(dm) {}

    // Fills the leagues and the teams of the first; no team is chosen yet.
    bool Open();
    // Refills the teams and chooses the first, filling its players.
    bool SelectLeague(int index);
    bool ClickTeam(int index);
    void ClickAvailable(int index);
    void ClickMember(int index);
    // Each does nothing (and succeeds) without the league, team and player
    // it needs; a storage error leaves every list and button as it was.
    bool Add();
    bool Remove();

    const TIDList &Leagues() const { return m_leagues; }
    const TIDList &Teams() const { return m_teams; }
    const TIDList &Available() const { return m_available; }
    const TIDList &Members() const { return m_members; }
    int SelectedLeague() const { return m_league; }
    int SelectedTeam() const { return m_team; }
    int SelectedAvailable() const { return m_selectedAvailable; }
    int SelectedMember() const { return m_selectedMember; }
    bool AddEnabled() const { return m_addEnabled; }
    bool RemoveEnabled() const { return m_removeEnabled; }
    QString LastError() const { return m_error; }

private:
    bool fillTeams();
    bool fillPlayers();

    TMasterStatements m_statements;
    TIDList m_leagues, m_teams, m_available, m_members;
    int m_league = -1;
    int m_team = -1;
    int m_selectedAvailable = -1;
    int m_selectedMember = -1;
    bool m_addEnabled = false;
    bool m_removeEnabled = false;
    QString m_error;
};
