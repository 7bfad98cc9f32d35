#include "TSavedGame.h"

#include "TGameFolder.h"

#include "model/game/RecordBuffer.h"
#include "model/game/TGame.h"

#include <algorithm>

namespace {

struct TStringField
{
    int Offset;
    int Capacity;
    const char *Name;
};

const TStringField GeneralStrings[] = {
    {4, 255, "Referee1"},     {260, 255, "Referee2"}, {516, 255, "Referee3"}, {772, 255, "HomeCoach"},
    {1028, 255, "AwayCoach"}, {1284, 255, "Stadium"}, {1540, 15, "GameDate"}, {1556, 15, "GameTime"},
};

const TStringField TeamBlockStrings[] = {
    {8, 12, "WebID"},
    {21, 60, "EgyesuletNev"},
    {82, 3, "EgyesuletRovidNev"},
    {86, 30, "EgyesuletSzin"},
    {117, 200, "EgyesuletCim"},
    {318, 20, "EgyesuletTel"},
    {540, 20, "EgyesuletCsarnokTelefon"},
    {568, 60, "EgyesuletEdzoNev"},
    {629, 60, "EgyesuletElnokNev"},
    {690, 60, "EgyesuletTechNev"},
    {751, 200, "EgyesuletGyozelmek"},
};

const TStringField PlayerStrings[] = {
    {0, 20, "JatekosOrszagID"},   {36, 12, "WebID"},     {49, 60, "JatekosNev"},
    {110, 60, "JatekosRovidNev"}, {171, 20, "Szuletes"}, {200, 5, "JatekosPoszt"},
    {316, 255, "Note"},           {572, 255, "Extras"},
};

const TStringField TimeoutStrings[] = {{4, 50, "ClockText"}};

const TStringField EventStrings[] = {{4, 255, "Message"}, {280, 255, "Text"}, {536, 60, "PlayerName"}};

// A record of a file, named "file, record n" in messages (counted from 1);
// the name is only made for a message.
struct TPlace
{
    const QString &File;
    qsizetype Index;
    QString Text() const { return QStringLiteral("%1, record %2").arg(File).arg(Index + 1); }
};

TPlace where(const QString &file, qsizetype index)
{
    return {file, index};
}

// The bytes of each file as the load read them, checked against the last save
// without reading the files again.
struct TReadFile
{
    QString Name;
    QByteArray Data;
    bool Exists = false;
};
using TReadFiles = QList<TReadFile>;

template <size_t N>
bool checkStrings(const char *record, int base, const TStringField (&fields)[N], const TPlace &place,
                  QString *error, const char *prefix = "")
{
    for (const TStringField &f : fields) {
        const int length = quint8(record[base + f.Offset]);
        if (length > f.Capacity) {
            *error = QStringLiteral("%1: the length of %2%3 at byte %4 is %5, above its capacity of %6")
                         .arg(place.Text(), QString::fromLatin1(prefix), QString::fromLatin1(f.Name))
                         .arg(base + f.Offset)
                         .arg(length)
                         .arg(f.Capacity);
            return false;
        }
    }
    return true;
}

bool checkRange(qint64 value, qint64 low, qint64 high, const TPlace &place, const char *what, QString *error)
{
    if (value >= low && value <= high)
        return true;
    *error = QStringLiteral("%1: %2 is %3, outside %4 to %5")
                 .arg(place.Text(), QString::fromLatin1(what))
                 .arg(value)
                 .arg(low)
                 .arg(high);
    return false;
}

// The size must be a whole number of records.
bool checkWhole(const QString &file, qsizetype size, int recordSize, QString *error)
{
    if (size % recordSize == 0)
        return true;
    const qsizetype whole = size / recordSize;
    *error = QStringLiteral("%1: %2 bytes are not a whole number of %3-byte records; record %4 is cut short "
                            "after %5 bytes")
                 .arg(file)
                 .arg(size)
                 .arg(recordSize)
                 .arg(whole + 1)
                 .arg(size - whole * recordSize);
    return false;
}

bool readFile(const TGameFolder &folder, const QString &file, bool required, QByteArray &data, bool &exists,
              QString *error, TReadFiles *read)
{
    if (!folder.Read(file, data, exists, error))
        return false;
    if (read)
        read->append({file, data, exists});
    if (!exists && required) {
        *error = QStringLiteral("%1 is missing from %2").arg(file, folder.Path());
        return false;
    }
    return true;
}

bool readTeam(const TGameFolder &folder, const QString &file, TPlayer &line, QList<TPlayer> &players,
              QString *error, TReadFiles *read)
{
    QByteArray data;
    bool exists = false;
    if (!readFile(folder, file, true, data, exists, error, read))
        return false;
    if (data.isEmpty()) {
        *error = QStringLiteral("%1 is empty: it must begin with the team line record").arg(file);
        return false;
    }
    if (!checkWhole(file, data.size(), TPlayer::RecordSize, error))
        return false;
    const qsizetype count = data.size() / TPlayer::RecordSize;
    if (count - 1 > TSavedGame::MaxPlayers) {
        *error = QStringLiteral("%1 holds %2 players, more than the %3 a team can have")
                     .arg(file)
                     .arg(count - 1)
                     .arg(TSavedGame::MaxPlayers);
        return false;
    }
    players.clear();
    for (qsizetype i = 0; i < count; ++i) {
        const char *record = data.constData() + i * TPlayer::RecordSize;
        if (!checkStrings(record, 0, PlayerStrings, where(file, i), error))
            return false;
        if (i == 0)
            line = TPlayer::FromRecord(record);
        else
            players.append(TPlayer::FromRecord(record));
    }
    return true;
}

bool readTimeouts(const TGameFolder &folder, const QString &file, QList<ToIdokeres> &timeouts, QString *error,
                  TReadFiles *read)
{
    QByteArray data;
    bool exists = false;
    if (!readFile(folder, file, true, data, exists, error, read))
        return false;
    if (!checkWhole(file, data.size(), ToIdokeres::RecordSize, error))
        return false;
    const qsizetype count = data.size() / ToIdokeres::RecordSize;
    if (count > TSavedGame::MaxTimeouts) {
        *error = QStringLiteral("%1 holds %2 timeouts, more than %3")
                     .arg(file)
                     .arg(count)
                     .arg(TSavedGame::MaxTimeouts);
        return false;
    }
    timeouts.clear();
    for (qsizetype i = 0; i < count; ++i) {
        const char *record = data.constData() + i * ToIdokeres::RecordSize;
        if (!checkStrings(record, 0, TimeoutStrings, where(file, i), error))
            return false;
        ToIdokeres t = ToIdokeres::FromRecord(record);
        if (!checkRange(t.Period, 0, TSavedGame::MaxPeriods, where(file, i), "the period", error))
            return false;
        timeouts.append(t);
    }
    return true;
}

bool readEvents(const QString &file, const QByteArray &data, QList<TGameEvent> &events, int &recordSize,
                QString *error)
{
    recordSize = TSavedGame::EventRecordSizeFor(data.size());
    if (!checkWhole(file, data.size(), recordSize, error))
        return false;
    const qsizetype count = data.size() / recordSize;
    if (count > TSavedGame::MaxEvents) {
        *error = QStringLiteral("%1 holds %2 events, more than %3")
                     .arg(file)
                     .arg(count)
                     .arg(TSavedGame::MaxEvents);
        return false;
    }
    events.clear();
    events.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const char *record = data.constData() + i * recordSize;
        const TPlace place = where(file, i);
        if (!checkStrings(record, 0, EventStrings, place, error))
            return false;
        TGameEvent e = TGameEvent::FromRecord(record, recordSize);
        if (!checkRange(e.Id, 0, TSavedGame::MaxEventId, place, "the event identifier", error) ||
            !checkRange(e.Side, 0, 4, place, "the side", error) ||
            !checkRange(e.Clock, 0, TGame::MaxClock, place, "the clock", error))
            return false;
        events.append(std::move(e));
    }
    return true;
}

