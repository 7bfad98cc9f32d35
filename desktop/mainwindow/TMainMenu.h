#pragma once

#include <QList>
#include <QStringList>

// What a menu item of the main window does.
enum class TMainCommand
{
    None, // a separator
    Properties,
    Exit,
    Schedule,
    LoadGame,
    OtherGames,
    MyTeamPlays,
    IndividualStats,
    Updates,
    EditLeague,
    EditClub,
    EditPlayer,
    EditGames,
    JoinLeagueTeam,
    JoinLeagueTeamPlayer,
    EmptyDatabase,
    About
};

// One entry of the main menu: the captions from the menu bar down to the
// item (untranslated; "-" as the last one is a separator) and its command.
struct TMenuEntry
{
    QStringList Path;
    TMainCommand Command = TMainCommand::None;

    bool IsSeparator() const { return Path.last() == QLatin1String("-"); }
};

// The main menu in the order it is shown.
const QList<TMenuEntry> &MainMenu();
