#include "TFlagRule.h"

#include "TFlagTrack.h"
#include "model/game/TGame.h"

TFlagBoard::TFlagBoard() : m_track(std::make_unique<TFlagTrack>()) {}

TFlagBoard::~TFlagBoard() = default;

void TFlagBoard::Attach(const TGame *game, const TSideHistory *home, const TSideHistory *away)
{
    m_game = game;
    m_home = home;
    m_away = away;
    m_stale = true;
    m_track = std::make_unique<TFlagTrack>();
}

void TFlagBoard::refresh() const
{
    if (!m_stale)
        return;
    m_stale = false;
    ++m_revision;
    if (m_game)
        m_track->Update(*m_game, m_game->Review, m_home, m_away);
}

const QList<TFlag> &TFlagBoard::Flags() const
{
    static const QList<TFlag> none;
    refresh();
    return m_game ? m_track->Open() : none;
}

const TFlag *TFlagBoard::Find(int side, int eventId) const
{
    refresh();
    return m_game ? m_track->Find(side, eventId) : nullptr;
}

const TFlag *TFlagBoard::Shown(int side, int eventId) const
{
    return m_game ? m_track->Find(side, eventId) : nullptr;
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
