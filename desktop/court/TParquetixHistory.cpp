#include "TParquetixHistory.h"

void TParquetixHistory::Append(int id, const QString &caption, int eventId, int playerId)
{
    const Record record{id, caption.left(CaptionCapacity), eventId, playerId};
    m_records.append(record);
    if (!m_filter || m_filter(record))
        m_visible.append(record);
    if (m_current == 0 && !m_visible.isEmpty())
        m_current = 1;
}

bool TParquetixHistory::SetLastCaption(const QString &caption)
{
    if (m_records.isEmpty())
        return false;
    m_records.last().Caption = caption.left(CaptionCapacity);
    if (!m_visible.isEmpty() && m_visible.last().ID == m_records.last().ID)
        m_visible.last().Caption = m_records.last().Caption;
    return true;
}

bool TParquetixHistory::Update(int id, const QString &caption, int eventId, int playerId)
{
    for (Record &r : m_records) {
        if (r.ID != id)
            continue;
        r = Record{id, caption.left(CaptionCapacity), eventId, playerId};
        const int current = m_current;
        refilter();
        // A changed line stays where the operator looked at it.
        m_current = std::min(current, Count());
        return true;
    }
    return false;
}

bool TParquetixHistory::Remove(int id)
{
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        if (m_records[i].ID == id) {
            m_records.removeAt(i);
            refilter();
            PositionAtEnd();
            return true;
        }
    }
    return false;
}

void TParquetixHistory::SetFilter(Filter filter)
{
    m_filter = std::move(filter);
    refilter();
    PositionAtEnd();
}

void TParquetixHistory::refilter()
{
    m_visible.clear();
    for (const Record &r : m_records)
        if (!m_filter || m_filter(r))
            m_visible.append(r);
}

void TParquetixHistory::PositionAtEnd()
{
    if (m_visible.isEmpty())
        m_current = 0;
    else if (Count() < VisibleLines)
        m_current = 1;
    else
        m_current = Count() - (VisibleLines - 1);
}

bool TParquetixHistory::PositionOn(int id)
{
    for (int i = 0; i < Count(); ++i) {
        if (m_visible[i].ID == id) {
            m_current = i + 1;
            return true;
        }
    }
    return false;
}

bool TParquetixHistory::LineUp()
{
    if (m_current <= 1)
        return false;
    --m_current;
    return true;
}

bool TParquetixHistory::LineDown()
{
    if (m_current == 0 || m_current >= Count() - (VisibleLines - 1))
        return false;
    ++m_current;
    return true;
}
