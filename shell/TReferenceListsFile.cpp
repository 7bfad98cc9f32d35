#include "TReferenceListsFile.h"

#include "model/TReferenceLists.h"

#include <QFile>

const char *TReferenceListsFile::FileName = "ParquetixData.xml";

bool TReferenceListsFile::Load(const QString &path, TReferenceLists &out, QString *error)
{
    out.Clear();
    QFile file(path);
    if (!file.exists()) {
        out.Absent = true;
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return TReferenceLists::Parse(file.readAll(), path, out, error);
}
