#pragma once

#include "TStoredMessage.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A game's figures as the recording program counts them, rebuilt from the
// live messages the server stored: every player's and both teams' counters,
// playing times, team fouls of the period, the play-by-play with its running
// score, the shots with their court points and the score over time. Only live
// messages count (neither replaced nor deleted), so a correction or a
// deletion changes the figures as it changed the program's.
class TLiveGame
{
public:
    // The edition decides the valuation, as in the program.
    enum class Edition
    {
        Hungarian,
        English,
        Hebrew,
        Italian,
        French
    };
    // "HUN", "ENG", "HEB", "ITA", "FRA"; empty for anything else.
    static std::optional<Edition> editionOf(const QString &id);

    enum Side
    {
        NoSide = 0,
        Home = 1,
        Away = 2
    };

    enum class Status
    {
        NotStarted,
        Running,
        BetweenPeriods,
        Closed
    };

    // The counters of a player, a team's own line or a team's totals.
    struct Line
    {
        int points = 0;
        int closeMade = 0; // layups and dunks
        int closeMissed = 0;
        int midMade = 0;
        int midMissed = 0;
        int threeMade = 0;
        int threeMissed = 0;
        int freeThrowsMade = 0;
        int freeThrowsMissed = 0;
        int dunksMade = 0;
        int defRebounds = 0;
        int offRebounds = 0;
        int steals = 0;
        int turnovers = 0;
        int personalFouls = 0; // technical fouls included
        int technicalFouls = 0;
        int foulsDrawn = 0;
        int assists = 0;
        int blocks = 0;
        int blocksReceived = 0;
        int playingTime = 0; // quarter-minutes

        int twoMade() const { return closeMade + midMade; }
        int twoAttempts() const { return closeMade + closeMissed + midMade + midMissed; }
        int threeAttempts() const { return threeMade + threeMissed; }
        int fieldGoalsMade() const { return twoMade() + threeMade; }
        int fieldGoalAttempts() const { return twoAttempts() + threeAttempts(); }
        int freeThrowAttempts() const { return freeThrowsMade + freeThrowsMissed; }
        int rebounds() const { return defRebounds + offRebounds; }
        int valuation(Edition edition) const;
        void add(const Line &other);
    };

    struct Player
    {
        QByteArray webId;
        QString name;
        int jersey = 0;
        Side side = NoSide;
        bool starter = false;
        bool onCourt = false;
        Line line;
    };

    struct Team
    {
        QString name;
        QList<int> players; // indexes into players(), in roster order
        Line teamLine;      // events recorded for the team itself
        Line totals;        // players and team line together
        int teamFouls = 0;  // players' personal fouls of the period
        int timeouts = 0;
    };

    // One line of the play-by-play.
    struct Play
    {
        qint64 id = 0;
        int code = 0;  // the message code
        int tipus = 0; // shot kind 1..5 in shots
        Side side = NoSide;
        int player = -1; // index into players(); -1 for team events
        int playerIn = -1;
        int playerOut = -1; // substitutions
        int clock = 0;      // quarter-minutes when it was recorded
        int stretch = 1;    // period or overtime, counted by TPeriodRule
        int home = 0;       // the score after it
        int away = 0;
        int points = 0; // points it scored
    };

    struct Shot
    {
        qint64 id = 0;
        Side side = NoSide;
        int player = -1;
        int tipus = 0;
        bool made = false;
        int x = 0; // court point frame, 240 across and 359 along
        int y = 0;
    };

    struct ScorePoint
    {
        int clock = 0;
        int home = 0;
        int away = 0;
    };

    static TLiveGame build(const QByteArray &game, const QList<TStoredMessage> &messages);

    // Points of a made shot by its "tipus": free throw 1, three 3, others 2.
    static int shotPoints(int tipus);

    QByteArray game() const { return m_game; }
    // The highest arrival number among the game's messages: changes with every message.
    qint64 version() const { return m_version; }
    const Team &team(Side side) const { return side == Away ? m_away : m_home; }
    const QList<Player> &players() const { return m_players; }
    int homeScore() const { return m_home.totals.points; }
    int awayScore() const { return m_away.totals.points; }
    Status status() const { return m_status; }
    // Quarter-minutes played (clock steps received).
    int clock() const { return m_clock; }
    // The period or overtime being played or just ended.
    int stretch() const { return m_stretch; }
    int periodLength() const { return m_periodLength; }
    // Play-by-play oldest first, ordered by event id.
    const QList<Play> &plays() const { return m_plays; }
    const QList<Shot> &shots() const { return m_shots; }
    // The score after every scoring play, from 0:0.
    const QList<ScorePoint> &scoreGraph() const { return m_graph; }
    // Events of players the roster did not announce (the server missed the game's start).
    int unattributed() const { return m_unattributed; }

private:
    int playerIndex(const QByteArray &webId) const;
    Team &teamOf(Side side) { return side == Away ? m_away : m_home; }

    QByteArray m_game;
    qint64 m_version = 0;
    Team m_home;
    Team m_away;
    QList<Player> m_players;
    Status m_status = Status::NotStarted;
    int m_clock = 0;
    int m_stretch = 1;
    int m_periodLength = 5;
    QList<Play> m_plays;
    QList<Shot> m_shots;
    QList<ScorePoint> m_graph;
    int m_unattributed = 0;
};
