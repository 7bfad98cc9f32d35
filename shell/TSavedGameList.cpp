#include "TSavedGameList.h"

#include "TGameFolder.h"
#include "TGeneralRecord.h"

#include "common/TGuardedFile.h"
#include "model/RecordBuffer.h"

#include <QDir>

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
        for (const QString &file : TGameFolder::GameFiles(row.Code)) {
            QString problem;
            if (TGuardedFile::Check(root.filePath(name + QLatin1Char('/') + file),
                                    TGameFolder::SizeLimit(file),
                                    &problem) == TGuardedFile::TStatus::Refused) {
                row.Problem = problem;
                break;
            }
        }
        QByteArray data;
        bool exists = false;
        if (row.Problem.isEmpty() &&
            !folder.Read(TGameFolder::GeneralFile(row.Code), data, exists, &row.Problem))
            data.clear();
        if (data.size() >= TGeneralRecord::RecordSize) {
            const TRecordReader r(data.constData(), int(data.size()));
            row.HomeTeam = r.String(TGeneralRecord::HomeBlockOffset + TGeneralRecord::TeamNameOffset, 60);
            row.AwayTeam = r.String(TGeneralRecord::AwayBlockOffset + TGeneralRecord::TeamNameOffset, 60);
        }
        rows.append(row);
    }
    return rows;
}
