#pragma once

#include "model/game/TPlayerList.h"
#include "model/game/TTeam.h"

#include <QList>
#include <vector>

class TGame;

// The per-period report: both teams and every player of the game counted
// over the chosen periods and overtimes only. The caller creates it, sets PeriodFlags,
// calls Build() and reads the teams' totals and team lines and the two
// player lists. It owns its teams and player copies and never changes the game.
class TGameReport
{
public:
    explicit TGameReport(TGame &game);
    ~TGameReport();
    TGameReport(const TGameReport &) = delete;
    TGameReport &operator=(const TGameReport &) = delete;

    // The stretches of the game to include (TPeriodRule: the regular
    // periods, then each overtime), one flag each, all clear at creation.
    std::vector<bool> PeriodFlags;
    THomeTeam HomeTotals;
    TAwayTeam AwayTotals;
    // Sorted by the jersey number in decimal.
    TPlayerList HomePlayers;
    TPlayerList AwayPlayers;

    void Build();

    // The report copy of the game team's player with that identifier, made
    // on first use; players sharing a jersey share one copy. Null when the
    // team has no such player.
    TPlayer *PlayerCopy(int jatekosId, TPlayerList &list, TTeam &gameTeam);
    void AccumulatePeriod(int period);
    // A copy with no counters for every roster player still without one.
    void AddMissingPlayers();

    static QString JerseyKey(const TPlayer &player) { return QString::number(player.JatekosMezSzam); }

private:
    bool replaySubstitution(const TGameEvent &event, QList<TPlayer *> &current, TPlayerList &list,
                            TTeam &team);

    TGame &m_game;
};
