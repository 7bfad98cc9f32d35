#include "TPlayer.h"

#include "RecordBuffer.h"
#include "model/services/Services.h"
#include "model/settings/TValueStore.h"

#include <QLocale>

QByteArray TPlayer::ToRecord() const
{
    TRecordWriter w(RecordSize);
    w.String(0, 20, JatekosOrszagID);
    w.Int32(24, LigaID);
    w.Int32(28, CsapatID);
    w.Int32(32, JatekosID);
    w.String(36, 12, WebID);
    w.String(49, 60, JatekosNev);
    w.String(110, 60, JatekosRovidNev);
    w.String(171, 20, Szuletes);
    w.Int32(192, JatekosTestMagassag);
    w.Int32(196, JatekosSuly);
    w.String(200, 5, JatekosPoszt);
    w.Int32(208, JatekosMezSzam);
    const qint32 counters[] = {Points,      MissedPoints, CloseMade,   CloseMissed,    MidMade,
                               MidMissed,   ThreeMade,    ThreeMissed, FreeThrowsMade, FreeThrowsMissed,
                               DefRebounds, OffRebounds,  Steals,      Turnovers,      PersonalFouls,
                               FoulsDrawn,  Assists,      Blocks,      BlocksReceived, Rating,
                               PlayingTime, PendingTime};
    for (int i = 0; i < int(std::size(counters)); ++i)
        w.Int32(212 + 4 * i, counters[i]);
    w.Byte(300, ReservedFlag);
    w.Byte(OnBenchOffset, OnBench);
    w.Byte(302, Starter);
    w.Int32(304, DunksMade);
    w.Int32(308, DunksMissed);
    w.Int32(312, TechnicalFouls);
    w.String(316, 255, Note);
    w.String(572, 255, Extras);
    w.String(828, 255, CoachNote);
    return w.Data();
}

TPlayer TPlayer::FromRecord(const char *data)
{
    TRecordReader r(data, RecordSize);
    TPlayer p;
    p.JatekosOrszagID = r.String(0, 20);
    p.LigaID = r.Int32(24);
    p.CsapatID = r.Int32(28);
    p.JatekosID = r.Int32(32);
    p.WebID = r.String(36, 12);
    p.JatekosNev = r.String(49, 60);
    p.JatekosRovidNev = r.String(110, 60);
    p.Szuletes = r.String(171, 20);
    p.JatekosTestMagassag = r.Int32(192);
    p.JatekosSuly = r.Int32(196);
    p.JatekosPoszt = r.String(200, 5);
    p.JatekosMezSzam = r.Int32(208);
    qint32 *counters[] = {&p.Points,         &p.MissedPoints,     &p.CloseMade,      &p.CloseMissed,
                          &p.MidMade,        &p.MidMissed,        &p.ThreeMade,      &p.ThreeMissed,
                          &p.FreeThrowsMade, &p.FreeThrowsMissed, &p.DefRebounds,    &p.OffRebounds,
                          &p.Steals,         &p.Turnovers,        &p.PersonalFouls,  &p.FoulsDrawn,
                          &p.Assists,        &p.Blocks,           &p.BlocksReceived, &p.Rating,
                          &p.PlayingTime,    &p.PendingTime};
    for (int i = 0; i < int(std::size(counters)); ++i)
        *counters[i] = r.Int32(212 + 4 * i);
    p.ReservedFlag = r.Byte(300);
    p.OnBench = r.Byte(OnBenchOffset);
    p.Starter = r.Byte(302);
    p.DunksMade = r.Int32(304);
    p.DunksMissed = r.Int32(308);
    p.TechnicalFouls = r.Int32(312);
    p.Note = r.String(316, 255);
    p.Extras = r.String(572, 255);
    p.CoachNote = r.String(828, 255);
    return p;
}

