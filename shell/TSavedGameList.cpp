#include "TSavedGameList.h"

#include "TGameFolder.h"
#include "TGeneralRecord.h"

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
        QByteArray data;
        bool exists = false;
        if (folder.Read(TGameFolder::GeneralFile(row.Code), data, exists, nullptr) &&
            data.size() >= TGeneralRecord::RecordSize) {
            const TRecordReader r(data.constData(), int(data.size()));
            row.HomeTeam = r.String(TGeneralRecord::HomeBlockOffset + TGeneralRecord::TeamNameOffset, 60);
            row.AwayTeam = r.String(TGeneralRecord::AwayBlockOffset + TGeneralRecord::TeamNameOffset, 60);
        }
        rows.append(row);
    }
    return rows;
}
