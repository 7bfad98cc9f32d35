#include "TLeagueTeamJoining.h"

bool TLeagueTeamJoining::Open()
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

bool TLeagueTeamJoining::fillTeams()
{
    m_available.clear();
    m_members.clear();
    m_selectedAvailable = m_selectedMember = -1;
    if (m_league < 0)
        return true;
    const int ligaId = m_leagues.at(m_league).Object.ID;
    m_members = m_statements.TeamsOfLeague(ligaId);
    if (m_statements.LastError().isEmpty())
        m_available = m_statements.TeamsNotInLeague(ligaId);
    m_error = m_statements.LastError();
    return m_error.isEmpty();
}

bool TLeagueTeamJoining::SelectLeague(int index)
{
    if (index < 0 || index >= m_leagues.size())
        return true;
    m_league = index;
    return fillTeams();
}

void TLeagueTeamJoining::ClickAvailable(int index)
{
    if (index < 0 || index >= m_available.size())
        return;
    m_selectedAvailable = index;
    m_addEnabled = true;
}

void TLeagueTeamJoining::ClickMember(int index)
{
    if (index < 0 || index >= m_members.size())
        return;
    m_selectedMember = index;
    m_removeEnabled = true;
}

bool TLeagueTeamJoining::Add()
{
    if (m_league < 0 || m_selectedAvailable < 0)
        return true;
    if (!m_statements.JoinTeam(m_leagues.at(m_league).Object, m_available.at(m_selectedAvailable).Object)) {
        m_error = m_statements.LastError();
        return false;
    }
    m_addEnabled = false;
    return fillTeams();
}

bool TLeagueTeamJoining::Remove()
{
    if (m_league < 0 || m_selectedMember < 0)
        return true;
    if (!m_statements.RemoveTeam(m_leagues.at(m_league).Object, m_members.at(m_selectedMember).Object)) {
        m_error = m_statements.LastError();
        return false;
    }
    m_removeEnabled = false;
    return fillTeams();
}
