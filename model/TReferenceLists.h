#pragma once

#include "model/TRefList.h"

#include <QString>

// The three reference lists of "ParquetixData.xml": below a root element of
// any name, the elements TeamDefenseModeList, TurnoverTypeList and
// FoulTypeList; each child element of those is an item with the attributes
// "Id" (a decimal integer) and "Name". Lists keep file order; other elements
// are ignored, and a list element that occurs twice adds its items again.
class TReferenceLists
{
public:
    static const char *FileName;   // "ParquetixData.xml"

    TRefList DefenseModes;
    TRefList TurnoverTypes;
    TRefList FoulTypes;
    bool Absent = false; // there was no file; the lists are empty

    // Three short lists of types; a file this large is not one of ours.
    static constexpr qint64 MaxFileBytes = qint64(16) << 20;

    // Reads `path` into `out`. A missing file is no error: true, empty lists
    // and Absent set. A malformed file (not XML, an item without "Id" or
    // "Name", an "Id" that is not a decimal integer) gives false, an error
    // naming the file and the line, and empty lists: a half-read list would
    // offer the operator a set of types nobody chose. So is a FIFO, a device,
    // a folder or a file above MaxFileBytes, refused unread.
    static bool Load(const QString &path, TReferenceLists &out, QString *error = nullptr);
    // The same on the bytes of a file; `path` names it in errors.
    static bool Parse(const QByteArray &bytes, const QString &path, TReferenceLists &out,
                      QString *error = nullptr);

    void Clear();
};
