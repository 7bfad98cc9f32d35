#include "TLeagueTeamPlayerJoining.h"

bool TLeagueTeamPlayerJoining::Open()
{
    m_leagues = m_statements.Leagues();
    m_error = m_statements.LastError();
    m_league = -1;
    if (!m_error.isEmpty())
        return false;
    if (m_leagues.isEmpty())
        return true;
    m_league = 0;
    return fillTeams();
}

bool TLeagueTeamPlayerJoining::fillTeams()
{
    m_teams.clear();
    m_team = -1;
    m_available.clear();
    m_members.clear();
    m_selectedAvailable = m_selectedMember = -1;
    m_teams = m_statements.TeamsOfLeague(m_leagues.at(m_league).Object.ID);
    m_error = m_statements.LastError();
    return m_error.isEmpty();
}

bool TLeagueTeamPlayerJoining::fillPlayers()
{
    m_available.clear();
    m_members.clear();
    m_selectedAvailable = m_selectedMember = -1;
    const int ligaId = m_leagues.at(m_league).Object.ID;
    m_members = m_statements.PlayersOfTeam(ligaId, m_teams.at(m_team).Object.ID);
    if (m_statements.LastError().isEmpty())
        m_available = m_statements.PlayersOnNoTeam(ligaId);
    m_error = m_statements.LastError();
    return m_error.isEmpty();
}

bool TLeagueTeamPlayerJoining::SelectLeague(int index)
{
    if (index < 0 || index >= m_leagues.size())
        return true;
    m_league = index;
    if (!fillTeams())
        return false;
    if (m_teams.isEmpty())
        return true;
    m_team = 0;
    return fillPlayers();
}

bool TLeagueTeamPlayerJoining::ClickTeam(int index)
{
    if (m_league < 0 || index < 0 || index >= m_teams.size())
        return true;
    m_team = index;
    return fillPlayers();
}

void TLeagueTeamPlayerJoining::ClickAvailable(int index)
{
    if (index < 0 || index >= m_available.size())
        return;
    m_selectedAvailable = index;
    m_addEnabled = true;
}

void TLeagueTeamPlayerJoining::ClickMember(int index)
{
    if (index < 0 || index >= m_members.size())
        return;
    m_selectedMember = index;
    m_removeEnabled = true;
}

bool TLeagueTeamPlayerJoining::Add()
{
    if (m_league < 0 || m_team < 0 || m_selectedAvailable < 0)
        return true;
    if (!m_statements.JoinPlayer(m_leagues.at(m_league).Object, m_teams.at(m_team).Object,
                                 m_available.at(m_selectedAvailable).Object)) {
        m_error = m_statements.LastError();
        return false;
    }
    m_addEnabled = false;
    return fillPlayers();
}

bool TLeagueTeamPlayerJoining::Remove()
{
    if (m_league < 0 || m_team < 0 || m_selectedMember < 0)
        return true;
    if (!m_statements.RemovePlayer(m_leagues.at(m_league).Object, m_teams.at(m_team).Object,
                                   m_members.at(m_selectedMember).Object)) {
        m_error = m_statements.LastError();
        return false;
    }
    m_removeEnabled = false;
    return fillPlayers();
}
