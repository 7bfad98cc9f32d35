#include "TLeagueTeamPlayerJoining.h"

bool TLeagueTeamPlayerJoining::fillTeams()
{
    m_teams.clear();
    m_team = -1;
    clearLists();
    m_teams = m_statements.TeamsOfLeague(leagueId());
    m_error = m_statements.LastError();
    return m_error.isEmpty();
}

bool TLeagueTeamPlayerJoining::fillPlayers()
{
    const int ligaId = leagueId();
    const int teamId = m_teams.at(m_team).Object.ID;
    return fillLists([&] { return m_statements.PlayersOfTeam(ligaId, teamId); },
                     [&] { return m_statements.PlayersOnNoTeam(ligaId); });
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

bool TLeagueTeamPlayerJoining::Add()
{
    if (m_league < 0 || m_team < 0 || m_selectedAvailable < 0)
        return true;
    return afterChange(m_statements.JoinPlayer(league(), m_teams.at(m_team).Object,
                                               m_available.at(m_selectedAvailable).Object),
                       m_addEnabled, [this] { return fillPlayers(); });
}

bool TLeagueTeamPlayerJoining::Remove()
{
    if (m_league < 0 || m_team < 0 || m_selectedMember < 0)
        return true;
    return afterChange(
        m_statements.RemovePlayer(league(), m_teams.at(m_team).Object, m_members.at(m_selectedMember).Object),
        m_removeEnabled, [this] { return fillPlayers(); });
}
