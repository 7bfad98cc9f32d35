#pragma once

#include "model/events/TEventList.h"
#include "model/events/TGameEvent.h"
#include "model/game/TPlayer.h"

#include <QByteArray>
#include <memory>
#include <unordered_map>
#include <vector>

class TTeam;

// The stored records of the game's events and players, built once and reused
// from save to save while the object is unchanged, with the dump line of each
// event beside its record. The saver and the dump writer share it, so an event
// is checked and encoded once per event recorded.
class TRecordCache
{
public:
    struct TCachedEvent
    {
        TGameEvent Copy;
        QByteArray Record;
        // Changes whenever the record does, so savers compare numbers, not bytes.
        quint64 Serial = 0;
        QByteArray DumpLine;
        int DumpPrefix = -1;
    };
    // One position of an event list as last checked, with the event's own
    // bytes as they were then. The cached copy shares the event's texts, so as
    // long as the event still points at them they cannot have changed (a
    // change detaches them): equal bytes mean an unchanged event, and a check
    // reads only the event itself. The serial and the dump line are kept here
    // too, so that walking a list touches only the events.
    struct TSlot
    {
        const TGameEvent *Event = nullptr;
        TCachedEvent *Entry = nullptr;
        alignas(TGameEvent) unsigned char Bytes[sizeof(TGameEvent)] = {};
        quint64 Serial = 0;
        QByteArray Line;
        int LinePrefix = -1;
    };

    // The positions of the event log and of the queue, brought up to date.
    std::vector<TSlot> &Log(const TEventList &list);
    std::vector<TSlot> &Queue(const TEventList &list);

    // Who reads the positions: each learns from where they changed since it
    // last asked.
    enum TReader
    {
        SavedLog,
        DumpedLog,
        SavedQueue,
        Readers
    };
    // The first position that changed since the reader last asked (or the
    // cache was cleared); beyond the end when none did.
    size_t TakeChangedFrom(TReader reader);

    // A team file: the team line, then the on-court and the bench players,
    // each marked with the list it came from.
    QByteArray TeamFile(const TTeam &team);
    static QByteArray TimeoutFile(const TTeam &team);

    // Forgets every record (another game).
    void Clear();

private:
    struct TCachedPlayer
    {
        TPlayer Copy;
        QByteArray Record;
    };
    TCachedEvent *cached(const TGameEvent *event);
    const QByteArray &playerRecord(const TPlayer &player);
    // Returns the first position it changed, or the list's size.
    size_t resolve(const TEventList &list, std::vector<TSlot> &entries, TEventList::TWatch &watch);

    quint64 m_serial = 0;
    std::unordered_map<const TGameEvent *, std::unique_ptr<TCachedEvent>> m_events;
    std::unordered_map<const TPlayer *, std::unique_ptr<TCachedPlayer>> m_players;
    std::vector<TSlot> m_log;
    std::vector<TSlot> m_queue;
    TEventList::TWatch m_logWatch;
    TEventList::TWatch m_queueWatch;
    size_t m_changedFrom[Readers] = {};
};
