#pragma once

// A saved game's folder packed into one fuzz input, as fuzz_game_folder
// reads it and tests/fuzz/make-corpus.sh writes it: a flag byte, then files
// one after another, each a one-byte name length, the name, a 32-bit
// little-endian length (cut to what is left) and its bytes; a zero name
// length ends the folder. Flag bit 0 makes the checksums of the journal
// record, of each record of the redo logs and of the manifest right, so that
// mutations inside them get past the checksum to the fields behind it.
#include "savegame/TSaveJournal.h"
#include "savegame/TSaveManifest.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace PackedFolder {

// The CRC-32 at crcAt of the bytes from `from` to the length kept at
// lengthAt, as the record's writer would have put it.
inline void RepairChecksum(QByteArray &bytes, int lengthAt, int crcAt, int from)
{
    if (bytes.size() < from)
        return;
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + lengthAt);
    if (length < quint32(from) || length > quint32(bytes.size()))
        return;
    const quint32 crc = TSaveManifest::Crc(QByteArrayView(bytes).sliced(from, qsizetype(length) - from));
    qToLittleEndian(crc, bytes.data() + crcAt);
}

inline QHash<QString, QByteArray> Unpack(const uint8_t *data, size_t size)
{
    QHash<QString, QByteArray> files;
    if (size == 0)
        return files;
    const bool repair = data[0] & 1;
    size_t at = 1;
    while (at < size && data[at] != 0) {
        const size_t nameLength = std::min<size_t>(data[at], size - at - 1);
        const QString name =
            QString::fromLatin1(reinterpret_cast<const char *>(data + at + 1), qsizetype(nameLength));
        at += 1 + nameLength;
        uint32_t length = 0;
        if (size - at >= 4) {
            std::memcpy(&length, data + at, 4);
            at += 4;
        } else {
            at = size;
        }
        const size_t take = std::min<size_t>(length, size - at);
        files.insert(name, QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(take)));
        at += take;
    }
    if (repair) {
        const QString journal = QString::fromLatin1(TSaveJournal::FileName);
        const QString manifest = QString::fromLatin1(TSaveManifest::FileName);
        if (files.contains(journal))
            RepairChecksum(files[journal], 8, 12, 16);
        if (files.contains(manifest))
            RepairChecksum(files[manifest], 4, 8, 12);
        for (const char *const name : TSaveJournal::RedoFileNames) {
            const auto log = files.find(QString::fromLatin1(name));
            if (log == files.end())
                continue;
            // Record after record, each as long as its length says.
            QByteArray &bytes = *log;
            for (qsizetype at = 0; at + 16 <= bytes.size();) {
                const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + at + 8);
                if (length < 16 || length > quint32(bytes.size() - at))
                    break;
                const quint32 crc =
                    TSaveManifest::Crc(QByteArrayView(bytes).sliced(at + 16, qsizetype(length) - 16));
                qToLittleEndian(crc, bytes.data() + at + 12);
                at += qsizetype(length);
            }
        }
    }
    return files;
}

inline QHash<QString, QByteArray> Unpack(const QByteArray &bytes)
{
    return Unpack(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

} // namespace PackedFolder
