#include "TSaveJournal.h"

#include <QtEndian>

#include <algorithm>
#include <zlib.h>

const char *const TSaveJournal::FileName = ".parquetix-journal";
const char *const TSaveJournal::RedoFileNames[2] = {".parquetix-redo-a", ".parquetix-redo-b"};

namespace {

constexpr char Magic[4] = {'P', 'Q', 'X', 'J'};
constexpr int HeaderSize = 24;
constexpr int ChecksumFrom = 16;

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

quint32 checksum(const char *data, qsizetype size)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    while (size > 0) {
        const uInt chunk = uInt(std::min<qsizetype>(size, 1 << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data), chunk);
        data += chunk;
        size -= chunk;
    }
    return quint32(crc);
}

// Reads little-endian values with bounds checks.
class TCursor
{
public:
    TCursor(const char *data, qsizetype size) : m_data(data), m_size(size) {}
    bool u32(quint32 &v)
    {
        if (m_size - m_pos < 4)
            return false;
        v = qFromLittleEndian<quint32>(m_data + m_pos);
        m_pos += 4;
        return true;
    }
    bool u16(quint16 &v)
    {
        if (m_size - m_pos < 2)
            return false;
        v = qFromLittleEndian<quint16>(m_data + m_pos);
        m_pos += 2;
        return true;
    }
    bool bytes(qsizetype n, QByteArray &out)
    {
        if (n < 0 || m_size - m_pos < n)
            return false;
        out = QByteArray(m_data + m_pos, n);
        m_pos += n;
        return true;
    }
    bool atEnd() const { return m_pos == m_size; }

private:
    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

} // namespace

QByteArray TSaveJournal::Encode(quint32 generation, const QList<TJournalPatch> &patches)
{
    qsizetype size = HeaderSize;
    for (const TJournalPatch &p : patches)
        size += 2 + p.File.toUtf8().size() + 16 + p.Bytes.size();
    QByteArray out;
    out.reserve(size);
    out.append(Magic, 4);
    put32(out, Pending);
    put32(out, quint32(size));
    put32(out, 0); // checksum, below
    put32(out, generation);
    put32(out, quint32(patches.size()));
    for (const TJournalPatch &p : patches) {
        const QByteArray name = p.File.toUtf8();
        put16(out, quint16(name.size()));
        out.append(name);
        put32(out, p.BaseSize);
        put32(out, p.NewSize);
        put32(out, p.Offset);
        put32(out, quint32(p.Bytes.size()));
        out.append(p.Bytes);
    }
    const quint32 crc = checksum(out.constData() + ChecksumFrom, out.size() - ChecksumFrom);
    qToLittleEndian(crc, out.data() + 12);
    return out;
}

bool TSaveJournal::DecodePending(const QByteArray &bytes, quint32 &generation, QList<TJournalPatch> &patches)
{
    bool pending = false;
    if (Decode(bytes, generation, patches, pending) && pending)
        return true;
    patches.clear();
    return false;
}

bool TSaveJournal::Decode(const QByteArray &bytes, quint32 &generation, QList<TJournalPatch> &patches,
                          bool &pending)
{
    patches.clear();
    if (bytes.size() < HeaderSize || !bytes.startsWith(QByteArray::fromRawData(Magic, 4)))
        return false;
    const quint32 state = qFromLittleEndian<quint32>(bytes.constData() + StateOffset);
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + 8);
    const quint32 crc = qFromLittleEndian<quint32>(bytes.constData() + 12);
    if ((state != Pending && state != Applied) || length < quint32(HeaderSize) ||
        length > quint32(bytes.size()))
        return false;
    pending = state == Pending;
    if (checksum(bytes.constData() + ChecksumFrom, qsizetype(length) - ChecksumFrom) != crc)
        return false;

    TCursor c(bytes.constData() + ChecksumFrom, qsizetype(length) - ChecksumFrom);
    quint32 count = 0;
    if (!c.u32(generation) || !c.u32(count) || count > quint32(MaxPatches))
        return false;
    QList<TJournalPatch> out;
    for (quint32 i = 0; i < count; ++i) {
        TJournalPatch p;
        quint16 nameLength = 0;
        QByteArray name;
        quint32 byteCount = 0;
        if (!c.u16(nameLength) || !c.bytes(nameLength, name) || !c.u32(p.BaseSize) || !c.u32(p.NewSize) ||
            !c.u32(p.Offset) || !c.u32(byteCount))
            return false;
        p.File = QString::fromUtf8(name);
        if (p.File.isEmpty() || p.File.contains(QLatin1Char('/')) || p.File.startsWith(QLatin1Char('.')) ||
            p.NewSize > MaxFileSize || p.BaseSize > MaxFileSize || p.Offset > p.NewSize ||
            byteCount > p.NewSize - p.Offset)
            return false;
        if (!c.bytes(qsizetype(byteCount), p.Bytes))
            return false;
        out.append(std::move(p));
    }
    if (!c.atEnd())
        return false;
    patches = std::move(out);
    return true;
}

bool TSaveJournal::DecodeLog(const QByteArray &bytes, quint32 &lastGeneration, QList<TJournalPatch> &patches)
{
    patches.clear();
    qsizetype at = 0;
    bool any = false;
    while (bytes.size() - at >= HeaderSize) {
        const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + at + 8);
        if (length < quint32(HeaderSize) || qint64(length) > bytes.size() - at)
            break;
        quint32 generation = 0;
        QList<TJournalPatch> record;
        bool pending = false;
        if (!Decode(QByteArray::fromRawData(bytes.constData() + at, qsizetype(length)), generation, record,
                    pending) ||
            (any && generation != lastGeneration + 1))
            break;
        lastGeneration = generation;
        any = true;
        patches.append(std::move(record));
        at += qsizetype(length);
    }
    return any;
}

void TSaveJournal::Replay(const TJournalPatch &patch, QByteArray &content)
{
    content.resize(qsizetype(patch.BaseSize), '\0');
    const qsizetype end = qsizetype(patch.Offset) + patch.Bytes.size();
    if (content.size() < end)
        content.resize(end, '\0');
    std::copy(patch.Bytes.cbegin(), patch.Bytes.cend(), content.begin() + qsizetype(patch.Offset));
    content.resize(qsizetype(patch.NewSize), '\0');
}

bool TSaveJournal::Apply(const TJournalPatch &patch, QByteArray &content)
{
    // While a save changes a file its size never drops below the first changed
    // byte, and bytes after the change are only kept when the file does not grow.
    const qsizetype end = qsizetype(patch.Offset) + patch.Bytes.size();
    const qsizetype newSize = qsizetype(patch.NewSize);
    if (content.size() < qsizetype(patch.Offset))
        return false;
    if (end < newSize && content.size() < newSize)
        return false;
    QByteArray result;
    result.reserve(newSize);
    result.append(content.constData(), qsizetype(patch.Offset));
    result.append(patch.Bytes);
    if (end < newSize)
        result.append(content.constData() + end, newSize - end);
    content = std::move(result);
    return true;
}
