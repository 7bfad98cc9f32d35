#pragma once

#include "model/services/Services.h"

#include <QString>
#include <functional>

// Keeps recording going when the disk fails: the game stays whole in memory,
// the failure is reported, and the next event saves again (a failed save makes
// the store write the whole folder next time). Used by the court screen, whose
// input handlers must never end on a file error.
class TGuardedGameStore : public IGameStore
{
public:
    explicit TGuardedGameStore(IGameStore &store) : m_store(store) {}

    void SaveGame(TGame &game) override;
    void WriteDumps(TGame &game) override;
    void WritePeriodDump(TGame &game, int period) override;
    void DeleteEarlierDumps(TGame &game) override;
    void DeleteDumps(TGame &game) override;
    void WriteGameDataDump(const TGame &game) override;

    // Called with the error text when an operation fails, and with an empty
    // text when a save succeeds after failures.
    std::function<void(const QString &error)> Report;
    bool Failing() const { return m_failing; }

private:
    template <typename F> void guarded(F &&operation, bool isSave);

    IGameStore &m_store;
    bool m_failing = false;
};
