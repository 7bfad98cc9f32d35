#pragma once

#include "savegame/TSavedGame.h"

#include "model/review/TGameReview.h"

#include <QString>
#include <functional>

class TGame;
class TGameFolder;
class TGameStore;
class TParquetixApplication;

// The choices of the load wizard's first page.
struct TLoadOptions
{
    // The online check box; the resend choices only count while it is ticked.
    bool Online = false;
    // "Resend all data" instead of "Resend the missing data".
    bool ResendAll = false;
    // Load the files as they stand even when they differ from what the last
    // completed save wrote (a file cut short at a record boundary, say).
    bool LoadDamaged = false;
};

// Rebuilds a game from a saved folder in the steps of the load wizard. The
// whole folder is read and checked first, so a damaged folder is refused
// before the game changes; loading never writes into the folder.
class TGameLoader
{
public:
    // A folder whose files differ from the last completed save is refused
    // unless options.LoadDamaged; then the difference is kept as Warning().
    bool Read(const TGameFolder &folder, const QString &code, QString *error,
              const TLoadOptions &options = {});
    const QString &Warning() const { return m_warning; }
    const TSavedGame &Saved() const { return m_saved; }

    // Game selection: the general record into the game (nothing when the
    // folder has none, so the game data stay empty).
    void ApplyGameData(TGame &game) const;
    // Rosters and timeouts of both teams, keyed as the settings sort them.
    void ApplyRosters(TGame &game) const;
    // The event lists, the histories, the event counter and the resend choices.
    // False when "events_notsend_" is needed but damaged (nothing is changed then).
    bool ApplyEvents(TGame &game, const TLoadOptions &options, QString *error) const;
    // Clock display, period indicator, the break between periods, the line-up
    // tracking and the opening messages.
    // It also rebuilds from the event log what the files keep no field for
    // (RestoreTeamState).
    void ApplyScreenState(TGame &game) const;
    // The operator's decisions about the flags, kept beside the files.
    void ApplyReview(TGame &game) const;

    // The whole load on the application's game: a new game, then every step.
    // On an error nothing is changed, neither the game nor the folder.
    // createScreen, when given, is called with the new game once its rosters
    // are in, so the court screen can receive the history lines.
    static bool Load(TParquetixApplication &app, const QString &folder, const QString &code,
                     const TLoadOptions &options, TGameStore *store, QString *error,
                     const std::function<void(TGame &)> &createScreen = {}, QString *warning = nullptr);

private:
    TSavedGame m_saved;
    TGameReview m_review;
    QString m_warning;
};
