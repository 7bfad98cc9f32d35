#pragma once

#include "TEventList.h"

#include <QMutex>
#include <QString>

// The messages waiting for the statistics server, oldest first. The game
// appends, and puts a corrected event in place of its queued entry; the
// sender reads from the front and acknowledges what the server took, so
// whatever was appended meanwhile stays. Each operation holds the queue's
// lock and is whole on its own. The sender reaches the queue only through
// hand-offs onto the game's thread: the events behind the entries are the
// game's, alive only as long as it is.
class TOutgoingQueue
{
public:
    void Append(TGameEvent *event);
    // Puts the event in place of the first entry of its identifier; false
    // when none waits.
    bool Replace(TGameEvent *event);
    // The event, where queued, changed in place.
    void Touched(const TGameEvent *event);
    // The message of the entry at index; empty beyond the end.
    QString MessageAt(int index) const;
    // The server took the first count entries.
    void Acknowledge(int count = 1);
    void Clear();

    int Count() const;
    bool IsEmpty() const { return Count() == 0; }
    const TGameEvent *At(int index) const;
    QList<TEventList::Entry> Entries() const;
    // The list as it stands, for saving and printing.
    TEventList Snapshot() const;

private:
    mutable QMutex m_lock;
    TEventList m_list;
};
