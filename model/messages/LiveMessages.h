#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Builders of the live messages the statistics server receives. Each returns
// the complete request address: the server prefix followed by the query,
// cut to the 255 characters a stored message holds. Text values (game code,
// web identifiers, names) go in as stored, except the characters that would
// end, split or change them on the way ("&", "=", "#", "?", "%", "+", blanks
// and control characters), which are sent as %XX of their byte; names have
// their blanks turned into "_" (and a real "_" into %5F).
// `stamp` is the fourteen-digit local time "yyyymmddhhnnss".
namespace LiveMessages {

constexpr int MaxLength = 255;

// Cut to MaxLength, never inside a %XX.
QString Cut(const QString &message);
// A text value as the message carries it.
QString TextValue(const QString &text);
// A team or player name as the message carries it.
QString NameValue(const QString &name);
// The stored text of a value read back from a message (%XX decoded).
QString DecodedValue(const QString &value);
// "&hpont=H&vpont=V", appended to player event messages after counting.
QString ScorePair(int home, int away);

// Where a roster entry belongs: its "&k=..&h=..&jat=.." triple.
enum class RosterPlace
{
    HomeCourt,
    HomeBench,
    AwayCourt,
    AwayBench
};

QString GameHeader(const QString &server, const QString &gameCode, const QString &stamp,
                   const QString &homeName, const QString &awayName); // 0001
QString RosterEntry(const QString &server, const QString &gameCode, const QString &stamp,
                    const QString &webId, RosterPlace place, const QString &name, int jersey); // 0002
QString AddedPlayer(const QString &server, const QString &gameCode, const QString &webId, bool home,
                    const QString &name, int jersey); // 0002
// 1000 / 1001; a free throw (type 4) has no point.
QString Shot(const QString &server, bool made, int id, const QString &gameCode, int type,
             const QString &webId, int x, int y, const QString &stamp);
// Player messages 1002-1010 and 1020; withType adds "&tipus=0" (steal, turnover, foul).
QString PlayerEvent(const QString &server, int code, int id, const QString &gameCode, bool withType,
                    const QString &webId, const QString &stamp);
QString Substitution(const QString &server, int id, const QString &gameCode, const QString &webIdIn,
                     const QString &webIdOut, const QString &teamWebId, const QString &stamp); // 1011
QString ClockStep(const QString &server, int id, const QString &gameCode, int minutes,
                  const QString &stamp); // 1100
QString PeriodEnd(const QString &server, int id, const QString &gameCode, int period,
                  const QString &stamp);                                                          // 1101
QString GameClosed(const QString &server, int id, const QString &gameCode, const QString &stamp); // 1102
// 2000; players as (web identifier, playing time) with their 1-based list positions.
struct MinutesEntry
{
    int Position;
    QString WebId;
    int PlayingTime;
};
QString MinutesReport(const QString &server, int id, const QString &gameCode, const QString &stamp,
                      const QList<MinutesEntry> &players);
// Team messages 2002-2010, 2020; withType adds "&tipus=0" (team turnover).
QString TeamEvent(const QString &server, int code, int id, const QString &gameCode, bool withType,
                  const QString &teamWebId, int side, const QString &stamp);
QString Timeout(const QString &server, int id, const QString &gameCode, int side,
                const QString &stamp); // 2011
QString EventDeleted(const QString &server, int id, const QString &gameCode, int deletedId,
                     const QString &stamp); // 5000
QString GameTimeSet(const QString &server, int id, const QString &gameCode, const QString &enteredTime,
                    const QString &stamp); // 6001
// 7000, 8000, 8001: no id.
QString Notice(const QString &server, int code, const QString &gameCode, const QString &stamp);
QString DefenseMode(const QString &server, int modeIndex, int id, const QString &gameCode,
                    const QString &teamWebId, int side, const QString &stamp); // 9999

// The message code of a player event kind (0 when the kind sends nothing).
int PlayerCode(int kind);
// The message code of a team event kind (0 when none).
int TeamCode(int kind);

} // namespace LiveMessages
