#include "TMasterList.h"

#include "masterdata/TdmMain.h"
#include "masterdata/editing/TRowEdit.h"

#include <algorithm>

int TMasterList::PanelsPerPage(TMasterKind kind)
{
    switch (kind) {
    case TMasterKind::League:
        return 5;
    case TMasterKind::Team:
    case TMasterKind::Player:
        return 3;
    case TMasterKind::Game:
        return 4;
    }
    return 1;
}

QStringList TMasterList::Labels(TMasterKind kind)
{
    switch (kind) {
    case TMasterKind::League:
        return {QStringLiteral("League name"), QStringLiteral("Online league")};
    case TMasterKind::Team:
        return {QStringLiteral("Team name"),  QStringLiteral("Color"),   QStringLiteral("Short name"),
                QStringLiteral("Coach name"), QStringLiteral("Stadium"), QStringLiteral("Stadium phone"),
                QStringLiteral("Seatch")};
    case TMasterKind::Player:
        return {QStringLiteral("Name"),   QStringLiteral("Short name"), QStringLiteral("Birth date"),
                QStringLiteral("Height"), QStringLiteral("Weight"),     QStringLiteral("Pos."),
                QStringLiteral("Jersey")};
    case TMasterKind::Game:
        return {QStringLiteral("Date"),      QStringLiteral("Day"),    QStringLiteral("Hour"),
                QStringLiteral("Game cord"), QStringLiteral("League"), QStringLiteral("Home team"),
                QStringLiteral("Away team")};
    }
    return {};
}

bool TMasterList::Open()
{
    bool ordered = true;
    switch (m_kind) {
    case TMasterKind::League:
        ordered = m_dm.SetOrder(TdmMain::TDataset::tblLiga, QStringLiteral("LigaID"));
        break;
    case TMasterKind::Team:
        ordered = m_dm.SetOrder(TdmMain::TDataset::tblTeam, QStringLiteral("EgyesuletNev"));
        break;
    case TMasterKind::Player:
        ordered = m_dm.SetOrder(TdmMain::TDataset::tblJatekos, QStringLiteral("JatekosNev"));
        break;
    case TMasterKind::Game:
        break; // the schedule keeps its standing order by game code
    }
    if (!ordered) {
        m_error = m_dm.LastError();
        return false;
    }
    if (!read())
        return false;
    m_top = 0;
    m_current = m_rows.isEmpty() ? -1 : 0;
    return true;
}

bool TMasterList::Refresh(int currentId)
{
    if (!read())
        return false;
    int row = 0;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id == currentId)
            row = i;
    m_current = -1;
    ScrollTo(m_top);
    SetCurrent(m_rows.isEmpty() ? -1 : row);
    return true;
}

bool TMasterList::read()
{
    auto n = [](int v) { return QString::number(v); };
    m_rows.clear();
    switch (m_kind) {
    case TMasterKind::League:
        for (const TLeagueRow &r : m_dm.Leagues())
            m_rows << TRow{r.LigaID, {r.LigaNev, r.MusorLetezik}};
        break;
    case TMasterKind::Team:
        for (const TTeamRow &r : m_dm.Teams())
            m_rows << TRow{r.CsapatID,
                           {r.EgyesuletNev, r.EgyesuletSzin, r.EgyesuletRovidNev, r.EgyesuletEdzoNev,
                            r.EgyesuletCsarnok, r.EgyesuletCsarnokTelefon, n(r.EgyesuletCsarnokFerohely)}};
        break;
    case TMasterKind::Player:
        for (const TPlayerRow &r : m_dm.Players())
            m_rows << TRow{r.JatekosID,
                           {r.JatekosNev, r.JatekosRovidNev, r.Szuletes, n(r.JatekosTestMagassag),
                            n(r.JatekosSuly), r.JatekosPoszt, n(r.JatekosMezSzam)}};
        break;
    case TMasterKind::Game:
        for (const TGameRow &r : m_dm.Games())
            m_rows << TRow{r.ID,
                           {r.Datum, TRowEdit::Weekday(r.Datum, r.Nap, m_dm.NameCollator().locale()), r.Ora,
                            r.MerkozesKod, r.LigaNev, r.HazaiCsapatNev, r.VendegCsapatNev}};
        break;
    }
    m_error = m_dm.LastError();
    return m_error.isEmpty();
}

int TMasterList::MaxTop() const
{
    return std::max(0, Count() - PanelsPerPage(m_kind));
}

void TMasterList::ScrollTo(int top)
{
    m_top = std::clamp(top, 0, MaxTop());
}

void TMasterList::SetCurrent(int row)
{
    if (row < 0 || row >= Count()) {
        m_current = Count() ? std::clamp(row, 0, Count() - 1) : -1;
        if (m_current < 0)
            return;
    } else {
        m_current = row;
    }
    const int per = PanelsPerPage(m_kind);
    if (m_current < m_top)
        m_top = m_current;
    else if (m_current >= m_top + per)
        m_top = m_current - per + 1;
}

int TMasterList::PanelOf(int row) const
{
    const int panel = row - m_top;
    return row >= 0 && row < Count() && panel >= 0 && panel < PanelsPerPage(m_kind) ? panel : -1;
}
