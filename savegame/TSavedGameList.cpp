#include "TSavedGameList.h"

#include "TGameFolder.h"
#include "TGeneralRecord.h"

#include "common/TGuardedFile.h"
#include "model/events/EventKinds.h"
#include "model/events/TGameEvent.h"

#include <QDir>

namespace {

// refused: a file is not to be read at all (not a regular file, too large).
QString problemOf(const TGameFolder &folder, const QString &code, bool *refused = nullptr)
{
    const QDir dir(folder.Path());
    for (const QString &file : TGameFolder::GameFiles(code)) {
        QString problem;
        if (TGuardedFile::Check(dir.filePath(file), TGameFolder::SizeLimit(file), &problem) ==
            TGuardedFile::TStatus::Refused) {
            if (refused)
                *refused = true;
            return problem;
        }
    }
    // As the loader sees it: the unsent events count only when they are resent.
    for (const QString &file : TGameFolder::GameFiles(code)) {
        if (file == TGameFolder::UnsentFile(code))
            continue;
        const QString difference = folder.DifferenceFromLastSave(code, file);
        if (!difference.isEmpty())
            return difference;
    }
    return {};
}

// The last event of the log is the closing message once the game was finished.
bool closedGame(const TGameFolder &folder, const QString &code)
{
    QByteArray data;
    bool exists = false;
    if (!folder.Read(TGameFolder::EventsFile(code), data, exists, nullptr) || data.isEmpty())
        return false;
    const int size = data.size() % TGameEvent::RecordSize == 0      ? TGameEvent::RecordSize
                     : data.size() % TGameEvent::OldRecordSize == 0 ? TGameEvent::OldRecordSize
                                                                    : 0;
    if (size == 0)
        return false;
    const TGameEvent last = TGameEvent::FromRecord(data.constData() + data.size() - size, size);
    return last.Kind == Kind::GameClosed;
}

} // namespace

QString TSavedGameList::Problem(const QString &folder, const QString &code)
{
    return problemOf(TGameFolder(folder), code);
}

QList<TSavedGameRow> TSavedGameList::List(const QString &saveRoot)
{
    QList<TSavedGameRow> rows;
    const QDir root(saveRoot);
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        const TGameFolder folder(root.filePath(name));
        if (folder.Files(QStringLiteral("general_*.dat")).isEmpty() ||
            folder.Files(QStringLiteral("hazai_*.dat")).isEmpty())
            continue;
        TSavedGameRow row;
        row.Folder = name;
        row.Code = folder.GameCode();
        bool refused = false;
        row.Problem = problemOf(folder, row.Code, &refused);
        // A folder that differs from its last save still names its game.
        QByteArray data;
        bool exists = false;
        QString readError;
        if (!refused && !folder.Read(TGameFolder::GeneralFile(row.Code), data, exists, &readError)) {
            if (row.Problem.isEmpty())
                row.Problem = readError;
            data.clear();
        }
        if (data.size() >= TGeneralRecord::RecordSize) {
            const TGeneralRecord general = TGeneralRecord::FromRecord(data.constData());
            row.HomeTeam = general.Home.EgyesuletNev;
            row.AwayTeam = general.Away.EgyesuletNev;
            row.Date = general.GameDate;
            row.HomePoints = general.Home.Totals.Points;
            row.AwayPoints = general.Away.Totals.Points;
        }
        if (row.Problem.isEmpty())
            row.Closed = closedGame(folder, row.Code);
        rows.append(row);
    }
    return rows;
}
