#pragma once

#include <QList>
#include <QString>

// One entry of a reference list of "ParquetixData.xml": a name and its id.
struct TRefItem
{
    QString Name;
    int Id = 0;
    bool operator==(const TRefItem &o) const = default;
};

using TRefList = QList<TRefItem>;
