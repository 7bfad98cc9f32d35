#pragma once

#include "model/TPlayer.h"
#include "model/TTeamData.h"

#include <QMap>
#include <QString>

class TGame;

// The counts of one period, replayed from the event log the way the
// per-period report counts them: a report copy per player (filed by jersey
// in decimal, so two players sharing a jersey share a copy), the team line of
// the team events and the team totals. The period file of the data dumps is
// written from it.
class TPeriodReplay
{
public:
    struct TSide
    {
        TTeamTotals Totals;
        TPlayer TeamLine;
        QMap<QString, TPlayer> Players;
    };

    TPeriodReplay(TGame &game, int period);

    const TSide &Home() const { return m_sides[0]; }
    const TSide &Away() const { return m_sides[1]; }
    const TSide &Side(int sideNumber) const { return m_sides[sideNumber == 1 ? 0 : 1]; }
    // The report copy of a roster player.
    const TPlayer *Copy(int sideNumber, const TPlayer &player) const;
    // Positions (from 0) in the event log of events that could not be counted.
    const QList<int> &Errors() const { return m_errors; }

    // Whether an event stored at that clock belongs to period n (1 to 5).
    static bool InPeriod(int clock, int period, int periodTicks);

private:
    TPlayer *playerCopy(int sideIndex, int jatekosId);
    TPlayer *copyOf(int sideIndex, const TPlayer &player);

    TGame &m_game;
    TSide m_sides[2];
    QList<int> m_errors;
};
