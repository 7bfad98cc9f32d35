#include "TReferenceListsFile.h"

#include "common/TGuardedFile.h"
#include "model/settings/TReferenceLists.h"

const char *TReferenceListsFile::FileName = "ParquetixData.xml";

bool TReferenceListsFile::Load(const QString &path, TReferenceLists &out, QString *error)
{
    out.Clear();
    QByteArray bytes;
    QString problem;
    switch (TGuardedFile::Read(path, TReferenceLists::MaxFileBytes, bytes, &problem)) {
    case TGuardedFile::TStatus::Missing:
        out.Absent = true;
        return true;
    case TGuardedFile::TStatus::Refused:
        if (error)
            *error = problem;
        return false;
    case TGuardedFile::TStatus::Ok:
        break;
    }
    return TReferenceLists::Parse(bytes, path, out, error);
}
