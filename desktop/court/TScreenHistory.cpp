#include "TScreenHistory.h"

#include "TScreenItems.h"
#include "model/corrections/TEventCorrection.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"

#include <algorithm>

TScreenHistory::TScreenHistory(int side, TScreenItems &items,
                               std::function<QString(const QString &)> translate)
    : m_side(side), m_items(items), m_translate(std::move(translate))
{
}

QString TScreenHistory::LineLabel(int side, int line)
{
    return QStringLiteral("lblHistoryViewCsapat%1Label_%2").arg(side).arg(line);
}

void TScreenHistory::AddLine(const QString &caption, const TGameEvent &event)
{
    if (m_log.Add(caption, event, m_translate(QStringLiteral("sec")))) {
        const Entry &entry = m_log.Entries().last();
        m_table.Append(event.Id, entry.Text, event.Kind, event.PlayerId);
        m_table.PositionAtEnd();
    } else {
        m_table.SetLastCaption(m_log.Entries().last().Text);
    }
    LineDown();
}

void TScreenHistory::Hold(int id)
{
    AddLine(QString(), TGameEvent(id, 0, 0, m_side, 0));
}

void TScreenHistory::Drop(int id)
{
    if (!m_log.Remove(id))
        return;
    m_table.Remove(id);
    Redraw();
}

void TScreenHistory::LineUp()
{
    m_table.LineUp();
    Redraw();
}

void TScreenHistory::LineDown()
{
    m_table.LineDown();
    Redraw();
}

void TScreenHistory::PageUp()
{
    for (int i = 0; i < PageLines(); ++i)
        LineUp();
}

void TScreenHistory::PageDown()
{
    for (int i = 0; i < PageLines(); ++i)
        LineDown();
}

bool TScreenHistory::SelectLine(int line)
{
    if (line < 1 || line > TParquetixHistory::VisibleLines || m_table.Slots[size_t(line - 1)] == -1)
        return false;
    m_log.SelectedId = m_table.Slots[size_t(line - 1)];
    Redraw();
    return true;
}

void TScreenHistory::Redraw()
{
    for (int k = 1; k <= TParquetixHistory::VisibleLines; ++k) {
        TScreenItem &label = m_items.Get(LineLabel(m_side, k));
        label.Text.clear();
        label.Bold = false;
        m_table.Slots[size_t(k - 1)] = -1;
    }
    const int first = m_table.Current();
    // An empty table has no current record (0) and shows nine empty lines.
    const int last = first == 0 ? -1 : std::min(first + TParquetixHistory::VisibleLines - 1, m_table.Count());
    for (int position = first; position <= last; ++position) {
        const TParquetixHistory::Record &record = m_table.At(position);
        const int k = position - first + 1;
        TScreenItem &label = m_items.Get(LineLabel(m_side, k));
        label.Text = record.Caption;
        label.Bold = record.ID == m_log.SelectedId;
        m_table.Slots[size_t(k - 1)] = record.ID;
    }
    if (m_redrawn)
        m_redrawn();
}

bool TScreenHistory::DeleteSelected(TGame &game)
{
    const int id = m_log.DeleteSelected(game);
    if (id < 0)
        return false;
    m_table.Remove(id);
    Redraw();
    return true;
}

void TScreenHistory::SelectLast()
{
    m_log.SelectedId = m_table.LastId();
    Redraw();
}

bool TScreenHistory::GoTo(int number)
{
    if (m_log.SelectNumber(number))
        m_table.PositionOn(m_log.SelectedId);
    Redraw();
    return m_log.Find(m_log.SelectedId) != nullptr;
}

bool TScreenHistory::SelectId(int id)
{
    if (!m_log.Find(id))
        return false;
    m_log.SelectedId = id;
    // The line in the middle of the box, with what was recorded around it.
    if (m_table.PositionOn(id)) {
        for (int i = 0; i < TParquetixHistory::VisibleLines / 2; ++i)
            m_table.LineUp();
        while (m_table.Current() > std::max(1, m_table.Count() - TParquetixHistory::VisibleLines + 1) &&
               m_table.LineUp()) {
        }
    }
    Redraw();
    return true;
}

void TScreenHistory::ApplyFilter(const TFilterArgument &filter)
{
    if (filter.On())
        m_table.SetFilter(
            [filter](const TParquetixHistory::Record &r) { return filter.Matches(r.EventID, r.PlayerID); });
    else
        m_table.SetFilter({});
    Redraw();
}

void TScreenHistory::SetCaption(int id, const QString &caption)
{
    if (!m_log.SetCaption(id, caption))
        return;
    const TGameEvent &event = m_log.Find(id)->Event;
    m_table.Update(id, m_log.Find(id)->Text, event.Kind, event.PlayerId);
    Redraw();
}

bool TScreenHistory::Change(TGame &game, int id, const TEventChange &change, QString *error)
{
    if (!m_log.Change(game, id, change, error))
        return false;
    const TGameEvent &event = m_log.Find(id)->Event;
    m_table.Update(id, m_log.Find(id)->Text, event.Kind, event.PlayerId);
    Redraw();
    return true;
}
