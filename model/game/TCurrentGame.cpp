#include "TCurrentGame.h"

#include "GameCode.h"
#include "model/services/IScreenLink.h"
#include "model/settings/TReferenceLists.h"

TCurrentGame::TCurrentGame()
{
    m_services.Settings = &m_settings;
    m_game = std::make_unique<TGame>(m_services);
}

TCurrentGame::~TCurrentGame() = default;

void TCurrentGame::SetScreen(IScreenLink *screen)
{
    m_screen = screen;
    m_game->SetScreen(screen);
}

void TCurrentGame::StartGame()
{
    m_game = std::make_unique<TGame>(m_services);
    m_game->SetScreen(m_screen);
}

void TCurrentGame::ResetGame()
{
    const bool online = m_game->Online;
    m_game.reset();
    m_game = std::make_unique<TGame>(m_services);
    m_game->Online = online;
    m_game->SetScreen(m_screen);
}

void TCurrentGame::ApplyReferenceLists(const TReferenceLists &lists)
{
    TGame &game = *m_game;
    game.TurnoverTypes = lists.TurnoverTypes;
    game.FoulTypes = lists.FoulTypes;
    for (TTeam *team : {static_cast<TTeam *>(&game.HomeTeam()), static_cast<TTeam *>(&game.AwayTeam())}) {
        team->DefenseModes = lists.DefenseModes;
        team->DefenseModeIndex = -1;
        if (team->DefenseModes.isEmpty())
            team->DefenseModes.append(TRefItem{QStringLiteral("N/A"), 1});
        else
            team->DefenseModeIndex = 0;
    }
}

QString TCurrentGame::NewGameCode()
{
    return ::NewGameCode();
}
