#pragma once

#include "model/EventKinds.h"
#include "model/TGame.h"
#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"
#include "support/SampleGame.h"

#include "support/GameLookup.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// A game of two three-player teams with one substitute each, a fixed clock
// and a headless screen; the script runner records exactly as the screen does.
class GameFixture : public ::testing::Test
{
protected:
    GameFixture()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          game(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock}),
          script(game, screen)
    {
        game.SetScreen(&screen);
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
    }

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

    TPlayer &player(int side, int jersey) { return PlayerByJersey(game, side, jersey); }

    TGameEvent *lastQueued() const
    {
        return game.OutgoingQueue.IsEmpty() ? nullptr : game.OutgoingQueue.At(game.OutgoingQueue.Count() - 1);
    }

    // The query of a message without the server prefix.
    static QString query(const TGameEvent *e)
    {
        return e ? e->Message.mid(QStringLiteral("/income/index.phtml?").size()) : QString();
    }

    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    THeadlessScreen screen;
    TGame game;
    TGameScript script;
};