namespace PlayerStats {

void ClearStatistics(TPlayer &p)
{
    p.Points = p.MissedPoints = p.CloseMade = p.CloseMissed = p.MidMade = p.MidMissed = 0;
    p.ThreeMade = p.ThreeMissed = p.FreeThrowsMade = p.FreeThrowsMissed = 0;
    p.DefRebounds = p.OffRebounds = p.Steals = p.Turnovers = p.PersonalFouls = 0;
    p.FoulsDrawn = p.Assists = p.Blocks = p.BlocksReceived = p.Rating = 0;
    p.PlayingTime = p.PendingTime = 0;
    p.ReservedFlag = 0;
    p.Starter = 0;
    p.DunksMade = p.DunksMissed = p.TechnicalFouls = 0;
}

int Percent(int made, int attempts)
{
    if (attempts <= 0)
        return 0;
    const qint64 num = qint64(made) * 100;
    qint64 q = num / attempts;
    const qint64 rem2 = 2 * (num % attempts);
    if (rem2 > attempts || (rem2 == attempts && (q % 2) != 0))
        ++q;
    return int(q);
}

int ClosePercent(const TPlayer &p)
{
    return Percent(p.CloseMade, p.CloseMade + p.CloseMissed);
}
int MidPercent(const TPlayer &p)
{
    return Percent(p.MidMade, p.MidMade + p.MidMissed);
}
int ThreePercent(const TPlayer &p)
{
    return Percent(p.ThreeMade, p.ThreeMade + p.ThreeMissed);
}
int FreeThrowPercent(const TPlayer &p)
{
    return Percent(p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed);
}
int TwoPointPercent(const TPlayer &p)
{
    const int made = p.CloseMade + p.MidMade;
    return Percent(made, made + p.CloseMissed + p.MidMissed);
}
int FieldGoalPercent(const TPlayer &p)
{
    const int made = p.CloseMade + p.MidMade + p.ThreeMade;
    return Percent(made, made + p.CloseMissed + p.MidMissed + p.ThreeMissed);
}

QString ClockText(int quarterMinutes)
{
    return QStringLiteral("%1:%2")
        .arg(quarterMinutes / 4, 2, 10, QLatin1Char('0'))
        .arg((quarterMinutes % 4) * 15, 2, 10, QLatin1Char('0'));
}

QString PlayingTimeText(const TPlayer &p)
{
    return ClockText(p.PlayingTime);
}

QString PointsPerMinute(const TPlayer &p)
{
    const double minutes = p.PlayingTime / 4 + 0.25 * (p.PlayingTime % 4);
    const QLocale locale;
    if (minutes != 0)
        return locale.toString(p.Points / minutes, 'f', 2);
    return QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("00");
}

double PointsPerShot(const TPlayer &p)
{
    const double divisor = p.CloseMade + p.CloseMissed + p.MidMade + p.MidMissed + p.ThreeMade +
                           p.ThreeMissed + p.DunksMade + p.DunksMissed +
                           (p.FreeThrowsMade + p.FreeThrowsMissed) / 2.0 + p.Turnovers;
    return divisor == 0 ? 0.0 : p.Points / divisor;
}

int PerformanceIndex(const TPlayer &p, TEdition edition)
{
    if (edition == TEdition::French)
        return 3 * p.ThreeMade + 2 * (p.CloseMade + p.MidMade) + p.FreeThrowsMade -
               (p.CloseMissed + p.MidMissed + p.ThreeMissed) - p.FreeThrowsMissed + p.DefRebounds +
               p.OffRebounds + p.Blocks + p.Assists + p.Steals - p.Turnovers;
    return (p.Points + p.DefRebounds + p.OffRebounds + p.Assists + p.Steals + p.Blocks + p.FoulsDrawn) -
           (p.CloseMissed + p.MidMissed + p.ThreeMissed + p.FreeThrowsMissed + p.Turnovers +
            p.BlocksReceived + p.PersonalFouls);
}

int StoredRating(const TPlayer &p, TEdition edition)
{
    if (edition == TEdition::French)
        return PerformanceIndex(p, edition);
    return PerformanceIndex(p, edition) + p.PersonalFouls;
}

int Valuation(const TPlayer &p, TEdition edition)
{
    return edition == TEdition::Hungarian ? p.Rating : PerformanceIndex(p, edition);
}

QString RosterKey(const TPlayer &p, bool sortByName)
{
    return sortByName ? p.JatekosNev : QStringLiteral("%1").arg(p.JatekosMezSzam, 2, 10, QLatin1Char('0'));
}

QString RosterEntry(int jersey, const QString &name)
{
    return (QStringLiteral("  ") + QString::number(jersey)).right(2) + QStringLiteral(" : ") + name;
}

QString PlainRosterEntry(int jersey, const QString &name)
{
    return QString::number(jersey) + QStringLiteral(" : ") + name;
}

QString GetExtra(const TPlayer &p, const QString &name)
{
    TValueStore store;
    store.Load(p.Extras);
    return store.Get(name);
}

int GetExtraInt(const TPlayer &p, const QString &name, int defaultValue)
{
    bool ok = false;
    const int v = GetExtra(p, name).toInt(&ok);
    return ok ? v : defaultValue;
}

void SetExtra(TPlayer &p, const QString &name, const QString &value)
{
    TValueStore store;
    store.Load(p.Extras);
    store.Set(name, value);
    p.Extras = store.Save().left(255);
}

void AddExtraInt(TPlayer &p, const QString &name, int delta, int defaultValue)
{
    SetExtra(p, name, QString::number(GetExtraInt(p, name, defaultValue) + delta));
}

int PlusMinus(const TPlayer &p)
{
    return GetExtraInt(p, QStringLiteral("INDEX"), 0);
}
void ResetPlusMinus(TPlayer &p)
{
    SetExtra(p, QStringLiteral("INDEX"), QStringLiteral("0"));
}
void AddPlusMinus(TPlayer &p, int n)
{
    AddExtraInt(p, QStringLiteral("INDEX"), n);
}
void SubtractPlusMinus(TPlayer &p, int n)
{
    AddExtraInt(p, QStringLiteral("INDEX"), -n);
}
int IndirectSteals(const TPlayer &p)
{
    return GetExtraInt(p, QStringLiteral("INDIRECT"), 0);
}
void AddIndirectSteal(TPlayer &p, int delta)
{
    AddExtraInt(p, QStringLiteral("INDIRECT"), delta);
}
int GameLength(const TPlayer &p)
{
    return GetExtraInt(p, QStringLiteral("GAMELENGTH"), 10);
}
void SetGameLength(TPlayer &p, int minutes)
{
    SetExtra(p, QStringLiteral("GAMELENGTH"), QString::number(minutes));
}

QString VariableColumnTitle(int index, ITranslator *translator)
{
    static const char *titles[] = {"Perc", "H", "Blk", "As", "KF", "F", "EL", "SzL", "O", "D"};
    if (index < 0 || index > 9)
        return {};
    const QString title = QString::fromLatin1(titles[index]);
    return translator ? translator->Translate(title, QStringLiteral("PRINT")) : title;
}

QString VariableColumnValue(const TPlayer &p, int index)
{
    switch (index) {
    case 0:
        return PlayingTimeText(p);
    case 1:
        return QString::number(p.BlocksReceived);
    case 2:
        return QString::number(p.Blocks);
    case 3:
        return QString::number(p.Assists);
    case 4:
        return QString::number(p.FoulsDrawn);
    case 5:
        return QString::number(p.PersonalFouls);
    case 6:
        return QString::number(p.Turnovers);
    case 7:
        return QString::number(p.Steals);
    case 8:
        return QString::number(p.OffRebounds);
    case 9:
        return QString::number(p.DefRebounds);
    default:
        return {};
    }
}

QString ShortName(const QString &fullName)
{
    const qsizetype blank = fullName.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {};
    QString word = fullName.left(blank).toLower();
    if (word.size() > 1)
        word[0] = word.at(0).toUpper();
    return word;
}

} // namespace PlayerStats
