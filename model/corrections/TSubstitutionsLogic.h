#pragma once

#include <QList>
#include <QString>
#include <array>

class TGame;

// The substitutions dialog without widgets: per team the players available
// and the line-up being composed, the buttons' states, the moves by button,
// double click, Enter, hotkey and "L5", and OK, which substitutes until each
// team's players on court are its line-up.
class TSubstitutionsLogic
{
public:
    enum TListKind
    {
        Available = 0,
        Lineup = 1
    };
    struct TEntry
    {
        QString Text;
        int Jersey = 0;
    };
    using TSlots = std::array<int, 4>;

    explicit TSubstitutionsLogic(TGame &game);

    // " 7 : NAME": the jersey right-aligned in two characters.
    static QString EntryText(int jersey, const QString &name);

    // The court screen's hotkey slots at the moment of opening (-1: empty).
    void SetHotkeySlots(int side, const TSlots &hotkeys) { m_slots[size_t(side - 1)] = hotkeys; }
    // Every player of each team into its available list, on court first;
    // the first entry selected.
    void Fill();

    const QList<TEntry> &Entries(int side, TListKind list) const { return m_lists[index(side, list)]; }
    QList<int> Jerseys(int side, TListKind list) const;
    int Selected(int side, TListKind list) const { return m_selected[index(side, list)]; }
    void Select(int side, TListKind list, int row);
    // Selects the entry carrying that jersey; false (and nothing selected) when none does.
    bool SelectJersey(int side, TListKind list, int jersey);

    // Button states: the design states until the first move, computed after each.
    bool AddEnabled(int side) const { return m_addEnabled[size_t(side - 1)]; }
    bool RemoveEnabled(int side) const { return m_removeEnabled[size_t(side - 1)]; }
    bool OkEnabled() const { return m_okEnabled; }

    // ">" and "<": the selected entry moves; nothing when none is selected.
    void Add(int side);
    void Remove(int side);
    // A double click acts as the list's button only while it is enabled.
    void DoubleClick(int side, TListKind list, int row);
    // Enter acts as the list's button whatever its state.
    void Enter(int side, TListKind list);
    // A released player hotkey while the team's available list has the focus.
    void Hotkey(int side, int slot);
    // "L5": the line-up becomes the team's players on court.
    void LastFive(int side);

    // OK: for each team, the line-up's numbers from the last to the first;
    // each number not on court comes on for the first player on court that
    // is not in the line-up. Returns the substitutions made.
    int Apply();

private:
    static size_t index(int side, TListKind list) { return size_t((side - 1) * 2 + list); }
    void move(int side, TListKind from);
    void insert(int side, TListKind list, const TEntry &entry);
    void refreshStates();
    int applyTeam(int side);

    TGame &m_game;
    std::array<QList<TEntry>, 4> m_lists;
    std::array<int, 4> m_selected = {-1, -1, -1, -1};
    std::array<TSlots, 2> m_slots = {TSlots{-1, -1, -1, -1}, TSlots{-1, -1, -1, -1}};
    std::array<bool, 2> m_addEnabled = {true, true};
    std::array<bool, 2> m_removeEnabled = {true, true};
    bool m_okEnabled = false;
};
