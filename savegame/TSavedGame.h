#pragma once

#include "TGeneralRecord.h"

#include "model/events/TGameEvent.h"
#include "model/game/TPlayer.h"
#include "model/game/TTeam.h"

#include <QList>
#include <QString>

class TGameFolder;

// The records of a saved game's folder, read and checked before anything of
// the game is changed. A damaged file is refused with an error naming the
// file, the record and what is wrong.
struct TSavedGame
{
    // Limits beyond which a value cannot come from a recorded game.
    static constexpr int MaxPlayers = 255;
    static constexpr int MaxTimeouts = 1000;
    static constexpr int MaxEvents = 200000;
    static constexpr int MaxEventId = 10000000;
    static constexpr int MaxPeriods = 1000;

    bool HasGeneral = false;
    TGeneralRecord General;
    TPlayer HomeLine;
    TPlayer AwayLine;
    QList<TPlayer> HomePlayers;
    QList<TPlayer> AwayPlayers;
    QList<ToIdokeres> HomeTimeouts;
    QList<ToIdokeres> AwayTimeouts;
    QList<TGameEvent> Events;
    int EventRecordSize = TGameEvent::RecordSize;
    bool HasUnsent = false;
    QList<TGameEvent> Unsent;
    // Why "events_notsend_" could not be used; it only matters when it is needed.
    QString UnsentError;

    // Reads the seven files of the game with that code.
    static bool Read(const TGameFolder &folder, const QString &code, TSavedGame &out, QString *error);
    // Reads them as a load does: a folder whose files differ from what the
    // last completed save wrote is refused, naming the file, unless
    // loadDamaged; then the differences are kept in *warning. A change of the
    // unsent events matters only when they are resent, so without
    // loadDamaged it becomes UnsentError instead.
    static bool ReadChecked(const TGameFolder &folder, const QString &code, bool loadDamaged, TSavedGame &out,
                            QString *warning, QString *error);

    // The record size of an events file of that many bytes: 600 when the size
    // is a multiple of 600 but not of 604, otherwise 604.
    static int EventRecordSizeFor(qint64 bytes);
};
