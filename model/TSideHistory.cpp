#include "TSideHistory.h"

#include "EventKinds.h"
#include "TEventCorrection.h"
#include "TGame.h"
#include "TPlayer.h"

QString TSideHistory::LineText(int number, const QString &caption)
{
    return QStringLiteral("%1: %2").arg(number).arg(caption);
}

bool TSideHistory::Add(const QString &caption, const TGameEvent &event, const QString &seconds)
{
    const int last = m_entries.isEmpty() ? 0 : m_entries.last().Number;
    if (event.Kind == Kind::ClockStep && !m_entries.isEmpty() &&
        m_entries.last().Event.Kind == Kind::ClockStep) {
        // The entry's copy counts the quarter-minutes of the merged ticks.
        Entry &entry = m_entries.last();
        entry.Event.Detail += 1;
        entry.Text =
            LineText(last, QStringLiteral("+%1 %2").arg(PlayerStats::ClockText(entry.Event.Detail), seconds));
        return false;
    }
    m_entries.append(Entry{last + 1, LineText(last + 1, caption), event});
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
