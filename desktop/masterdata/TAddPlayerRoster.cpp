#include "TAddPlayerRoster.h"

#include "TfrmMasterEdit.h"
#include "masterdata/TdmMain.h"
#include "masterdata/editing/TRowEdit.h"
#include "model/corrections/TAddPlayerLogic.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

#include <QApplication>

namespace {

TPlayer playerOf(const TPlayerRow &row, const TTeam &team)
{
    TPlayer master;
    master.JatekosOrszagID = row.JatekosOrszagID;
    master.JatekosID = row.JatekosID;
    master.WebID = row.WebID;
    master.JatekosNev = row.JatekosNev;
    master.JatekosRovidNev = row.JatekosRovidNev;
    master.Szuletes = row.Szuletes;
    master.JatekosTestMagassag = row.JatekosTestMagassag;
    master.JatekosSuly = row.JatekosSuly;
    master.JatekosPoszt = row.JatekosPoszt;
    master.JatekosMezSzam = row.JatekosMezSzam;
    return TAddPlayerLogic::CandidateRecord(master, team);
}

} // namespace

TAddPlayerRoster::TAddPlayerRoster(const TDialogContext &context)
    : m_context(context), m_runner([](QDialog *d) { return d->exec(); })
{
}

QList<TPlayer> TAddPlayerRoster::Candidates(const TTeam &team)
{
    QList<TPlayer> candidates;
    for (const TTeamPlayerRow &entry : m_context.dm.Roster(team.Data.LigaID, team.Data.CsapatID))
        if (const std::optional<TPlayerRow> row = m_context.dm.PlayerById(entry.JatekosID))
            candidates.append(playerOf(*row, team));
    return candidates;
}

bool TAddPlayerRoster::CreatePlayer(const TTeam &team, TPlayer *candidate)
{
    TdmMain &dm = m_context.dm;
    TRowEdit edit(dm, TMasterKind::Player);
    edit.StartInsert();
    {
        const std::unique_ptr<TfrmMasterEdit> dialog =
            TfrmMasterEdit::Create(m_context, edit, QApplication::activeModalWidget());
        if (m_runner(dialog.get()) != QDialog::Accepted)
            return false;
    }
    const std::optional<TPlayerRow> row = dm.PlayerById(edit.Id());
    if (!row) {
        m_context.prompter.ShowError(dm.LastError());
        return false;
    }
    if (!dm.UpsertTeamPlayer(team.Data.LigaID, team.Data.CsapatID, row->JatekosID,
                             dm.LeagueWebId(team.Data.LigaID), team.Data.WebID, row->WebID)) {
        // The player stays made; the operator learns why the roster row is missing.
        m_context.prompter.ShowError(dm.LastError());
    }
    *candidate = playerOf(*row, team);
    return true;
}
