#pragma once

#include "TPickList.h"

#include <QList>
#include <QString>

class IPrompter;
class TMessageTable;
class TGame;
class TTeam;
class TdmMain;
struct TPlayerRow;

// Page 3 or 4 of the new game wizard: one team's players, its three starters
// and its substitute. A chosen player exists twice, in the team's OnCourt or
// Bench under its roster key and in the starting or substitute list.
class TTeamPick
{
public:
    enum class TListId
    {
        Players,
        Starters,
        Substitute
    };

    // side: 1 home, 2 away.
    TTeamPick(TGame &game, int side, IPrompter &prompter, const TMessageTable &messages);

    // The team afresh from the database: its roster emptied, the team block
    // from the Team row (totals zero), the players list from the roster of
    // that league.
    void Load(TdmMain &dm, int ligaId, int csapatId);

    TPickList Players, Starters, Substitute;
    TPickList &List(TListId id);

    bool CanAddStarter() const { return Starters.Count() <= 2 && !Players.IsEmpty(); }
    bool CanRemoveStarter() const { return !Starters.IsEmpty(); }
    bool CanAddSubstitute() const { return Substitute.IsEmpty() && !Players.IsEmpty(); }
    bool CanRemoveSubstitute() const { return !Substitute.IsEmpty(); }
    // "Tovább" on this page.
    bool Complete() const { return Starters.Count() == 3; }

    // ">" and "<": act on the selected entry; false when nothing moved (no
    // selection, or a duplicate the operator was told of).
    bool AddStarter() { return add(Starters); }
    bool AddSubstitute() { return add(Substitute); }
    bool RemoveStarter() { return remove(Starters); }
    bool RemoveSubstitute() { return remove(Substitute); }
    // A double click on an entry of that list.
    bool DoubleClick(TListId id);

    // "I": a new player of the roster into the players list.
    void AddNewPlayer(std::unique_ptr<TPlayer> player);
    // A player of the master data as the team's roster of that league holds him.
    static std::unique_ptr<TPlayer> RosterPlayer(const TPlayerRow &row, int ligaId, int csapatId);

    // The list "Set jersey" works on: the one clicked last.
    void SetClickedList(TListId id)
    {
        m_clicked = id;
        m_hasClicked = true;
    }
    // The selected entry of the list clicked last; null when none.
    const TPlayer *JerseyTarget() const;
    // "Set jersey" on OK of its dialog: false, with the operator told, when
    // the text is not a jersey number or another player of that list (or of
    // the team, for a chosen player) wears it. A chosen player's team copy
    // takes the number and its new key as well.
    bool SetJersey(const QString &newNumber);

    TTeam &Team() { return m_team; }

private:
    bool add(TPickList &target);
    bool remove(TPickList &source);
    bool duplicateInTeam(const TPlayer &player) const;

    TGame &m_game;
    TTeam &m_team;
    IPrompter &m_prompter;
    const TMessageTable &m_messages;
    TListId m_clicked = TListId::Players;
    bool m_hasClicked = false;
};
