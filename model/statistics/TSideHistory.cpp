#include "TSideHistory.h"

#include "model/corrections/TEventCorrection.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/game/TPlayer.h"

QString TSideHistory::LineText(int number, const QString &caption)
{
    return QStringLiteral("%1: %2").arg(number).arg(caption);
}

bool TSideHistory::Add(const QString &caption, const TGameEvent &event, const QString &seconds)
{
    if (event.Kind == Kind::ClockStep && !m_entries.isEmpty() &&
        m_entries.last().Event.Kind == Kind::ClockStep) {
        // The entry's copy counts the quarter-minutes of the merged ticks.
        Entry &entry = m_entries.last();
        entry.Event.Detail += 1;
        entry.Text = LineText(
            entry.Number, QStringLiteral("+%1 %2").arg(PlayerStats::ClockText(entry.Event.Detail), seconds));
        return false;
    }
    // A deleted last line keeps its number too: a number noted once never
    // names another event.
    m_lastNumber += 1;
    m_entries.append(Entry{m_lastNumber, LineText(m_lastNumber, caption), event});
    return true;
}

const TSideHistory::Entry *TSideHistory::Find(int id) const
{
    for (const Entry &e : m_entries)
        if (e.Event.Id == id)
            return &e;
    return nullptr;
}

int TSideHistory::LastId(const TFilterArgument &filter) const
{
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i)
        if (filter.Matches(m_entries[i].Event.Kind, m_entries[i].Event.PlayerId))
            return m_entries[i].Event.Id;
    return -1;
}

bool TSideHistory::SelectNumber(int number)
{
    bool found = false;
    for (const Entry &e : m_entries) {
        if (e.Number == number) {
            SelectedId = e.Event.Id;
            found = true;
        }
    }
    return found;
}

bool TSideHistory::Remove(int id)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].Event.Id == id) {
            m_entries.removeAt(i);
            if (SelectedId == id)
                SelectedId = -1;
            return true;
        }
    }
    return false;
}

QString TSideHistory::DeleteRefusal() const
{
    const Entry *entry = SelectedId == -1 ? nullptr : Find(SelectedId);
    if (!entry)
        return QStringLiteral("No event is selected: click the line to delete in the history first.");
    if (!TEventCorrection::Deletable(entry->Event.Kind))
        return QStringLiteral("Clock steps and substitutions cannot be deleted: they carry the clock and the "
                              "line-ups.");
    return {};
}

int TSideHistory::DeleteSelected(TGame &game)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < m_entries.size() && at < 0; ++i)
        if (m_entries[i].Event.Id == SelectedId)
            at = i;
    if (SelectedId == -1 || at < 0 || !TEventCorrection::Deletable(m_entries[at].Event.Kind))
        return -1;
    const int id = SelectedId;
    TEventCorrection(game).Delete(m_entries[at].Event);
    m_entries.removeAt(at);
    SelectedId = -1;
    return id;
}

bool TSideHistory::SetCaption(int id, const QString &caption)
{
    for (Entry &e : m_entries) {
        if (e.Event.Id != id)
            continue;
        e.Event.Text = caption;
        e.Text = LineText(e.Number, caption);
        return true;
    }
    return false;
}

bool TSideHistory::Change(TGame &game, int id, const TEventChange &change, QString *error)
{
    for (Entry &e : m_entries) {
        if (e.Event.Id != id)
            continue;
        if (!TEventCorrection(game).Change(e.Event, change, error))
            return false;
        e.Text = LineText(e.Number, e.Event.Text);
        return true;
    }
    if (error)
        *error = QStringLiteral("No history entry with id %1").arg(id);
    return false;
}
