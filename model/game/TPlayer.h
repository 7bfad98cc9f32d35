#pragma once

#include "model/settings/TSettings.h"

#include <QByteArray>
#include <QString>

class ITranslator;

// A player of the game: master data, live counters, flags and extra values.
// The same 1084-byte layout serves the team line and the line-up records.
class TPlayer
{
public:
    static constexpr int RecordSize = 1084;
    // Where the record keeps OnBench; the team file sets it per list.
    static constexpr int OnBenchOffset = 301;

    // Master data
    QString JatekosOrszagID; // string[20]
    qint32 LigaID = 0;
    qint32 CsapatID = 0;
    qint32 JatekosID = 0;
    QString WebID;           // string[12]
    QString JatekosNev;      // string[60]
    QString JatekosRovidNev; // string[60]
    QString Szuletes;        // string[20]
    qint32 JatekosTestMagassag = 0;
    qint32 JatekosSuly = 0;
    QString JatekosPoszt; // string[5]
    qint32 JatekosMezSzam = 0;
    // Counters
    qint32 Points = 0;
    qint32 MissedPoints = 0;
    qint32 CloseMade = 0;
    qint32 CloseMissed = 0;
    qint32 MidMade = 0;
    qint32 MidMissed = 0;
    qint32 ThreeMade = 0;
    qint32 ThreeMissed = 0;
    qint32 FreeThrowsMade = 0;
    qint32 FreeThrowsMissed = 0;
    qint32 DefRebounds = 0;
    qint32 OffRebounds = 0;
    qint32 Steals = 0;
    qint32 Turnovers = 0;
    qint32 PersonalFouls = 0;
    qint32 FoulsDrawn = 0;
    qint32 Assists = 0;
    qint32 Blocks = 0;
    qint32 BlocksReceived = 0;
    qint32 Rating = 0;
    qint32 PlayingTime = 0;
    qint32 PendingTime = 0;
    quint8 ReservedFlag = 0;
    quint8 OnBench = 0;
    quint8 Starter = 0;
    qint32 DunksMade = 0;
    qint32 DunksMissed = 0;
    qint32 TechnicalFouls = 0;
    QString Note;   // string[255]
    QString Extras; // string[255], TValueStore text
    // string[255] in the area after Extras, empty in player records: a
    // team line keeps its coach's roster note there (its own note is Note).
    QString CoachNote;

    QByteArray ToRecord() const;
    // data must hold RecordSize bytes.
    static TPlayer FromRecord(const char *data);

    bool operator==(const TPlayer &o) const = default;
};

// Operations on a record; none changes the record unless its name says so.
namespace PlayerStats {

void ClearStatistics(TPlayer &p);

// 100 × made ÷ attempts, rounded half to even; 0 without attempts.
int Percent(int made, int attempts);
int ClosePercent(const TPlayer &p);
int MidPercent(const TPlayer &p);
int ThreePercent(const TPlayer &p);
int FreeThrowPercent(const TPlayer &p);
int TwoPointPercent(const TPlayer &p);
int FieldGoalPercent(const TPlayer &p);

QString ClockText(int quarterMinutes); // "mm:ss"
QString PlayingTimeText(const TPlayer &p);
QString PointsPerMinute(const TPlayer &p);
double PointsPerShot(const TPlayer &p);
int PerformanceIndex(const TPlayer &p, TEdition edition);
int StoredRating(const TPlayer &p, TEdition edition);
// The valuation printed and shown: the Hungarian edition's is the rating the
// record keeps, the others' the edition's performance index.
int Valuation(const TPlayer &p, TEdition edition);

// Extra values kept in Extras.
QString GetExtra(const TPlayer &p, const QString &name);
int GetExtraInt(const TPlayer &p, const QString &name, int defaultValue);
void SetExtra(TPlayer &p, const QString &name, const QString &value);
void AddExtraInt(TPlayer &p, const QString &name, int delta, int defaultValue = 0);

int PlusMinus(const TPlayer &p);
void ResetPlusMinus(TPlayer &p);
void AddPlusMinus(TPlayer &p, int n);
void SubtractPlusMinus(TPlayer &p, int n);
int IndirectSteals(const TPlayer &p);
void AddIndirectSteal(TPlayer &p, int delta);
int GameLength(const TPlayer &p);
void SetGameLength(TPlayer &p, int minutes);

// The variable column of the team panels, index 0..9.
QString VariableColumnTitle(int index, ITranslator *translator);
QString VariableColumnValue(const TPlayer &p, int index);

// The key a player is filed under in a team's lists and ordered by in the
// reports: the name, or the jersey number in two digits ("07").
QString RosterKey(const TPlayer &p, bool sortByName);
// A player as the roster lists show him, "jersey : name": the jersey
// right-aligned in two places, or plain.
QString RosterEntry(int jersey, const QString &name);
QString PlainRosterEntry(int jersey, const QString &name);

// The short name of history texts: the first word of the name, lower-cased
// with its first letter upper-cased; empty when the name has no blank.
QString ShortName(const QString &fullName);

} // namespace PlayerStats
