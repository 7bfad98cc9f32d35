#pragma once

#include "model/game/TPlayer.h"
#include "model/game/TTeamData.h"

#include <QList>
#include <QString>
#include <functional>
#include <map>
#include <optional>

// One saved game of the "Invidual stats" dialog (a TframeFeldolgozas).
struct TGameLine
{
    QString FolderName; // lblKonyvtar
    QString Folder;     // its full path
    QString Code;       // the folder's game code, whether scheduled or not
    QString Teams;      // lblMerkozes: home - away, empty when not scheduled
    QString ListedCode; // lblMerkozesKod: the code when scheduled, else empty
    // Why the folder's files cannot be trusted (they differ from what the
    // last save wrote, say); empty when they look whole.
    QString Problem;
    bool Ticked = false;
    // The game as the operator knows it: its teams, else its folder.
    QString Label() const { return Teams.isEmpty() ? FolderName : Teams; }
};

// The schedule as the dialog needs it: the team names of a game code.
struct TScheduledGame
{
    bool Found = false;
    QString HomeName; // empty when the team is missing
    QString AwayName;
};
using TScheduleLookup = std::function<TScheduledGame(const QString &code)>;
// What is wrong with the saved game of that code in a folder; empty when nothing.
using TFolderCheck = std::function<QString(const QString &folder, const QString &code)>;

// Sums the player records of saved games per player, without widgets: the
// listing of the save folder, the collection of the ticked games, and the
// accumulated records in key order. Reads saved games as a load reads them
// (an unfinished save in the journal applied, every record checked).
class TNameOrder;
struct TSavedGame;
class TJatekosKimutatasLogic
{
public:
    // The code of the saved game in a folder; empty without one.
    static QString FolderCode(const QString &folder);
    // Every subfolder of saveRoot that holds a saved game, in the
    // order the file system gives them; the lookup and the check may be empty.
    static QList<TGameLine> ListGames(const QString &saveRoot, const TScheduleLookup &lookup,
                                      const TFolderCheck &check = {});
    // The line of one folder, as listed.
    static TGameLine LineOf(const QString &folder, const TScheduleLookup &lookup,
                            const TFolderCheck &check = {});
    // "game: reason" for every ticked line whose folder is damaged: the
    // operator is to be told before they are summed.
    static QStringList Damaged(const QList<TGameLine> &lines);

    // Name, then LigaID, "-", CsapatID, "-", JatekosID.
    static QString Key(const TPlayer &record);
    // The home or away block of a saved game's general record; none when
    // the game has none.
    static std::optional<TTeamData> TeamOf(const TSavedGame &saved, bool home);
    // Adds the summed counters of `record` to `into`.
    static void Accumulate(TPlayer &into, const TPlayer &record);

    // Reads every ticked game in order and adds the records of its teams; a
    // damaged folder is read as its files stand (Damaged() names those
    // first). A game that cannot be read stops it with the game and the
    // file in error, and the records collected before stay as they were.
    // False with an empty error when nothing was ticked.
    bool Collect(const QList<TGameLine> &lines, QString *error);

    struct TRow
    {
        QString Key;
        TPlayer Record;
    };
    // The accumulated records in key order (case-insensitive).
    QList<TRow> Rows() const;
    // The same in the alphabet of the edition's language, as they are printed.
    QList<TRow> Rows(const TNameOrder &names) const;
    int Count() const { return int(m_records.size()); }

private:
    struct TLess
    {
        bool operator()(const QString &a, const QString &b) const
        {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        }
    };
    using TMap = std::map<QString, TPlayer, TLess>;
    static void addTeam(const TPlayer &line, const QList<TPlayer> &players,
                        const std::optional<TTeamData> &team, TMap &into);
    static void add(const TPlayer &record, TMap &into);

    TMap m_records;
};
