#include "TSaveManifest.h"

#include <QtEndian>
#include <zlib.h>

const char *const TSaveManifest::FileName = ".parquetix-saved";

namespace {

constexpr char Magic[4] = {'P', 'Q', 'X', 'M'};
constexpr int ChecksumFrom = 12;
constexpr int MaxFiles = 16;

template <typename T> void put(QByteArray &out, T v)
{
    char b[sizeof(T)];
    qToLittleEndian(v, b);
    out.append(b, sizeof(T));
}

template <typename T> bool take(const QByteArray &in, qsizetype &at, qsizetype end, T &v)
{
    if (end - at < qsizetype(sizeof(T)))
        return false;
    v = qFromLittleEndian<T>(in.constData() + at);
    at += qsizetype(sizeof(T));
    return true;
}

} // namespace

quint32 TSaveManifest::Crc(QByteArrayView bytes, quint32 crc)
{
    const char *data = bytes.data();
    qsizetype size = bytes.size();
    uLong value = crc;
    while (size > 0) {
        const uInt chunk = uInt(std::min<qsizetype>(size, 1 << 30));
        value = crc32(value, reinterpret_cast<const Bytef *>(data), chunk);
        data += chunk;
        size -= chunk;
    }
    return quint32(value);
}

QByteArray TSaveManifest::Encode() const
{
    const QByteArray code = Code.toUtf8();
    QByteArray out;
    out.append(Magic, 4);
    put<quint32>(out, 0); // length, below
    put<quint32>(out, 0); // checksum, below
    put<quint32>(out, Generation);
    put<quint16>(out, quint16(code.size()));
    out.append(code);
    put<quint32>(out, quint32(Files.size()));
    for (const TFile &f : Files) {
        put<qint64>(out, f.Size);
        put<quint32>(out, f.Crc);
    }
    qToLittleEndian(quint32(out.size()), out.data() + 4);
    qToLittleEndian(Crc(QByteArrayView(out).sliced(ChecksumFrom)), out.data() + 8);
    return out;
}

bool TSaveManifest::Decode(const QByteArray &bytes, TSaveManifest &out)
{
    if (bytes.size() < ChecksumFrom || !bytes.startsWith(QByteArrayView(Magic, 4)))
        return false;
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + 4);
    const quint32 crc = qFromLittleEndian<quint32>(bytes.constData() + 8);
    if (length < quint32(ChecksumFrom) || length > quint32(bytes.size()) ||
        Crc(QByteArrayView(bytes).sliced(ChecksumFrom, qsizetype(length) - ChecksumFrom)) != crc)
        return false;
    const qsizetype end = qsizetype(length);
    qsizetype at = ChecksumFrom;
    TSaveManifest m;
    quint16 codeLength = 0;
    quint32 count = 0;
    if (!take(bytes, at, end, m.Generation) || !take(bytes, at, end, codeLength) || end - at < codeLength)
        return false;
    m.Code = QString::fromUtf8(bytes.constData() + at, codeLength);
    at += codeLength;
    if (!take(bytes, at, end, count) || count > quint32(MaxFiles))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        TFile f;
        if (!take(bytes, at, end, f.Size) || !take(bytes, at, end, f.Crc) || f.Size < 0)
            return false;
        m.Files.append(f);
    }
    if (at != end)
        return false;
    out = std::move(m);
    return true;
}
