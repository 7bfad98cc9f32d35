#pragma once

#include <QString>

// One row of Staff: a referee ("B"), coach ("E") or stadium ("H") name.
struct TStaffRow
{
    QString Name;
    QString Type;
};
