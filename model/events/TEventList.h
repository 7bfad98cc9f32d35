#pragma once

#include "TGameEvent.h"

#include <QList>
#include <QString>
#include <array>

// An event list of the game: entries keyed by the event's Id in decimal, in
// order of appending; keys may repeat. The game owns the events; the list
// hands them out read-only, and an event changed in place is reported with
// Touched, so that a reader can look at what changed since it last looked
// (ChangedFrom) instead of at the whole list.
class TEventList
{
public:
    struct Entry
    {
        QString Key;
        const TGameEvent *Event = nullptr;
    };

    TEventList();
    // A copy is a list of its own, with a history of its own.
    TEventList(const TEventList &other);
    TEventList &operator=(const TEventList &other);
    // The list as it stands, for reading: the same list to a reader.
    TEventList View() const { return TEventList(*this, SameList{}); }

    void Append(const TGameEvent *event)
    {
        m_entries.append({event->Key(), event});
        changed(int(m_entries.size()) - 1);
    }
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.isEmpty(); }
    const TGameEvent *At(int index) const { return m_entries[index].Event; }
    const QString &KeyAt(int index) const { return m_entries[index].Key; }
    void SetAt(int index, const TGameEvent *event)
    {
        m_entries[index].Event = event;
        changed(index);
    }
    int IndexOf(const QString &key) const;
    int IndexOf(int id) const { return IndexOf(QString::number(id)); }
    const TGameEvent *Find(int id) const;
    void RemoveAt(int index)
    {
        m_entries.removeAt(index);
        changed(index);
    }
    void Clear()
    {
        m_entries.clear();
        changed(0);
    }
    const QList<Entry> &Entries() const { return m_entries; }

    // The event, where the list holds it, changed in place.
    void Touched(const TGameEvent *event);

    // Which list this is: a copy keeps the number and the history of the
    // list it was copied from.
    quint64 Identity() const { return m_identity; }
    // Counts the changes of the list.
    quint64 Version() const { return m_version; }
    // The first index that may differ from what the list held at that
    // version: Count() when nothing changed, 0 when the list no longer knows.
    int ChangedFrom(quint64 version) const;

    // Whether readers that follow the changes also look at every event each
    // time and stop the program at a change no list was told of (the tests
    // run so, by PARQUETIX_CHECK_EVERY_LOOK). Otherwise they look at every
    // event now and then and take in what they find.
    static bool CheckEveryLook();
    static void SetCheckEveryLook(bool on);

    // What a reader that keeps something per position last saw of a list.
    struct TWatch
    {
        quint64 Identity = 0;
        quint64 Version = 0;
        unsigned Looks = 0;

        struct TLook
        {
            // Positions before this one are as the reader kept them, unless an
            // event was changed in place without the list being told.
            size_t Reported = 0;
            // This look should take every position (one look in 64), so that
            // such a change is still found.
            bool Whole = false;
        };
        // The reader kept `kept` positions; the watch then takes the list as it is now.
        TLook Look(const TEventList &list, size_t kept);
    };

private:
    struct SameList
    {
    };
    TEventList(const TEventList &other, SameList)
        : m_entries(other.m_entries), m_identity(other.m_identity), m_version(other.m_version),
          m_changes(other.m_changes)
    {
    }
    void changed(int index);

    static constexpr size_t Remembered = 64;
    QList<Entry> m_entries;
    quint64 m_identity;
    quint64 m_version = 0;
    // The index of each of the last changes, by version.
    std::array<int, Remembered> m_changes{};
};
