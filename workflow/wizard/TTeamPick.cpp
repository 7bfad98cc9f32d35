#include "TTeamPick.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

namespace {

// The team block's texts are cut to their fields in the saved record.
QString cut(const QString &text, int length)
{
    return text.left(length);
}

int findByKey(const TTeam &team, const TPlayerList &list, const TPlayer &player)
{
    const QString key = team.RosterKey(player);
    int found = -1;
    for (int i = 0; i < list.Count(); ++i) {
        if (team.RosterKey(*list.At(i)) != key)
            continue;
        if (list.At(i)->JatekosID == player.JatekosID)
            return i;
        if (found < 0)
            found = i;
    }
    return found;
}

} // namespace

TTeamPick::TTeamPick(TGame &game, int side, IPrompter &prompter, const TMessageTable &messages)
    : m_game(game), m_team(game.Team(side)), m_prompter(prompter), m_messages(messages)
{
}

TPickList &TTeamPick::List(TListId id)
{
    switch (id) {
    case TListId::Starters:
        return Starters;
    case TListId::Substitute:
        return Substitute;
    case TListId::Players:
        break;
    }
    return Players;
}

void TTeamPick::Load(TdmMain &dm, int ligaId, int csapatId)
{
    m_team.ClearRoster();
    Players.Clear();
    Starters.Clear();
    Substitute.Clear();
    m_hasClicked = false;
    if (const std::optional<TTeamRow> row = dm.TeamById(csapatId)) {
        TTeamData &d = m_team.Data;
        d.LigaID = ligaId;
        d.CsapatID = csapatId;
        d.WebID = cut(row->WebID, 12);
        d.EgyesuletNev = cut(row->EgyesuletNev, 60);
        d.EgyesuletRovidNev = cut(row->EgyesuletRovidNev, 3);
        d.EgyesuletSzin = cut(row->EgyesuletSzin, 30);
        d.EgyesuletCim = cut(row->EgyesuletCim, 200);
        d.EgyesuletTel = cut(row->EgyesuletTel, 20);
        d.EgyesuletCsarnokTelefon = cut(row->EgyesuletCsarnokTelefon, 20);
        d.EgyesuletCsarnokFerohely = row->EgyesuletCsarnokFerohely;
        d.EgyesuletEdzoNev = cut(row->EgyesuletEdzoNev, 60);
        d.EgyesuletElnokNev = cut(row->EgyesuletElnokNev, 60);
        d.EgyesuletTechNev = cut(row->EgyesuletTechNev, 60);
        d.EgyesuletGyozelmek = cut(row->EgyesuletGyozelmek, 200);
        d.Totals = TTeamTotals{};
    }
    for (const TTeamPlayerRow &entry : dm.Roster(ligaId, csapatId)) {
        const std::optional<TPlayerRow> row = dm.PlayerById(entry.JatekosID);
        if (!row)
            continue;
        std::unique_ptr<TPlayer> p = RosterPlayer(*row, ligaId, csapatId);
        const QString text = TPickList::EntryText(*p);
        Players.Add(text, std::move(p));
    }
}

std::unique_ptr<TPlayer> TTeamPick::RosterPlayer(const TPlayerRow &row, int ligaId, int csapatId)
{
    auto p = std::make_unique<TPlayer>();
    p->JatekosOrszagID = row.JatekosOrszagID;
    p->JatekosID = row.JatekosID;
    p->WebID = row.WebID;
    p->JatekosNev = row.JatekosNev;
    p->JatekosRovidNev = row.JatekosRovidNev;
    p->Szuletes = row.Szuletes;
    p->JatekosTestMagassag = row.JatekosTestMagassag;
    p->JatekosSuly = row.JatekosSuly;
    p->JatekosPoszt = row.JatekosPoszt;
    p->JatekosMezSzam = row.JatekosMezSzam;
    p->LigaID = ligaId;
    p->CsapatID = csapatId;
    return p;
}

