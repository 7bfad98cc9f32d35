#include "TMainMenu.h"

const QList<TMenuEntry> &MainMenu()
{
    using C = TMainCommand;
    const auto path = [](std::initializer_list<const char *> captions) {
        QStringList p;
        for (const char *c : captions)
            p << QString::fromUtf8(c);
        return p;
    };
    static const QList<TMenuEntry> menu{
        {path({"File", "Properties"}), C::Properties},
        {path({"File", "-"}), C::None},
        {path({"File", "Exit"}), C::Exit},
        {path({"Program", "Schedule"}), C::Schedule},
        {path({"Program", "Load game"}), C::LoadGame},
        {path({"Program", "-"}), C::None},
        {path({"Program", "Other games statistics"}), C::OtherGames},
        {path({"Program", "-"}), C::None},
        {path({"Program", "My team plays"}), C::MyTeamPlays},
        {path({"Stats", "Invidual stats"}), C::IndividualStats},
        {path({"Databases", "Updates"}), C::Updates},
        {path({"Databases", "Edit", "League"}), C::EditLeague},
        {path({"Databases", "Edit", "Club"}), C::EditClub},
        {path({"Databases", "Edit", "Player"}), C::EditPlayer},
        {path({"Databases", "Edit", "-"}), C::None},
        {path({"Databases", "Edit", "Games"}), C::EditGames},
        {path({"Databases", "Join", "League - Team"}), C::JoinLeagueTeam},
        {path({"Databases", "Join", "League - Team - Player"}), C::JoinLeagueTeamPlayer},
        {path({"Databases", "Empty database"}), C::EmptyDatabase},
        {path({"About"}), C::About},
    };
    return menu;
}
