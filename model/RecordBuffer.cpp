#include "RecordBuffer.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Win1250 {

QByteArray Encode(const QString &text)
{
    // Most texts are plain ASCII, the same in the code page; opening the
    // converter costs more than the whole record.
    bool ascii = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();

    // ICU maps unknown characters to the code page's substitute byte (0x1A);
    // the stored texts use "?" instead, so convert character by character.
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            len = 2;
        const QStringView ch = QStringView(text).mid(i, len);
        i += len - 1;
        if (ch.size() == 1 && ch.at(0).unicode() < 0x80) {
            out.append(char(ch.at(0).unicode()));
            continue;
        }
        QByteArray b = encoder.encode(ch);
        if (encoder.hasError() || b.size() != 1 || b.at(0) == '\x1a') {
            encoder.resetState();
            out.append('?');
        } else {
            out.append(b);
        }
    }
    return out;
}

QString Decode(const QByteArray &bytes)
{
    bool ascii = true;
    for (const char c : bytes)
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);

    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace Win1250

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
    for (int i = 0; i < bytes.size(); ++i)
        m_data[offset + 1 + i] = bytes.at(i);
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
    return Win1250::Decode(QByteArray(m_data + offset + 1, len));
}
