#pragma once

#include <QByteArray>
#include <QString>

// One recorded event (or message-only record). Stored as a 604-byte record in
// the saved game; older saves hold 600-byte records without SubEvent.
class TGameEvent
{
public:
    static constexpr int RecordSize = 604;
    static constexpr int OldRecordSize = 600;
    static constexpr int MessageCapacity = 255;
    static constexpr int TextCapacity = 255;
    static constexpr int NameCapacity = 60;

    TGameEvent() = default;
    TGameEvent(int id, int kind, int detail, int side, int clock)
        : Id(id), Kind(kind), Detail(detail), Side(side), Clock(clock)
    {
    }

    qint32 Id = 0;
    QString Message;
    qint32 PlayerId = -1;
    qint32 Kind = 0;
    qint32 Detail = 0;
    qint32 Side = 0;
    qint32 Clock = 0;
    QString Text;
    QString PlayerName;
    quint8 FastBreak = 0;
    quint8 SecondChance = 0;
    qint32 SubEvent = 0;

    // Stores a message cut to the record's capacity.
    void SetMessage(const QString &message) { Message = message.left(MessageCapacity); }
    QString Key() const { return QString::number(Id); }

    QByteArray ToRecord() const;
    // Reads a 604- or 600-byte record; size must be one of the two.
    static TGameEvent FromRecord(const char *data, int size);

    bool operator==(const TGameEvent &o) const = default;
};
