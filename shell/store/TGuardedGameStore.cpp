#include "TGuardedGameStore.h"

#include "savegame/TFileError.h"

template <typename F> void TGuardedGameStore::guarded(F &&operation, bool isSave)
{
    try {
        operation();
        if (isSave && m_failing) {
            m_failing = false;
            if (Report)
                Report(QString());
        }
    } catch (const TFileError &e) {
        m_failing = true;
        if (Report)
            Report(e.Message());
    }
}

void TGuardedGameStore::SaveGame(TGame &game)
{
    guarded([&] { m_store.SaveGame(game); }, true);
}

void TGuardedGameStore::WriteDumps(TGame &game)
{
    guarded([&] { m_store.WriteDumps(game); }, false);
}

void TGuardedGameStore::WritePeriodDump(TGame &game, int period)
{
    guarded([&] { m_store.WritePeriodDump(game, period); }, false);
}

void TGuardedGameStore::DeleteEarlierDumps(TGame &game)
{
    guarded([&] { m_store.DeleteEarlierDumps(game); }, false);
}

void TGuardedGameStore::DeleteDumps(TGame &game)
{
    guarded([&] { m_store.DeleteDumps(game); }, false);
}

void TGuardedGameStore::WriteGameDataDump(const TGame &game)
{
    guarded([&] { m_store.WriteGameDataDump(game); }, false);
}
