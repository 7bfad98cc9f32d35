#include "TJatekosKimutatasLogic.h"

#include "model/output/TNameOrder.h"
#include "savegame/TGameFolder.h"
#include "savegame/TSavedGame.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

QString TJatekosKimutatasLogic::FolderCode(const QString &folder)
{
    return TGameFolder(folder).GameCode();
}

TGameLine TJatekosKimutatasLogic::LineOf(const QString &folder, const TScheduleLookup &lookup,
                                         const TFolderCheck &check)
{
    TGameLine line;
    line.Folder = QDir(folder).absolutePath();
    line.FolderName = QFileInfo(line.Folder).fileName();
    line.Code = FolderCode(folder);
    const TScheduledGame game = lookup ? lookup(line.Code) : TScheduledGame();
    if (game.Found) {
        line.ListedCode = line.Code;
        line.Teams = game.HomeName + QStringLiteral(" - ") + game.AwayName;
    }
    if (check && !line.Code.isEmpty())
        line.Problem = check(line.Folder, line.Code);
    return line;
}

QStringList TJatekosKimutatasLogic::Damaged(const QList<TGameLine> &lines)
{
    QStringList damaged;
    for (const TGameLine &line : lines)
        if (line.Ticked && !line.Problem.isEmpty())
            damaged << line.Label() + QStringLiteral(": ") + line.Problem;
    return damaged;
}

QList<TGameLine> TJatekosKimutatasLogic::ListGames(const QString &saveRoot, const TScheduleLookup &lookup,
                                                   const TFolderCheck &check)
{
    QList<TGameLine> lines;
    const QDir root(saveRoot);
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        const QString folder = root.filePath(name);
        if (!FolderCode(folder).isEmpty())
            lines.append(LineOf(folder, lookup, check));
    }
    return lines;
}

QString TJatekosKimutatasLogic::Key(const TPlayer &record)
{
    return QStringLiteral("%1%2-%3-%4")
        .arg(record.JatekosNev)
        .arg(record.LigaID)
        .arg(record.CsapatID)
        .arg(record.JatekosID);
}

void TJatekosKimutatasLogic::Accumulate(TPlayer &into, const TPlayer &r)
{
    qint32 TPlayer::*const counters[] = {
        &TPlayer::Points,         &TPlayer::MissedPoints,     &TPlayer::CloseMade,      &TPlayer::CloseMissed,
        &TPlayer::MidMade,        &TPlayer::MidMissed,        &TPlayer::ThreeMade,      &TPlayer::ThreeMissed,
        &TPlayer::FreeThrowsMade, &TPlayer::FreeThrowsMissed, &TPlayer::DefRebounds,    &TPlayer::OffRebounds,
        &TPlayer::Steals,         &TPlayer::Turnovers,        &TPlayer::PersonalFouls,  &TPlayer::FoulsDrawn,
        &TPlayer::Assists,        &TPlayer::Blocks,           &TPlayer::BlocksReceived, &TPlayer::Rating,
        &TPlayer::PlayingTime,    &TPlayer::DunksMade,        &TPlayer::TechnicalFouls,
    };
    for (qint32 TPlayer::*counter : counters)
        into.*counter += r.*counter;
}

std::optional<TTeamData> TJatekosKimutatasLogic::TeamOf(const TSavedGame &saved, bool home)
{
    if (!saved.HasGeneral)
        return std::nullopt;
    return home ? saved.General.Home : saved.General.Away;
}

void TJatekosKimutatasLogic::add(const TPlayer &record, TMap &into)
{
    const auto [it, added] = into.try_emplace(Key(record), record);
    if (!added)
        Accumulate(it->second, record);
}

void TJatekosKimutatasLogic::addTeam(const TPlayer &line, const QList<TPlayer> &players,
                                     const std::optional<TTeamData> &team, TMap &into)
{
    // The team's own row is named by its team, as the record itself only
    // says "Csapat" (or nothing) for either side.
    TPlayer teamRow = line;
    if (team && !team->EgyesuletNev.trimmed().isEmpty()) {
        teamRow.JatekosNev = team->EgyesuletNev;
        if (teamRow.CsapatID == 0)
            teamRow.CsapatID = team->CsapatID;
        if (teamRow.LigaID == 0)
            teamRow.LigaID = team->LigaID;
    }
    add(teamRow, into);
    for (const TPlayer &player : players)
        add(player, into);
}

bool TJatekosKimutatasLogic::Collect(const QList<TGameLine> &lines, QString *error)
{
    if (error)
        error->clear();
    TMap records = m_records;
    bool any = false;
    for (const TGameLine &line : lines) {
        if (!line.Ticked)
            continue;
        any = true;
        TSavedGame saved;
        QString why;
        if (!TSavedGame::ReadChecked(TGameFolder(line.Folder), line.Code, true, saved, nullptr, &why)) {
            if (error)
                *error = line.Label() + QStringLiteral(": ") + why;
            return false;
        }
        addTeam(saved.HomeLine, saved.HomePlayers, TeamOf(saved, true), records);
        addTeam(saved.AwayLine, saved.AwayPlayers, TeamOf(saved, false), records);
    }
    m_records = std::move(records);
    return any;
}

QList<TJatekosKimutatasLogic::TRow> TJatekosKimutatasLogic::Rows() const
{
    QList<TRow> rows;
    rows.reserve(qsizetype(m_records.size()));
    for (const auto &[key, record] : m_records)
        rows.append({key, record});
    return rows;
}

QList<TJatekosKimutatasLogic::TRow> TJatekosKimutatasLogic::Rows(const TNameOrder &names) const
{
    QList<TRow> rows = Rows();
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const TRow &a, const TRow &b) { return names(a.Key, b.Key); });
    return rows;
}
