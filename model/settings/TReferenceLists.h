#pragma once

#include "TRefList.h"

#include <QString>

// The three reference lists of "ParquetixData.xml" (read from the home by the
// shell): below a root element of
// any name, the elements TeamDefenseModeList, TurnoverTypeList and
// FoulTypeList; each child element of those is an item with the attributes
// "Id" (a decimal integer) and "Name". Lists keep file order; other elements
// are ignored, and a list element that occurs twice adds its items again.
class TReferenceLists
{
public:
    TRefList DefenseModes;
    TRefList TurnoverTypes;
    TRefList FoulTypes;
    bool Absent = false; // there was no file; the lists are empty

    // Three short lists of types; a file this large is not one of ours.
    static constexpr qint64 MaxFileBytes = qint64(16) << 20;

    // Reads the bytes of a file into `out`; `path` names it in errors. A
    // malformed file (not XML, an item without "Id" or "Name", an "Id" that is
    // not a decimal integer) gives false, an error naming the file and the
    // line, and empty lists: a half-read list would offer the operator a set
    // of types nobody chose.
    static bool Parse(const QByteArray &bytes, const QString &path, TReferenceLists &out,
                      QString *error = nullptr);

    void Clear();
};
