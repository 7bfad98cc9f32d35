#pragma once

#include "masterdata/editing/TIDObject.h"
#include "masterdata/editing/TMasterStatements.h"

class TdmMain;

// The state of the league - team joining dialog: the league drop-down, the
// teams not in the league and those in it, and the two arrow buttons.
class TLeagueTeamJoining
{
public:
    explicit TLeagueTeamJoining(TdmMain &dm) : m_statements(dm) {}

    // Fills the leagues and, when there is one, selects the first.
    bool Open();
    bool SelectLeague(int index);
    void ClickAvailable(int index);
    void ClickMember(int index);
    // Each does nothing (and succeeds) without the league and team it needs;
    // a storage error leaves every list and button as it was.
    bool Add();
    bool Remove();

    const TIDList &Leagues() const { return m_leagues; }
    const TIDList &Available() const { return m_available; }
    const TIDList &Members() const { return m_members; }
    int SelectedLeague() const { return m_league; }
    int SelectedAvailable() const { return m_selectedAvailable; }
    int SelectedMember() const { return m_selectedMember; }
    bool AddEnabled() const { return m_addEnabled; }
    bool RemoveEnabled() const { return m_removeEnabled; }
    QString LastError() const { return m_error; }

private:
    bool fillTeams();

    TMasterStatements m_statements;
    TIDList m_leagues, m_available, m_members;
    int m_league = -1;
    int m_selectedAvailable = -1;
    int m_selectedMember = -1;
    bool m_addEnabled = false;
    bool m_removeEnabled = false;
    QString m_error;
};
