#pragma once

#include "TPlayer.h"

#include <QString>
#include <memory>
#include <vector>

// A roster list: players kept sorted by key (text order, case-insensitive),
// duplicates allowed; an equal key goes after the entries already there.
// The list owns its players.
class TPlayerList
{
public:
    int Add(const QString &key, std::unique_ptr<TPlayer> player);
    int Count() const { return int(m_entries.size()); }
    TPlayer *At(int index) const { return m_entries[size_t(index)].Player.get(); }
    const QString &KeyAt(int index) const { return m_entries[size_t(index)].Key; }
    // Position of the first entry with that key; -1 when absent.
    int IndexOf(const QString &key) const;
    std::unique_ptr<TPlayer> Take(int index);
    void Clear() { m_entries.clear(); }

private:
    struct Entry
    {
        QString Key;
        std::unique_ptr<TPlayer> Player;
    };
    std::vector<Entry> m_entries;
};
