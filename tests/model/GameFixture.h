#pragma once

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "support/ScriptedGameFixture.h"

#include "support/GameLookup.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// A game store that counts the saves and writes nothing.
class SaveCounter : public IGameStore
{
public:
    void SaveGame(TGame &) override { ++Saves; }
    void WriteDumps(TGame &) override { ++Dumps; }
    void WritePeriodDump(TGame &, int) override {}
    void DeleteEarlierDumps(TGame &) override {}
    void DeleteDumps(TGame &) override {}
    int Saves = 0;
    int Dumps = 0;
};

// The scripted sample game, its messages addressed to the live server.
class GameFixture : public ScriptedGameFixture
{
protected:
    GameFixture()
    {
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
    }

    TPlayer &player(int side, int jersey) { return PlayerByJersey(game, side, jersey); }

    const TGameEvent *lastQueued() const
    {
        return game.OutgoingQueue.IsEmpty() ? nullptr : game.OutgoingQueue.At(game.OutgoingQueue.Count() - 1);
    }

    // The query of a message without the server prefix.
    static QString query(const TGameEvent *e)
    {
        return e ? e->Message.mid(QStringLiteral("/income/index.phtml?").size()) : QString();
    }
};
