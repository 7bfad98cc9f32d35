#include "TParquetixHistory.h"

void TParquetixHistory::Append(int id, const QString &caption, int eventId, int playerId)
{
    m_records.append(Record{id, caption.left(CaptionCapacity), eventId, playerId});
    if (m_current == 0)
        m_current = 1;
}

bool TParquetixHistory::SetLastCaption(const QString &caption)
{
    if (m_records.isEmpty())
        return false;
    m_records.last().Caption = caption.left(CaptionCapacity);
    return true;
}

void TParquetixHistory::PositionAtEnd()
{
    if (m_records.isEmpty())
        m_current = 0;
    else if (Count() < VisibleLines)
        m_current = 1;
    else
        m_current = Count() - (VisibleLines - 1);
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
