#include "TPlayerList.h"

#include <algorithm>

int TPlayerList::Add(const QString &key, std::unique_ptr<TPlayer> player)
{
    const auto pos =
        std::upper_bound(m_entries.begin(), m_entries.end(), key, [](const QString &k, const Entry &e) {
            return k.compare(e.Key, Qt::CaseInsensitive) < 0;
        });
    const auto it = m_entries.insert(pos, Entry{key, std::move(player)});
    return int(it - m_entries.begin());
}

int TPlayerList::IndexOf(const QString &key) const
{
    const auto pos =
        std::lower_bound(m_entries.begin(), m_entries.end(), key, [](const Entry &e, const QString &k) {
            return e.Key.compare(k, Qt::CaseInsensitive) < 0;
        });
    if (pos != m_entries.end() && pos->Key.compare(key, Qt::CaseInsensitive) == 0)
        return int(pos - m_entries.begin());
    return -1;
}

std::unique_ptr<TPlayer> TPlayerList::Take(int index)
{
    auto player = std::move(m_entries[size_t(index)].Player);
    m_entries.erase(m_entries.begin() + index);
    return player;
}
