#include "TOnlineUpdate.h"

#include "masterdata/TMessageTable.h"
#include "model/services/Services.h"

#include "common/TGuardedFile.h"

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
        // The operator checks the address against the settings' one.
        result.error = m_messages.MsgNoConnection + QLatin1Char('\n') +
                       m_translator.Translate(QStringLiteral("Server:"), kForm) + QLatin1Char(' ') +
                       baseAddress;
        if (!transportError.isEmpty())
            result.error += QLatin1Char('\n') + transportError;
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

QString TOnlineUpdate::Summary(const TResult &result, ITranslator &translator)
{
    const auto tr = [&](const char *text) { return translator.Translate(QString::fromUtf8(text), kForm); };
    // The tables as the Databases menu names them.
    const std::pair<const char *, const char *> tables[] = {{"League", "Leagues"},
                                                            {"Team", "Clubs"},
                                                            {"Player", "Players"},
                                                            {"LeagueTeam", "League - Team"},
                                                            {"TeamPlayer", "League - Team - Player"},
                                                            {"Game", "Games"},
                                                            {"Staff", "Referees, coaches, halls"}};
    QStringList lines{tr("The update is done.") + QLatin1Char(' ') + tr("League blocks merged:") +
                      QLatin1Char(' ') + QString::number(result.leagues)};
    for (const auto &[table, caption] : tables) {
        const TdmMain::TChanges c = result.changes.value(QString::fromLatin1(table));
        lines << tr(caption) + QStringLiteral(": ") + tr("added") + QLatin1Char(' ') +
                     QString::number(c.added) + QStringLiteral(", ") + tr("changed") + QLatin1Char(' ') +
                     QString::number(c.changed);
    }
    return lines.join(QLatin1Char('\n'));
}

TOnlineUpdate::TResult TOnlineUpdate::UpdateFromFile(const QString &path)
{
    QByteArray bytes;
    QString problem;
    if (!TGuardedFile::ReadExisting(path, MaxFileBytes, bytes, &problem)) {
        TResult result;
        result.outcome = TOutcome::FileError;
        result.detail = problem;
        result.error = m_translator.Translate(QStringLiteral("Cannot read the update file:"), kForm) +
                       QLatin1Char(' ') + path;
        return result;
    }
    // Line breaks go anyway before parsing, which joins the lines.
    return ImportUpdateText(TUpdateText::Decode(bytes));
}