bool TTeamPick::duplicateInTeam(const TPlayer &player) const
{
    const QString key = m_team.RosterKey(player);
    for (const TPlayerList *list : {&m_team.OnCourt, &m_team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (m_team.RosterKey(*list->At(i)) == key)
                return true;
    return false;
}

bool TTeamPick::add(TPickList &target)
{
    const int index = Players.Selected();
    if (index < 0)
        return false;
    if (duplicateInTeam(Players.Player(index))) {
        m_prompter.ShowError(m_game.Settings().SortByName() ? m_messages.MsgSameNamePlayers
                                                            : m_messages.MsgSameJerseyPlayers);
        return false;
    }
    const std::unique_ptr<TPlayer> player = Players.Take(index);
    auto teamCopy = std::make_unique<TPlayer>(*player);
    if (&target == &Starters)
        m_team.AddToCourt(std::move(teamCopy));
    else
        m_team.AddToBench(std::move(teamCopy));
    const QString text = TPickList::EntryText(*player);
    target.Add(text, std::make_unique<TPlayer>(*player));
    return true;
}

bool TTeamPick::remove(TPickList &source)
{
    const int index = source.Selected();
    if (index < 0)
        return false;
    const std::unique_ptr<TPlayer> player = source.Take(index);
    TPlayerList &teamList = &source == &Starters ? m_team.OnCourt : m_team.Bench;
    const int at = findByKey(m_team, teamList, *player);
    if (at >= 0)
        teamList.Take(at);
    const QString text = TPickList::PlainText(*player);
    Players.Add(text, std::make_unique<TPlayer>(*player));
    return true;
}

bool TTeamPick::DoubleClick(TListId id)
{
    switch (id) {
    case TListId::Players:
        if (CanAddStarter())
            return AddStarter();
        if (CanAddSubstitute())
            return AddSubstitute();
        return false;
    case TListId::Starters:
        return CanRemoveStarter() && RemoveStarter();
    case TListId::Substitute:
        return CanRemoveSubstitute() && RemoveSubstitute();
    }
    return false;
}

void TTeamPick::AddNewPlayer(std::unique_ptr<TPlayer> player)
{
    const QString text = TPickList::EntryText(*player);
    Players.Add(text, std::move(player));
}

const TPlayer *TTeamPick::JerseyTarget() const
{
    if (!m_hasClicked)
        return nullptr;
    const TPickList &list = const_cast<TTeamPick *>(this)->List(m_clicked);
    return list.Selected() < 0 ? nullptr : &list.Player(list.Selected());
}

bool TTeamPick::SetJersey(const QString &newNumber)
{
    if (!JerseyTarget())
        return false;
    TPickList &list = List(m_clicked);
    const int index = list.Selected();
    bool ok = false;
    const int number = newNumber.trimmed().toInt(&ok);
    if (!ok || number < 0 || number > 99) {
        m_prompter.ShowError(
            m_game.Translate(QStringLiteral("The jersey number must be a whole number from 0 to 99!")));
        return false;
    }
    TPlayer &player = list.Player(index);
    for (int i = 0; i < list.Count(); ++i)
        if (i != index && list.Player(i).JatekosMezSzam == number) {
            m_prompter.ShowError(m_messages.MsgSameJerseyPlayers);
            return false;
        }
    if (m_clicked != TListId::Players) {
        // The team's copy is renumbered too, so its key follows the entry's.
        TPlayerList &teamList = m_clicked == TListId::Starters ? m_team.OnCourt : m_team.Bench;
        const int at = findByKey(m_team, teamList, player);
        TPlayer renumbered = player;
        renumbered.JatekosMezSzam = number;
        for (const TPlayerList *other : {&m_team.OnCourt, &m_team.Bench})
            for (int i = 0; i < other->Count(); ++i)
                if ((other != &teamList || i != at) && other->At(i)->JatekosMezSzam == number) {
                    m_prompter.ShowError(m_messages.MsgSameJerseyPlayers);
                    return false;
                }
        if (at >= 0) {
            std::unique_ptr<TPlayer> teamCopy = teamList.Take(at);
            teamCopy->JatekosMezSzam = number;
            const QString key = m_team.RosterKey(*teamCopy);
            teamList.Add(key, std::move(teamCopy));
        }
    }
    player.JatekosMezSzam = number;
    list.SetText(index, TPickList::PlainText(player));
    return true;
}
