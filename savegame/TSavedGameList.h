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
    QString Date;     // the game's date as entered
    int HomePoints = 0, AwayPoints = 0;
    // The game was finished: its last event is the closing message.
    bool Closed = false;
    // Why the folder cannot be loaded as it is, naming the file; empty when
    // its files look whole and are what the last save wrote. A damaged
    // folder is still listed, so the others are too.
    QString Problem;
    bool operator==(const TSavedGameRow &o) const = default;
};

// Lists the saved games under the save root the way the load wizard does:
// every subfolder holding a "general_*.dat" and a "hazai_*.dat" file is a row,
// the code taken from the "hazai_" file name and the team names from the
// general record of that code (empty when it cannot be read), with the
// date and score, and whether the game was closed from the last event. Every
// file of the game is checked to be a regular file of a size a game can have
// before anything is read, and to be what the last completed save wrote.
class TSavedGameList
{
public:
    static QList<TSavedGameRow> List(const QString &saveRoot);
    // What is wrong with the game of that code in a folder; empty when nothing.
    static QString Problem(const QString &folder, const QString &code);
};
