#include "TGameEvent.h"

#include "model/game/RecordBuffer.h"

QByteArray TGameEvent::ToRecord() const
{
    TRecordWriter w(RecordSize);
    w.Int32(0, Id);
    w.String(4, MessageCapacity, Message);
    w.Int32(260, PlayerId);
    w.Int32(264, Kind);
    w.Int32(268, Detail);
    w.Int32(272, Side);
    w.Int32(276, Clock);
    w.String(280, TextCapacity, Text);
    w.String(536, NameCapacity, PlayerName);
    w.Byte(597, FastBreak);
    w.Byte(598, SecondChance);
    w.Int32(600, SubEvent);
    return w.Data();
}

TGameEvent TGameEvent::FromRecord(const char *data, int size)
{
    TRecordReader r(data, size);
    TGameEvent e;
    e.Id = r.Int32(0);
    e.Message = r.String(4, MessageCapacity);
    e.PlayerId = r.Int32(260);
    e.Kind = r.Int32(264);
    e.Detail = r.Int32(268);
    e.Side = r.Int32(272);
    e.Clock = r.Int32(276);
    e.Text = r.String(280, TextCapacity);
    e.PlayerName = r.String(536, NameCapacity);
    e.FastBreak = r.Byte(597);
    e.SecondChance = r.Byte(598);
    e.SubEvent = size >= RecordSize ? r.Int32(600) : 0;
    return e;
}
