#include "TJoiningLists.h"

bool TJoiningLists::Open()
{
    m_leagues = m_statements.Leagues();
    m_error = m_statements.LastError();
    m_league = -1;
    if (!m_error.isEmpty())
        return false;
    if (m_leagues.isEmpty())
        return true;
    m_league = 0;
    return leagueChosen();
}

void TJoiningLists::ClickAvailable(int index)
{
    if (index < 0 || index >= m_available.size())
        return;
    m_selectedAvailable = index;
    m_addEnabled = true;
}

void TJoiningLists::ClickMember(int index)
{
    if (index < 0 || index >= m_members.size())
        return;
    m_selectedMember = index;
    m_removeEnabled = true;
}

void TJoiningLists::clearLists()
{
    m_available.clear();
    m_members.clear();
    m_selectedAvailable = m_selectedMember = -1;
}

bool TJoiningLists::fillLists(const std::function<TIDList()> &members,
                              const std::function<TIDList()> &available)
{
    clearLists();
    m_members = members();
    if (m_statements.LastError().isEmpty())
        m_available = available();
    m_error = m_statements.LastError();
    return m_error.isEmpty();
}

bool TJoiningLists::afterChange(bool ok, bool &button, const std::function<bool()> &refill)
{
    if (!ok) {
        m_error = m_statements.LastError();
        return false;
    }
    button = false;
    return refill();
}