bool readGame(const TGameFolder &folder, const QString &code, TSavedGame &out, QString *error,
              TReadFiles *read);

} // namespace

int TSavedGame::EventRecordSizeFor(qint64 bytes)
{
    if (bytes % TGameEvent::OldRecordSize == 0 && bytes % TGameEvent::RecordSize != 0)
        return TGameEvent::OldRecordSize;
    return TGameEvent::RecordSize;
}

bool TSavedGame::Read(const TGameFolder &folder, const QString &code, TSavedGame &out, QString *error)
{
    return readGame(folder, code, out, error, nullptr);
}

namespace {

bool readGame(const TGameFolder &folder, const QString &code, TSavedGame &out, QString *error,
              TReadFiles *read)
{
    QString ignored;
    if (!error)
        error = &ignored;
    TSavedGame s;

    const QString generalFile = TGameFolder::GeneralFile(code);
    QByteArray data;
    bool exists = false;
    if (!readFile(folder, generalFile, false, data, exists, error, read))
        return false;
    if (exists) {
        if (data.size() != TGeneralRecord::RecordSize) {
            *error = QStringLiteral("%1: the general record is %2 bytes long instead of %3")
                         .arg(generalFile)
                         .arg(data.size())
                         .arg(TGeneralRecord::RecordSize);
            return false;
        }
        const TPlace place = where(generalFile, 0);
        if (!checkStrings(data.constData(), 0, GeneralStrings, place, error) ||
            !checkStrings(data.constData(), TGeneralRecord::HomeBlockOffset, TeamBlockStrings, place, error,
                          "home team ") ||
            !checkStrings(data.constData(), TGeneralRecord::AwayBlockOffset, TeamBlockStrings, place, error,
                          "away team "))
            return false;
        s.General = TGeneralRecord::FromRecord(data.constData());
        if (!checkRange(s.General.Clock, 0, TGame::MaxClock, place, "the clock", error) ||
            !checkRange(s.General.Period, 0, TSavedGame::MaxPeriods, place, "the period", error) ||
            !checkRange(s.General.PeriodsEnded, 0, TSavedGame::MaxPeriods, place,
                        "the number of periods ended", error))
            return false;
        s.HasGeneral = true;
    }

    const QString homeFile = TGameFolder::HomeFile(code);
    if (!readTeam(folder, homeFile, s.HomeLine, s.HomePlayers, error, read) ||
        !readTimeouts(folder, TGameFolder::HomeTimeoutsFile(code), s.HomeTimeouts, error, read) ||
        !readTeam(folder, TGameFolder::AwayFile(code), s.AwayLine, s.AwayPlayers, error, read) ||
        !readTimeouts(folder, TGameFolder::AwayTimeoutsFile(code), s.AwayTimeouts, error, read))
        return false;
    // The period length lives in the home team line; the clock divides by it.
    const QString length = PlayerStats::GetExtra(s.HomeLine, QStringLiteral("GAMELENGTH"));
    if (!length.isEmpty()) {
        bool ok = false;
        const int minutes = length.toInt(&ok);
        if (ok && (minutes < 1 || minutes > 19)) {
            *error = QStringLiteral("%1: the period length GAMELENGTH=%2 is outside 1 to 19 minutes")
                         .arg(where(homeFile, 0).Text(), length);
            return false;
        }
    }

    const QString eventsFile = TGameFolder::EventsFile(code);
    if (!readFile(folder, eventsFile, true, data, exists, error, read) ||
        !readEvents(eventsFile, data, s.Events, s.EventRecordSize, error))
        return false;

    const QString unsentFile = TGameFolder::UnsentFile(code);
    QString unsentError;
    int unsentRecordSize = 0;
    if (!readFile(folder, unsentFile, false, data, s.HasUnsent, &unsentError, read) ||
        (s.HasUnsent && !readEvents(unsentFile, data, s.Unsent, unsentRecordSize, &unsentError))) {
        s.Unsent.clear();
        s.UnsentError = unsentError;
    }
    out = std::move(s);
    return true;
}

} // namespace

bool TSavedGame::ReadChecked(const TGameFolder &folder, const QString &code, bool loadDamaged,
                             TSavedGame &out, QString *warning, QString *error)
{
    if (warning)
        warning->clear();
    TSavedGame s;
    TReadFiles read;
    if (!readGame(folder, code, s, error, &read))
        return false;
    QStringList differences;
    for (const QString &file : TGameFolder::GameFiles(code)) {
        const auto it =
            std::find_if(read.cbegin(), read.cend(), [&](const TReadFile &r) { return r.Name == file; });
        const QString difference = it != read.cend()
                                       ? folder.DifferenceFromLastSave(code, file, it->Data, it->Exists)
                                       : folder.DifferenceFromLastSave(code, file);
        if (difference.isEmpty())
            continue;
        if (file == TGameFolder::UnsentFile(code) && !loadDamaged) {
            if (s.UnsentError.isEmpty())
                s.UnsentError = difference;
            continue;
        }
        if (!loadDamaged) {
            if (error)
                *error = difference;
            return false;
        }
        differences.append(difference);
    }
    if (warning)
        *warning = differences.join(QStringLiteral("; "));
    out = std::move(s);
    return true;
}
