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
    // Why the folder cannot be loaded, naming the file; empty when its files
    // look whole. A damaged folder is still listed, so the others are too.
    QString Problem;
    bool operator==(const TSavedGameRow &o) const = default;
};

// Lists the saved games under the save root the way the load wizard does:
// every subfolder holding a "general_*.dat" and a "hazai_*.dat" file is a row,
// the code taken from the "hazai_" file name and the team names from the
// general record of that code (empty when it cannot be read). Every file of
// the game is checked to be a regular file of a size a game can have before
// anything is read; nothing else is read, so the list stays quick.
class TSavedGameList
{
public:
    static QList<TSavedGameRow> List(const QString &saveRoot);
};
