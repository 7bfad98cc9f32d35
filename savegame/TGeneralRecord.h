#pragma once

#include "model/game/TTeamData.h"

#include <QByteArray>
#include <QString>

class TGame;

// The one record of "general_" + code + ".dat": the game data, both team
// blocks and the clock.
struct TGeneralRecord
{
    static constexpr int RecordSize = 3700;
    static constexpr int HomeBlockOffset = TTeamData::GeneralHomeOffset;
    static constexpr int AwayBlockOffset = TTeamData::GeneralAwayOffset;
    static constexpr int TeamNameOffset = 21;

    qint32 Attendance = 0;
    QString Referee1, Referee2, Referee3; // string[255]
    QString HomeCoach, AwayCoach;         // string[255]
    QString Stadium;                      // string[255]
    QString GameDate, GameTime;           // string[15]
    TTeamData Home;
    TTeamData Away;
    qint32 Clock = 0;
    qint32 Period = 0;
    qint32 PeriodsEnded = 0;
    qint32 Income = 0;

    static TGeneralRecord FromGame(const TGame &game);
    // Game data, team blocks and clock into the game.
    void ApplyTo(TGame &game) const;

    QByteArray ToRecord() const;
    static TGeneralRecord FromRecord(const char *data); // RecordSize bytes

    bool operator==(const TGeneralRecord &o) const = default;
};
