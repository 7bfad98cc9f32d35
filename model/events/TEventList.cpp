#include "TEventList.h"

int TEventList::IndexOf(const QString &key) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Key == key)
            return i;
    return -1;
}

TGameEvent *TEventList::Find(int id) const
{
    const int i = IndexOf(id);
    return i < 0 ? nullptr : m_entries[i].Event;
}
