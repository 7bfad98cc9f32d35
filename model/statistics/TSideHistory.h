#pragma once

#include "model/events/TGameEvent.h"

#include <QList>
#include <QString>

class TGame;
struct TEventChange;
struct TFilterArgument;

// One side's history entries: each line number with its text and a copy of
// the event, the selected event, and the corrections that work on them.
// Line numbers are never reused, so deleted lines leave gaps.
class TSideHistory
{
public:
    struct Entry
    {
        int Number = 0;
        QString Text; // "n: caption"
        TGameEvent Event;
    };

    static QString LineText(int number, const QString &caption);

    // A recorded event's line; a tick after a tick adds its quarter-minute to
    // that line instead. `seconds` is the translated word "sec". True when
    // a new entry was appended.
    bool Add(const QString &caption, const TGameEvent &event, const QString &seconds);

    const QList<Entry> &Entries() const { return m_entries; }
    // The highest line number given, deleted or not; 0 before the first line.
    int LastNumber() const { return m_lastNumber; }
    const Entry *Find(int id) const;
    // The last entry passing the filter, -1 when none.
    int LastId(const TFilterArgument &filter) const;
    // Selects every entry numbered so (the last one wins); false when none is.
    bool SelectNumber(int number);
    int SelectedId = -1;

    // Removes an entry without touching the game (a loaded game's deleted
    // event); false when there is none with that ID.
    bool Remove(int id);
    // Why the selected entry cannot be deleted, a text to translate; empty
    // when it can.
    QString DeleteRefusal() const;
    // Deletes the selected entry's event from the game; the deleted ID, or
    // -1 when nothing is selected or the event stays.
    int DeleteSelected(TGame &game);
    // A new caption for an entry's event, under the same number; false when
    // no entry holds that event.
    bool SetCaption(int id, const QString &caption);
    // Changes the event of an entry; its text gets the new caption under the
    // same number. False on a refusal, with the reason in `error`.
    bool Change(TGame &game, int id, const TEventChange &change, QString *error = nullptr);

private:
    QList<Entry> m_entries;
    int m_lastNumber = 0;
};
