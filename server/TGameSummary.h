#pragma once

#include "TStoredMessage.h"

#include "common/TPeriodRule.h"

#include <QList>
#include <QString>

#include <optional>

// What the server makes of one game's messages: teams, roster, score, clock
// and the events worth showing. Only live messages count (neither replaced
// nor deleted).
//
// The score is summed from the made shots (1000, by "tipus": free throw 1,
// three 3, every other kind 2), each credited to the side its shooter was
// announced for in the roster (0002, "h"). A deletion carries no
// "hpont"/"vpont", so this stays right after corrections and deletions. When a
// made shot's shooter is not in the roster (the server missed the game's
// start), the score falls back to the "hpont"/"vpont" of the latest live
// message that has them.
class TGameSummary
{
public:
    enum Side
    {
        NoSide = 0,
        Home = 1,
        Away = 2
    };

    struct Player
    {
        QByteArray webId;
        QString name;
        QString jersey;
        Side side = NoSide;
    };

    struct EventLine
    {
        qint64 seq = 0;
        QDateTime received;
        Side side = NoSide;
        QString text;
    };

    static TGameSummary build(const QByteArray &game, const QList<TStoredMessage> &messages);

    static int shotPoints(int tipus);
    static QString shotName(int tipus);

    QByteArray game() const { return m_game; }
    // Names from the latest game header, "_" shown as blanks; empty before one arrived.
    QString homeName() const { return m_homeName; }
    QString awayName() const { return m_awayName; }

    int homeScore() const { return m_homeScore; }
    int awayScore() const { return m_awayScore; }
    // "made shots", "reported" (the fallback) or "incomplete" (shooters
    // missing from the roster and no reported score either).
    QString scoreSource() const { return m_scoreSource; }
    std::optional<int> reportedHome() const { return m_reportedHome; }
    std::optional<int> reportedAway() const { return m_reportedAway; }

    // Whole minutes of play from the latest clock step (1100 "ido"); -1 before one.
    int minutesPlayed() const { return m_minutesPlayed; }
    // Highest period ended (1101 "jr"); 0 before the first period end.
    int periodsEnded() const { return m_periodsEnded; }
    // The latest clock message is a period end.
    bool betweenPeriods() const { return m_betweenPeriods; }
    bool closed() const { return m_closed; }
    // "Final", "End of period 1", "Period 2 · 7 min played", "Overtime 1 ·
    // 11 min played", "End of overtime 2", "Not started".
    QString statusText() const;
    // "Period 2" or "Overtime 1": the stretch of the game (TPeriodRule, as
    // the client counts "jr") by the game's period length.
    QString periodName(int stretch) const;
    // The build's five minutes unless the first period ended at 10 or 12.
    int periodLength() const { return m_periodLength; }

    const QList<Player> &roster() const { return m_roster; }
    // Events worth showing, oldest first: no headers, rosters, clock steps,
    // playing-time reports or screen notices.
    const QList<EventLine> &events() const { return m_events; }
    qint64 messageCount() const { return m_messageCount; }
    QDateTime lastReceived() const { return m_lastReceived; }

private:
    const Player *player(const QByteArray &webId) const;
    QString playerText(const QByteArray &webId) const;

    QByteArray m_game;
    QString m_homeName;
    QString m_awayName;
    int m_homeScore = 0;
    int m_awayScore = 0;
    QString m_scoreSource = QStringLiteral("made shots");
    std::optional<int> m_reportedHome;
    std::optional<int> m_reportedAway;
    int m_minutesPlayed = -1;
    int m_periodsEnded = 0;
    int m_periodLength = TPeriodRule::BuildPeriodLength;
    bool m_betweenPeriods = false;
    bool m_closed = false;
    QList<Player> m_roster;
    QList<EventLine> m_events;
    qint64 m_messageCount = 0;
    QDateTime m_lastReceived;
};
