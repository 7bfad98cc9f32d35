#include "TPointerTracker.h"

#include <algorithm>

void TPointerTracker::SetArea(int width, int height)
{
    m_width = std::max(1, width);
    m_height = std::max(1, height);
    GotoXY(m_position.x(), m_position.y());
}

void TPointerTracker::GotoXY(int x, int y)
{
    m_position = QPoint(std::clamp(x, 0, m_width - 1), std::clamp(y, 0, m_height - 1));
}

bool TPointerTracker::Move(int dx, int dy)
{
    const QPoint before = m_position;
    GotoXY(m_position.x() + dx, m_position.y() + dy);
    return m_position != before;
}
