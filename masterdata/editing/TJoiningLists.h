#pragma once

#include "masterdata/editing/TIDObject.h"
#include "masterdata/editing/TMasterStatements.h"

#include <functional>

class TdmMain;

// What the joining dialogs share: the league drop-down, the list of what can
// join and the list of what has joined, and the two arrow buttons between them.
class TJoiningLists
{
public:
    // Fills the leagues and, when there is one, selects the first.
    bool Open();
    virtual bool SelectLeague(int index) = 0;
    // Each does nothing (and succeeds) without what it needs; a storage error
    // leaves every list and button as it was.
    virtual bool Add() = 0;
    virtual bool Remove() = 0;
    void ClickAvailable(int index);
    void ClickMember(int index);

    const TIDList &Leagues() const { return m_leagues; }
    const TIDList &Available() const { return m_available; }
    const TIDList &Members() const { return m_members; }
    int SelectedLeague() const { return m_league; }
    int SelectedAvailable() const { return m_selectedAvailable; }
    int SelectedMember() const { return m_selectedMember; }
    bool AddEnabled() const { return m_addEnabled; }
    bool RemoveEnabled() const { return m_removeEnabled; }
    QString LastError() const { return m_error; }

protected:
    explicit TJoiningLists(TdmMain &dm) : m_statements(dm) {}
    ~TJoiningLists() = default;

    // Refills what depends on the selected league.
    virtual bool leagueChosen() = 0;
    void clearLists();
    // The members first; the available ones only when that read succeeded.
    bool fillLists(const std::function<TIDList()> &members, const std::function<TIDList()> &available);
    // A failed change keeps the lists; a successful one turns its button off
    // and reads them again.
    bool afterChange(bool ok, bool &button, const std::function<bool()> &refill);
    int leagueId() const { return m_leagues.at(m_league).Object.ID; }
    const TIDObject &league() const { return m_leagues.at(m_league).Object; }

    TMasterStatements m_statements;
    TIDList m_leagues, m_available, m_members;
    int m_league = -1;
    int m_selectedAvailable = -1;
    int m_selectedMember = -1;
    bool m_addEnabled = false;
    bool m_removeEnabled = false;
    QString m_error;
};