QString TOnlineUpdate::refusalNote(const TUpdateText::TRefusal &refusal)
{
    QString kind;
    switch (refusal.kind) {
    case TUpdateText::TKind::League:
        kind = QStringLiteral("League block");
        break;
    case TUpdateText::TKind::Team:
        kind = QStringLiteral("Team");
        break;
    case TUpdateText::TKind::Player:
        kind = QStringLiteral("Player");
        break;
    case TUpdateText::TKind::Game:
        kind = QStringLiteral("Game");
        break;
    case TUpdateText::TKind::Staff:
        kind = QStringLiteral("Staff");
        break;
    }
    QString reason;
    switch (refusal.reason) {
    case TUpdateText::TReason::NoName:
        reason = QStringLiteral("it has no name");
        break;
    case TUpdateText::TReason::NoWebId:
        reason = QStringLiteral("it has no web identifier");
        break;
    case TUpdateText::TReason::BadWebId:
        reason = QStringLiteral("this is not a web identifier:");
        break;
    case TUpdateText::TReason::LongWebId:
        reason = QStringLiteral("this web identifier is longer than 12 characters:");
        break;
    case TUpdateText::TReason::ControlCharacter:
        reason = QStringLiteral("a control character or an undefined byte is in its field");
        break;
    }
    return m_translator.Translate(kind, kForm) + QStringLiteral(" \"") + refusal.item +
           QStringLiteral("\" ") + m_translator.Translate(QStringLiteral("was refused:"), kForm) +
           QLatin1Char(' ') + m_translator.Translate(reason, kForm) + QLatin1Char(' ') +
           m_translator.Translate(refusal.field, kForm);
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
    for (const TUpdateText::TRefusal &refusal : parsed.refused)
        result.skipped << refusalNote(refusal);

    if (parsed.blocks.isEmpty()) {
        result.outcome = TOutcome::NoData;
        result.error = m_translator.Translate(
            TUpdateText::Clean(text).trimmed().isEmpty()
                ? QStringLiteral("The update text is empty; nothing changed.")
                : QStringLiteral(
                      "The update text holds no league block that can be merged; nothing changed."),
            kForm);
        return result;
    }

    m_dm.ResetChanges();
    if (!m_dm.BeginTransaction()) {
        result.outcome = TOutcome::StorageError;
        result.error = result.detail = m_dm.LastError();
        return result;
    }
    // Nothing but this merge writes the tables until the commit.
    m_dm.SetRowCache(true);
    m_teamIds.clear();
    int merged = 0;
    QString failure;
    for (const TUpdateText::TLeagueBlock &block : parsed.blocks) {
        if (!mergeBlock(block, &result.warnings)) {
            // Kept before anything else can replace it: the storage's own message.
            failure = m_dm.LastError();
            result.stoppedIn = block.webId + QStringLiteral(" (") + block.name + QLatin1Char(')');
            break;
        }
        ++merged;
    }
    m_dm.SetRowCache(false);
    m_teamIds.clear();
    // What was merged before a failure stays, when the storage can still commit it.
    if (m_dm.Commit()) {
        result.kept = true;
        result.leagues = merged;
        result.changes = m_dm.Changes();
    } else {
        // The storage may have ended the transaction itself (a full disk
        // does): then nothing was written, and its first message says why.
        if (failure.isEmpty())
            failure = m_dm.LastError();
        m_dm.Rollback();
    }
    m_dm.ResetChanges();
    if (!failure.isEmpty()) {
        result.outcome = TOutcome::StorageError;
        result.error = result.detail = failure;
        return result;
    }
    report(TState::Finished);
    return result;
}

int TOnlineUpdate::teamIdByWebId(const QString &webId)
{
    const auto it = m_teamIds.constFind(webId);
    if (it != m_teamIds.constEnd())
        return *it;
    const int id = m_dm.TeamIdByWebId(webId);
    if (id >= 0)
        m_teamIds.insert(webId, id);
    return id;
}

bool TOnlineUpdate::mergeBlock(const TUpdateText::TLeagueBlock &block, QStringList *warnings)
{
    const auto unknownTeam = [&](const QString &what, const QString &item, const QString &teamWebId) {
        *warnings << m_translator.Translate(what, kForm) + QStringLiteral(" \"") + item +
                         QStringLiteral("\" ") +
                         m_translator.Translate(QStringLiteral("names an unknown team; kept with team 0:"),
                                                kForm) +
                         QStringLiteral(" \"") + teamWebId + QLatin1Char('"');
    };
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
        m_teamIds.remove(team.webId); // an added team can change what the web identifier names
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
        const int csapatId = teamIdByWebId(player.teamWebId);
        if (csapatId == 0)
            unknownTeam(QStringLiteral("Player"),
                        player.webId + QStringLiteral(" (") + player.name + QLatin1Char(')'),
                        player.teamWebId);
        if (csapatId < 0 ||
            !m_dm.UpsertTeamPlayer(ligaId, csapatId, jatekosId, block.webId, player.teamWebId, player.webId))
            return false;
        afterItem();
    }

    for (const TUpdateText::TGameItem &game : block.games) {
        const int homeId = teamIdByWebId(game.homeWebId);
        const int awayId = teamIdByWebId(game.awayWebId);
        if (homeId < 0 || awayId < 0)
            return false;
        if (homeId == 0)
            unknownTeam(QStringLiteral("Game"), game.code, game.homeWebId);
        if (awayId == 0)
            unknownTeam(QStringLiteral("Game"), game.code, game.awayWebId);
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
