#pragma once

#include <QList>
#include <QString>

// One row of the load wizard's list of saved games.
struct TSavedGameRow
{
    QString Folder;   // "Könyvtár"
    QString HomeTeam; // "Hazai csapat"
    QString AwayTeam; // "Vendég csapat"
    QString Code;     // "M kód"
    bool operator==(const TSavedGameRow &o) const = default;
};

// Lists the saved games under the save root the way the load wizard does:
// every subfolder holding a "general_*.dat" and a "hazai_*.dat" file is a row,
// the code taken from the "hazai_" file name and the team names from the
// general record of that code (empty when it cannot be read).
class TSavedGameList
{
public:
    static QList<TSavedGameRow> List(const QString &saveRoot);
};
