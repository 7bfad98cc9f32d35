#pragma once

#include "TGame.h"
#include "model/services/Services.h"
#include "model/settings/TSettings.h"

#include <memory>

class TReferenceLists;

// The one current game with the settings and the services it is created
// with. Every other object reaches the game through it and never keeps a
// reference across ResetGame. Where the settings and lists come from is the
// application's business (shell/TParquetixApplication).
class TCurrentGame
{
public:
    TCurrentGame();
    ~TCurrentGame();
    TCurrentGame(const TCurrentGame &) = delete;
    TCurrentGame &operator=(const TCurrentGame &) = delete;

    // Services the game is created with; set before the game is (re)created.
    void SetTranslator(ITranslator *translator) { m_services.Translator = translator; }
    void SetPrompter(IPrompter *prompter) { m_services.Prompter = prompter; }
    void SetClockSource(IClockSource *clock) { m_services.Clock = clock; }
    void SetPlayerDirectory(IPlayerDirectory *directory) { m_services.Directory = directory; }
    void SetGameStore(IGameStore *store) { m_services.Store = store; }
    // The screen the current and every later game reports to.
    void SetScreen(IScreenLink *screen);

    // The reference lists into the game and both teams; a team without
    // defence modes gets the one "N/A" mode and none chosen.
    void ApplyReferenceLists(const TReferenceLists &lists);
    // Replaces the game by a new empty one, keeping its online flag.
    void ResetGame();
    static QString NewGameCode();

    TGame &Game() { return *m_game; }
    TSettings &Settings() { return m_settings; }
    const TSettings &Settings() const { return m_settings; }

protected:
    // A fresh game with the present services; its online flag starts unset.
    void StartGame();

private:
    TSettings m_settings;
    TGameServices m_services;
    IScreenLink *m_screen = nullptr;
    std::unique_ptr<TGame> m_game;
};
