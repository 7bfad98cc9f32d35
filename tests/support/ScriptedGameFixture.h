#pragma once

#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "support/SampleGame.h"

#include <gtest/gtest.h>

// A game of the sample rosters on a fixed clock and a headless screen,
// recorded through the script runner exactly as the screen records.
class ScriptedGameFixture : public ::testing::Test
{
protected:
    ScriptedGameFixture()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          game(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock}),
          script(game, screen)
    {
        game.SetScreen(&screen);
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
    }
    // A store a test gives the game is a member of the test, gone before the
    // game, which reaches its store when it ends.
    ~ScriptedGameFixture() override { game.SetStore(nullptr); }

    void SetUpRoster(int periodLength = 10)
    {
        run(QStringLiteral("\ngame code=ABC1DEF2\n") + SampleRoster());
        run(QStringLiteral("length %1").arg(periodLength));
    }

    void run(const QString &text) { ASSERT_TRUE(script.Run(text)) << script.Error().toStdString(); }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            run(QStringLiteral("tick"));
    }

    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    THeadlessScreen screen;
    TGame game;
    TGameScript script;
};
