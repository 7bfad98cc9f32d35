#pragma once

#include <QString>

class TReferenceLists;

// "ParquetixData.xml" in the application home, read into the reference lists.
class TReferenceListsFile
{
public:
    static const char *FileName; // "ParquetixData.xml"

    // Reads `path` into `out`. A missing file is no error: true, empty lists
    // and Absent set. A file that cannot be read or parsed gives false, the
    // error and empty lists (see TReferenceLists::Parse). So is a FIFO, a
    // device, a folder or a file above TReferenceLists::MaxFileBytes, refused
    // unread.
    static bool Load(const QString &path, TReferenceLists &out, QString *error = nullptr);
};
