#pragma once

#include <QByteArray>
#include <QString>

// A fixed-size record written field by field at stated offsets:
// little-endian int32, bytes, and string[N] = one length byte + N positions.
class TRecordWriter
{
public:
    explicit TRecordWriter(int size) : m_data(size, '\0') {}

    void Int32(int offset, qint32 value);
    void Byte(int offset, quint8 value);
    // Writes a length-prefixed text cut to its capacity; the unused positions stay 0.
    void String(int offset, int capacity, const QString &text);
    const QByteArray &Data() const { return m_data; }

private:
    QByteArray m_data;
};

class TRecordReader
{
public:
    // The data must hold at least the record's size; callers check that first.
    explicit TRecordReader(const char *data, int size) : m_data(data), m_size(size) {}

    qint32 Int32(int offset) const;
    quint8 Byte(int offset) const;
    // A length byte above the capacity is clamped to it.
    QString String(int offset, int capacity) const;
    // The raw length byte, for loaders that report damaged records.
    int StringLength(int offset) const { return Byte(offset); }

private:
    const char *m_data;
    int m_size;
};
