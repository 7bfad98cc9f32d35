#pragma once

#include "TGameEvent.h"

#include <QList>
#include <QString>

// An event list of the game: entries keyed by the event's Id in decimal, in
// order of appending; keys may repeat. The game owns the events.
class TEventList
{
public:
    struct Entry
    {
        QString Key;
        TGameEvent *Event = nullptr;
    };

    void Append(TGameEvent *event) { m_entries.append({event->Key(), event}); }
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.isEmpty(); }
    TGameEvent *At(int index) const { return m_entries[index].Event; }
    const QString &KeyAt(int index) const { return m_entries[index].Key; }
    void SetAt(int index, TGameEvent *event) { m_entries[index].Event = event; }
    int IndexOf(const QString &key) const;
    int IndexOf(int id) const { return IndexOf(QString::number(id)); }
    TGameEvent *Find(int id) const;
    void RemoveAt(int index) { m_entries.removeAt(index); }
    void Clear() { m_entries.clear(); }
    const QList<Entry> &Entries() const { return m_entries; }

private:
    QList<Entry> m_entries;
};
