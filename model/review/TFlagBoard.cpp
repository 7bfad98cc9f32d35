#include "TFlagRule.h"

#include "model/game/TGame.h"

namespace {

qint64 key(int side, int eventId)
{
    return (qint64(side) << 32) | quint32(eventId);
}

} // namespace

void TFlagBoard::Attach(const TGame *game, const TSideHistory *home, const TSideHistory *away)
{
    m_game = game;
    m_home = home;
    m_away = away;
    m_stale = true;
}

void TFlagBoard::refresh() const
{
    if (!m_stale)
        return;
    m_stale = false;
    ++m_revision;
    m_flags = m_game ? TFlagRule::Open(*m_game, m_game->Review, m_home, m_away) : QList<TFlag>();
    m_index.clear();
    for (int i = 0; i < m_flags.size(); ++i)
        m_index.insert(key(m_flags[i].Side, m_flags[i].EventId), i);
}

const QList<TFlag> &TFlagBoard::Flags() const
{
    refresh();
    return m_flags;
}

const TFlag *TFlagBoard::Find(int side, int eventId) const
{
    refresh();
    const auto at = m_index.constFind(key(side, eventId));
    return at == m_index.constEnd() ? nullptr : &m_flags[*at];
}

int TFlagBoard::OpenCount(int side) const
{
    int n = 0;
    for (const TFlag &f : Flags())
        n += f.Side == side ? 1 : 0;
    return n;
}

int TFlagBoard::OpenCount(int side, int period) const
{
    int n = 0;
    for (const TFlag &f : Flags())
        n += (f.Side == side && f.Period == period) ? 1 : 0;
    return n;
}

QList<TFlag> TFlagBoard::FlagsOfPeriod(int period) const
{
    QList<TFlag> list;
    for (const TFlag &f : Flags())
        if (f.Period == period)
            list.append(f);
    return list;
}

const TFlag *TFlagBoard::NextFlagged(int side, int line) const
{
    const TFlag *first = nullptr;
    const TFlag *next = nullptr;
    for (const TFlag &f : Flags()) {
        if (f.Side != side)
            continue;
        if (!first || f.Line < first->Line)
            first = &f;
        if (f.Line > line && (!next || f.Line < next->Line))
            next = &f;
    }
    return next ? next : first;
}

int TFlagBoard::Revision() const
{
    refresh();
    return m_revision;
}
