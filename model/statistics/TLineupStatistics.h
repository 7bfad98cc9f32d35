#pragma once

#include "TLineupList.h"
#include "TQuintetPlayer.h"

#include <QList>

class TGame;

// The line-up statistics: for each team, one record per set of three players
// that were on court together, counting the events and the clock steps of
// the time that line-up played.
class TLineupStatistics
{
public:
    explicit TLineupStatistics(TGame &game) : m_game(game) {}

    // Fills the two lists (expected empty) by replaying AllEvents from the
    // starters on. Each team's list starts with its starters' line-up, even
    // when nothing was recorded.
    void LineupStatistics(TLineupList &home, TLineupList &away);

    // The record of the line-up of these members; a new record with zero
    // counters and the members in the given order is appended when the list
    // holds none with the same key.
    static ToCsereSorok *FindOrAddLineup(TLineupList &list, const QList<TQuintetPlayer> &members);

    // Counts one event into a line-up record: the replay mapping for kinds
    // 1001 to 1009, 1012 and 1013, one quarter-minute for a clock step;
    // anything else, technical fouls included, changes nothing. A missing
    // record is reported to the operator and the replay goes on.
    void SorokEredmenyeProcessEsemeny(int kind, int shotKind, ToCsereSorok *record);

    // The members of a team's line-up: its tracked positions sorted by web identifier.
    static QList<TQuintetPlayer> Members(const QList<TQuintetPlayer> &positions);

private:
    TGame &m_game;
};
