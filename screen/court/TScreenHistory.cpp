#include "TScreenHistory.h"

#include "TScreenItems.h"
#include "model/EventKinds.h"
#include "model/TPlayer.h"

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
    const int last = m_entries.isEmpty() ? 0 : m_entries.last().Number;
    if (event.Kind == Kind::ClockStep && !m_entries.isEmpty() &&
        m_entries.last().Event.Kind == Kind::ClockStep) {
        // The entry's copy counts the quarter-minutes of the merged ticks.
        Entry &entry = m_entries.last();
        entry.Event.Detail += 1;
        const int units = entry.Event.Detail;
        entry.Text = QStringLiteral("%1: +%2 %3")
                         .arg(last)
                         .arg(PlayerStats::ClockText(units), m_translate(QStringLiteral("sec")));
        m_table.SetLastCaption(entry.Text);
    } else {
        Entry entry{last + 1, QStringLiteral("%1: %2").arg(last + 1).arg(caption), event};
        m_entries.append(entry);
        m_table.Append(event.Id, entry.Text, event.Kind, event.PlayerId);
        m_table.PositionAtEnd();
    }
    LineDown();
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
    m_selectedId = m_table.Slots[size_t(line - 1)];
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
    if (first == 0)
        return;
    const int last = std::min(first + TParquetixHistory::VisibleLines - 1, m_table.Count());
    for (int position = first; position <= last; ++position) {
        const TParquetixHistory::Record &record = m_table.At(position);
        const int k = position - first + 1;
        TScreenItem &label = m_items.Get(LineLabel(m_side, k));
        label.Text = record.Caption;
        label.Bold = record.ID == m_selectedId;
        m_table.Slots[size_t(k - 1)] = record.ID;
    }
}
