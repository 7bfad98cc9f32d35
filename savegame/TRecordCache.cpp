#include "TRecordCache.h"

#include "model/events/TEventList.h"
#include "model/game/TTeam.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

// The newest events are always compared: recording fills an event in around
// the time it is queued.
constexpr size_t NewestChecked = 8;

// Texts that share their data are equal without comparing them: a change of
// either copy detaches it first.
bool sameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

bool sameEvent(const TGameEvent &a, const TGameEvent &b)
{
    return a.Id == b.Id && a.PlayerId == b.PlayerId && a.Kind == b.Kind && a.Detail == b.Detail &&
           a.Side == b.Side && a.Clock == b.Clock && a.FastBreak == b.FastBreak &&
           a.SecondChance == b.SecondChance && a.SubEvent == b.SubEvent && sameText(a.Message, b.Message) &&
           sameText(a.Text, b.Text) && sameText(a.PlayerName, b.PlayerName);
}

} // namespace

std::vector<TRecordCache::TSlot> &TRecordCache::Log(const TEventList &list)
{
    const size_t from = resolve(list, m_log, m_logWatch);
    m_changedFrom[SavedLog] = std::min(m_changedFrom[SavedLog], from);
    m_changedFrom[DumpedLog] = std::min(m_changedFrom[DumpedLog], from);
    return m_log;
}

std::vector<TRecordCache::TSlot> &TRecordCache::Queue(const TEventList &list)
{
    m_changedFrom[SavedQueue] = std::min(m_changedFrom[SavedQueue], resolve(list, m_queue, m_queueWatch));
    return m_queue;
}

size_t TRecordCache::TakeChangedFrom(TReader reader)
{
    const size_t from = m_changedFrom[reader];
    m_changedFrom[reader] = SIZE_MAX;
    return from;
}

void TRecordCache::Clear()
{
    m_events.clear();
    m_players.clear();
    m_log.clear();
    m_queue.clear();
    m_logWatch = {};
    m_queueWatch = {};
    std::fill(std::begin(m_changedFrom), std::end(m_changedFrom), 0);
}

TRecordCache::TCachedEvent *TRecordCache::cached(const TGameEvent *event)
{
    std::unique_ptr<TCachedEvent> &entry = m_events[event];
    if (!entry) {
        entry = std::make_unique<TCachedEvent>();
    } else if (entry->Serial != 0 && sameEvent(entry->Copy, *event)) {
        // Equal texts in new places: keep the record, share the new texts.
        entry->Copy = *event;
        return entry.get();
    }
    entry->Copy = *event;
    entry->Record = event->ToRecord();
    entry->Serial = ++m_serial;
    entry->DumpLine.clear();
    entry->DumpPrefix = -1;
    return entry.get();
}

size_t TRecordCache::resolve(const TEventList &list, std::vector<TSlot> &entries, TEventList::TWatch &watch)
{
    const QList<TEventList::Entry> &items = list.Entries();
    const size_t count = size_t(items.size());
    const size_t before = entries.size();
    const TEventList::TWatch::TLook look = watch.Look(list, before);
    const size_t reported = look.Reported;
    const size_t from = look.Whole || TEventList::CheckEveryLook()
                            ? 0
                            : std::min(reported, count > NewestChecked ? count - NewestChecked : 0);
    entries.resize(count);
    // Positions past the old end are new; a shorter list changed at its end.
    size_t changed = std::min(before, count);
    const TEventList::Entry *item = items.constData();
    for (size_t i = from; i < count; ++i) {
        // Events lie apart in memory: fetch a few ahead while checking this one.
        if (i + 16 < count) {
            const char *ahead = reinterpret_cast<const char *>(item[i + 16].Event);
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 64);
        }
        const TGameEvent *event = item[i].Event;
        TSlot &slot = entries[i];
        if (i < before && slot.Event == event && std::memcmp(slot.Bytes, event, sizeof(TGameEvent)) == 0)
            continue;
        if (i < reported && TEventList::CheckEveryLook())
            qFatal("Event %d (position %d of a list) was changed in place without TGame::EditEvent",
                   event->Id, int(i));
        changed = std::min(changed, i);
        slot.Event = event;
        slot.Entry = cached(event);
        // The event's bytes once its texts are shared with the copy.
        std::memcpy(static_cast<void *>(slot.Bytes), static_cast<const void *>(event), sizeof(TGameEvent));
        slot.Serial = slot.Entry->Serial;
        slot.Line.clear();
        slot.LinePrefix = -1;
    }
    return changed;
}

const QByteArray &TRecordCache::playerRecord(const TPlayer &player)
{
    std::unique_ptr<TCachedPlayer> &entry = m_players[&player];
    if (entry && entry->Copy == player)
        return entry->Record;
    if (!entry)
        entry = std::make_unique<TCachedPlayer>();
    entry->Copy = player;
    entry->Record = player.ToRecord();
    return entry->Record;
}

QByteArray TRecordCache::TeamFile(const TTeam &team)
{
    QByteArray out;
    out.reserve((1 + team.OnCourt.Count() + team.Bench.Count()) * TPlayer::RecordSize);
    out += playerRecord(team.TeamLine);
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench}) {
        const char onBench = list == &team.Bench ? 1 : 0;
        for (int i = 0; i < list->Count(); ++i) {
            const qsizetype at = out.size();
            out += playerRecord(*list->At(i));
            out[at + TPlayer::OnBenchOffset] = onBench;
        }
    }
    return out;
}

QByteArray TRecordCache::TimeoutFile(const TTeam &team)
{
    QByteArray out;
    for (const auto &t : team.Timeouts)
        out += t.second.ToRecord();
    return out;
}
