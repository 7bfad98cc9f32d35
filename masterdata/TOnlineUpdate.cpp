#include "TOnlineUpdate.h"

#include "masterdata/TMessageTable.h"
#include "model/Services.h"

#include <QFile>

namespace {

const QString kForm = QStringLiteral("FORM");

} // namespace

TOnlineUpdate::TOnlineUpdate(TdmMain &dm, ITranslator &translator, const TMessageTable &messages)
    : m_dm(dm), m_translator(translator), m_messages(messages)
{
}

QString TOnlineUpdate::StateText(TState state)
{
    switch (state) {
    case TState::Connecting:
        return QStringLiteral("Csatlakozás");
    case TState::Downloaded:
        return QStringLiteral("Adatok letöltése kész");
    case TState::Processing:
        return QStringLiteral("Adatok feldolgozása");
    case TState::Finished:
        return QStringLiteral("Adatok frissítése kész");
    }
    return {};
}

QString TOnlineUpdate::UpdateAddress(const QString &baseAddress, const QString &customerCode)
{
    QString base = baseAddress;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QStringLiteral("/income/update.phtml?code=") + customerCode;
}

void TOnlineUpdate::report(TState state)
{
    if (m_onState)
        m_onState(state, m_translator.Translate(StateText(state), kForm));
}

void TOnlineUpdate::afterItem()
{
    if (m_afterItem)
        m_afterItem();
}

TOnlineUpdate::TResult TOnlineUpdate::RunOnlineUpdate(IUpdateDownloader &downloader,
                                                      const QString &baseAddress, const QString &customerCode,
                                                      const IUpdateDownloader::TProxy &proxy)
{
    TResult result;
    report(TState::Connecting);
    QByteArray body;
    QString transportError;
    if (!downloader.Download(UpdateAddress(baseAddress, customerCode), proxy, body, transportError)) {
        result.outcome = TOutcome::NoConnection;
        result.error = m_messages.MsgNoConnection;
        result.detail = transportError;
        return result;
    }
    report(TState::Downloaded);
    if (body.isEmpty()) {
        result.outcome = TOutcome::EmptyReply;
        return result;
    }
    if (body.contains("error")) {
        result.outcome = TOutcome::Refused;
        result.error = m_messages.MsgUpdateFailed;
        return result;
    }
    return ImportUpdateText(TUpdateText::Decode(body));
}

TOnlineUpdate::TResult TOnlineUpdate::UpdateFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TResult result;
        result.outcome = TOutcome::FileError;
        result.detail = file.errorString();
        result.error = m_translator.Translate(QStringLiteral("Cannot read the update file:"), kForm) +
                       QLatin1Char(' ') + path;
        return result;
    }
    // Line breaks go anyway before parsing, which joins the lines.
    return ImportUpdateText(TUpdateText::Decode(file.readAll()));
}

TOnlineUpdate::TResult TOnlineUpdate::ImportUpdateText(const QString &text)
{
    TResult result;
    report(TState::Processing);
    const TUpdateText parsed = TUpdateText::Parse(text);
    for (const TUpdateText::TSkippedPart &part : parsed.skipped) {
        const QString note =
            part.incomplete
                ? QStringLiteral("The update text ends with an incomplete league block; it was skipped:")
                : QStringLiteral("A malformed league block of the update text was skipped:");
        result.skipped << m_translator.Translate(note, kForm) + QStringLiteral(" \"") + part.excerpt +
                              QLatin1Char('"');
    }

    m_dm.ResetChanges();
    if (!m_dm.BeginTransaction()) {
        result.outcome = TOutcome::StorageError;
        result.error = result.detail = m_dm.LastError();
        return result;
    }
    for (const TUpdateText::TLeagueBlock &block : parsed.blocks) {
        if (!mergeBlock(block)) {
            result.outcome = TOutcome::StorageError;
            result.error = result.detail = m_dm.LastError();
            break;
        }
        ++result.leagues;
    }
    // What was merged before a failure stays.
    if (!m_dm.Commit()) {
        result.outcome = TOutcome::StorageError;
        result.error = result.detail = m_dm.LastError();
        m_dm.Rollback();
    }
    result.changes = m_dm.Changes();
    if (result.outcome == TOutcome::Imported)
        report(TState::Finished);
    return result;
}

bool TOnlineUpdate::mergeBlock(const TUpdateText::TLeagueBlock &block)
{
    const int ligaId = m_dm.UpsertLeague(block.webId, block.name);
    if (ligaId < 0)
        return false;
    afterItem();

    for (const TUpdateText::TTeamItem &team : block.teams) {
        const int csapatId = m_dm.UpsertTeam({.WebID = team.webId,
                                              .EgyesuletNev = team.name,
                                              .EgyesuletRovidNev = team.shortName,
                                              .EgyesuletEredetiNev = team.nativeName});
        if (csapatId < 0 || !m_dm.UpsertLeagueTeam(ligaId, csapatId, block.webId, team.webId))
            return false;
        afterItem();
    }

    for (const TUpdateText::TPlayerItem &player : block.players) {
        const int jatekosId = m_dm.UpsertPlayer({.WebID = player.webId,
                                                 .JatekosNev = player.name,
                                                 .JatekosRovidNev = TUpdateText::ShortName(player.name),
                                                 .Szuletes = player.birthDate,
                                                 .JatekosTestMagassag = player.height,
                                                 .JatekosSuly = player.weight,
                                                 .JatekosPoszt = player.position,
                                                 .JatekosMezSzam = player.jersey,
                                                 .JatekosOrszagID = player.country,
                                                 .JatekosEredetiNev = player.nativeName});
        if (jatekosId < 0)
            return false;
        const int csapatId = m_dm.TeamIdByWebId(player.teamWebId);
        if (csapatId < 0 ||
            !m_dm.UpsertTeamPlayer(ligaId, csapatId, jatekosId, block.webId, player.teamWebId, player.webId))
            return false;
        afterItem();
    }

    for (const TUpdateText::TGameItem &game : block.games) {
        const int homeId = m_dm.TeamIdByWebId(game.homeWebId);
        const int awayId = m_dm.TeamIdByWebId(game.awayWebId);
        if (homeId < 0 || awayId < 0)
            return false;
        if (!m_dm.UpsertGame({.LigaID = ligaId,
                              .HazaiCsapatID = homeId,
                              .VendegCsapatID = awayId,
                              .LigaWebID = block.webId,
                              .HazaiCsapatWebID = game.homeWebId,
                              .VendegCsapatWebID = game.awayWebId,
                              .Datum = game.date,
                              .Nap = game.weekday,
                              .Ora = game.hour,
                              .MerkozesKod = game.code,
                              .Biro1 = game.referee1,
                              .Biro2 = game.referee2,
                              .Biro3 = game.referee3}))
            return false;
        afterItem();
    }

    for (const TUpdateText::TStaffItem &staff : block.staff) {
        if (!m_dm.UpsertStaff(staff.name, staff.type))
            return false;
        afterItem();
    }
    return true;
}
