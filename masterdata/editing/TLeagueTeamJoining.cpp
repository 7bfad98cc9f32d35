#include "TLeagueTeamJoining.h"

bool TLeagueTeamJoining::fillTeams()
{
    if (m_league < 0) {
        clearLists();
        return true;
    }
    const int ligaId = leagueId();
    return fillLists([&] { return m_statements.TeamsOfLeague(ligaId); },
                     [&] { return m_statements.TeamsNotInLeague(ligaId); });
}

bool TLeagueTeamJoining::SelectLeague(int index)
{
    if (index < 0 || index >= m_leagues.size())
        return true;
    m_league = index;
    return fillTeams();
}

bool TLeagueTeamJoining::Add()
{
    if (m_league < 0 || m_selectedAvailable < 0)
        return true;
    return afterChange(m_statements.JoinTeam(league(), m_available.at(m_selectedAvailable).Object),
                       m_addEnabled, [this] { return fillTeams(); });
}

bool TLeagueTeamJoining::Remove()
{
    if (m_league < 0 || m_selectedMember < 0)
        return true;
    return afterChange(m_statements.RemoveTeam(league(), m_members.at(m_selectedMember).Object),
                       m_removeEnabled, [this] { return fillTeams(); });
}
