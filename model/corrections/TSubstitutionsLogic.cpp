#include "TSubstitutionsLogic.h"

#include "model/game/TGame.h"

#include <algorithm>

TSubstitutionsLogic::TSubstitutionsLogic(TGame &game) : m_game(game) {}

QString TSubstitutionsLogic::EntryText(int jersey, const QString &name)
{
    return PlayerStats::RosterEntry(jersey, name);
}

void TSubstitutionsLogic::Fill()
{
    for (int side = 1; side <= 2; ++side) {
        const TTeam &team = m_game.Team(side);
        for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
            for (int i = 0; i < list->Count(); ++i)
                insert(side, Available,
                       {EntryText(list->At(i)->JatekosMezSzam, list->At(i)->JatekosNev),
                        list->At(i)->JatekosMezSzam});
        m_selected[index(side, Available)] = m_lists[index(side, Available)].isEmpty() ? -1 : 0;
    }
}

QList<int> TSubstitutionsLogic::Jerseys(int side, TListKind list) const
{
    QList<int> jerseys;
    for (const TEntry &e : Entries(side, list))
        jerseys.append(e.Jersey);
    return jerseys;
}

void TSubstitutionsLogic::Select(int side, TListKind list, int row)
{
    m_selected[index(side, list)] = row >= 0 && row < Entries(side, list).size() ? row : -1;
}

bool TSubstitutionsLogic::SelectJersey(int side, TListKind list, int jersey)
{
    Select(side, list, int(Jerseys(side, list).indexOf(jersey)));
    return Selected(side, list) >= 0;
}

// Sorted by text, which is jersey order; an equal text goes after the others.
void TSubstitutionsLogic::insert(int side, TListKind list, const TEntry &entry)
{
    QList<TEntry> &entries = m_lists[index(side, list)];
    const auto at =
        std::upper_bound(entries.begin(), entries.end(), entry, [](const TEntry &a, const TEntry &b) {
            return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
        });
    const int row = int(at - entries.begin());
    entries.insert(row, entry);
    int &selected = m_selected[index(side, list)];
    if (selected >= row)
        ++selected;
}

void TSubstitutionsLogic::move(int side, TListKind from)
{
    const TListKind to = from == Available ? Lineup : Available;
    const int row = Selected(side, from);
    if (row < 0)
        return;
    const TEntry entry = m_lists[index(side, from)].takeAt(row);
    m_selected[index(side, from)] = -1;
    insert(side, to, entry);
    refreshStates();
}

void TSubstitutionsLogic::refreshStates()
{
    bool ok = true;
    for (int side = 1; side <= 2; ++side) {
        const qsizetype lineup = Entries(side, Lineup).size();
        m_addEnabled[size_t(side - 1)] = lineup <= 2 && !Entries(side, Available).isEmpty();
        m_removeEnabled[size_t(side - 1)] = lineup > 0;
        ok = ok && lineup == 3;
    }
    m_okEnabled = ok;
}

void TSubstitutionsLogic::Add(int side)
{
    move(side, Available);
}

void TSubstitutionsLogic::Remove(int side)
{
    move(side, Lineup);
}

void TSubstitutionsLogic::DoubleClick(int side, TListKind list, int row)
{
    Select(side, list, row);
    if (list == Available && AddEnabled(side))
        Add(side);
    else if (list == Lineup && RemoveEnabled(side))
        Remove(side);
}

void TSubstitutionsLogic::Enter(int side, TListKind list)
{
    move(side, list);
}

void TSubstitutionsLogic::Hotkey(int side, int slot)
{
    if (slot < 1 || slot > 4 || !AddEnabled(side))
        return;
    const int jersey = m_slots[size_t(side - 1)][size_t(slot - 1)];
    if (jersey >= 0 && SelectJersey(side, Available, jersey))
        Add(side);
    else
        Select(side, Available, -1);
}

void TSubstitutionsLogic::LastFive(int side)
{
    for (int row = int(Entries(side, Lineup).size()) - 1; row >= 0; --row) {
        Select(side, Lineup, row);
        Remove(side);
    }
    const TPlayerList &onCourt = m_game.Team(side).OnCourt;
    for (int i = 0; i < onCourt.Count(); ++i)
        while (SelectJersey(side, Available, onCourt.At(i)->JatekosMezSzam))
            Add(side);
}

namespace {

int positionOfJersey(const TPlayerList &list, int jersey)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->JatekosMezSzam == jersey)
            return i;
    return -1;
}

} // namespace

int TSubstitutionsLogic::applyTeam(int side)
{
    TTeam &team = m_game.Team(side);
    IScreenLink &screen = m_game.Screen();
    const QList<int> numbers = Jerseys(side, Lineup);
    int made = 0;
    // The panel rows address the players, so they must show the lists as they are.
    team.KepernyoMezokFeltoltese(screen);
    for (qsizetype i = numbers.size() - 1; i >= 0; --i) {
        if (positionOfJersey(team.OnCourt, numbers[i]) >= 0)
            continue;
        const int incoming = positionOfJersey(team.Bench, numbers[i]);
        int outgoing = -1;
        for (int p = 0; p < team.OnCourt.Count() && outgoing < 0; ++p)
            if (!numbers.contains(team.OnCourt.At(p)->JatekosMezSzam))
                outgoing = p;
        if (incoming < 0 || outgoing < 0)
            continue;
        team.SetActivePlayer(outgoing + 1, screen);
        team.SetSubstitutionPlayer(incoming + 6, screen);
        const int before = team.Bench.Count() > incoming ? team.Bench.At(incoming)->JatekosID : -1;
        team.Substitute();
        team.KepernyoMezokFeltoltese(screen);
        if (team.FindPlayerById(before).List == &team.OnCourt)
            ++made;
    }
    return made;
}

int TSubstitutionsLogic::Apply()
{
    const int made = applyTeam(1) + applyTeam(2);
    // Before the first clock step the recording gate keeps substitutions out
    // of the log, and so out of the save that recording does.
    if (made > 0 && m_game.Clock == 0)
        m_game.SaveGame();
    return made;
}
