#include "TJatekosKimutatasLogic.h"

#include "model/TNameOrder.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TJatekosKimutatasLogic::FolderCode(const QString &folder)
{
    const QStringList files =
        QDir(folder).entryList(QStringList{QStringLiteral("hazai*.dat")}, QDir::Files, QDir::Unsorted);
    if (files.isEmpty())
        return {};
    const QString rest = files.first().mid(6);
    return rest.left(rest.indexOf(QLatin1Char('.')));
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
        if (!QDir(folder)
                 .entryList(QStringList{QStringLiteral("hazai*.dat")}, QDir::Files, QDir::Unsorted)
                 .isEmpty())
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

std::optional<TTeamData> TJatekosKimutatasLogic::TeamOf(const QString &folder, const QString &code, bool home)
{
    QFile f(QDir(folder).filePath(QStringLiteral("general_") + code + QStringLiteral(".dat")));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 at = home ? TTeamData::GeneralHomeOffset : TTeamData::GeneralAwayOffset;
    if (!f.seek(at))
        return std::nullopt;
    const QByteArray block = f.read(TTeamData::BlockSize);
    if (block.size() != TTeamData::BlockSize)
        return std::nullopt;
    return TTeamData::FromBlock(block.constData());
}

bool TJatekosKimutatasLogic::readTeamFile(const QString &file, const std::optional<TTeamData> &team,
                                          TMap &into, QString *error)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read (%2)").arg(file, f.errorString());
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (bytes.size() % TPlayer::RecordSize != 0) {
        if (error)
            *error = QStringLiteral("%1: cannot be read (a record is cut short)").arg(file);
        return false;
    }
    for (qsizetype at = 0; at < bytes.size(); at += TPlayer::RecordSize) {
        TPlayer record = TPlayer::FromRecord(bytes.constData() + at);
        // The team's own row comes first; it is named by its team, as the
        // record itself only says "Csapat" (or nothing) for either side.
        if (at == 0 && team && !team->EgyesuletNev.trimmed().isEmpty()) {
            record.JatekosNev = team->EgyesuletNev;
            if (record.CsapatID == 0)
                record.CsapatID = team->CsapatID;
            if (record.LigaID == 0)
                record.LigaID = team->LigaID;
        }
        const auto [it, added] = into.try_emplace(Key(record), record);
        if (!added)
            Accumulate(it->second, record);
    }
    return true;
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
        const QDir folder(line.Folder);
        for (const bool home : {true, false})
            if (!readTeamFile(folder.filePath(QLatin1String(home ? "hazai_" : "vendeg_") + line.Code +
                                              QStringLiteral(".dat")),
                              TeamOf(line.Folder, line.Code, home), records, error))
                return false;
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
