#include "RecordBuffer.h"

#include "common/Win1250.h"

#include <cstring>

void TRecordWriter::Int32(int offset, qint32 value)
{
    const quint32 v = quint32(value);
    for (int i = 0; i < 4; ++i)
        m_data[offset + i] = char((v >> (8 * i)) & 0xff);
}

void TRecordWriter::Byte(int offset, quint8 value)
{
    m_data[offset] = char(value);
}

void TRecordWriter::String(int offset, int capacity, const QString &text)
{
    QByteArray bytes = Win1250::Encode(text);
    if (bytes.size() > capacity)
        bytes.truncate(capacity);
    m_data[offset] = char(bytes.size());
    std::memcpy(m_data.data() + offset + 1, bytes.constData(), size_t(bytes.size()));
}

qint32 TRecordReader::Int32(int offset) const
{
    Q_ASSERT(offset >= 0 && offset + 4 <= m_size);
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(quint8(m_data[offset + i])) << (8 * i);
    return qint32(v);
}

quint8 TRecordReader::Byte(int offset) const
{
    Q_ASSERT(offset >= 0 && offset < m_size);
    return quint8(m_data[offset]);
}

QString TRecordReader::String(int offset, int capacity) const
{
    int len = Byte(offset);
    if (len > capacity)
        len = capacity;
    if (offset + 1 + len > m_size)
        len = qMax(0, m_size - offset - 1);
    return Win1250::Decode(QByteArrayView(m_data + offset + 1, len));
}
