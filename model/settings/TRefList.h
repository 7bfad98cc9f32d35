#pragma once

#include <QList>
#include <QString>

// One entry of a reference list of "ParquetixData.xml": a defence mode, a
// turnover type or a foul type, with the id its live messages carry.
struct TRefItem
{
    QString Name;
    int Id = 0;

    friend bool operator==(const TRefItem &, const TRefItem &) = default;
};

// A reference list in file order.
using TRefList = QList<TRefItem>;
