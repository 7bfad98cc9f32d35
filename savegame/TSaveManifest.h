#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <algorithm>
#include <vector>

// What the last completed save wrote: the size and CRC-32 of each of the
// seven files, kept in a hidden file beside the journal and rewritten in place
// at the end of every save. The loader compares the folder with it, so a file
// cut at a record boundary (which still parses) is found and named.
//
// It belongs to a journal record: both carry the save's generation. A reader
// compares only when the manifest's generation is that of the journal record,
// or when there is no whole record (a save was cut short while writing its
// record, and the files are the last completed save).
//
// Layout (little-endian): "PQXM", length, CRC-32 of the bytes after it,
// generation, code length (16 bits), code (UTF-8), file count, then per file
// its size (64 bits) and CRC-32.
struct TSaveManifest
{
    static const char *const FileName;

    struct TFile
    {
        qint64 Size = 0;
        quint32 Crc = 0;
        bool operator==(const TFile &o) const = default;
    };
    quint32 Generation = 0;
    QString Code;
    QList<TFile> Files; // in the order of the game's seven files

    QByteArray Encode() const;
    static bool Decode(const QByteArray &bytes, TSaveManifest &out);
    static quint32 Crc(QByteArrayView bytes, quint32 crc = 0);
};

// The CRC-32 of a file made of chunks, kept for every prefix of whole chunks,
// so that a change costs only the chunks from the first changed one on.
class TRunningCrc
{
public:
    // The file now has count chunks; those from firstChanged on are new.
    template <typename ChunkAt> void Update(size_t firstChanged, size_t count, ChunkAt &&chunkAt)
    {
        if (m_prefix.empty())
            m_prefix.assign(1, 0);
        firstChanged = std::min({firstChanged, count, m_prefix.size() - 1});
        m_prefix.resize(count + 1);
        for (size_t i = firstChanged; i < count; ++i)
            m_prefix[i + 1] = TSaveManifest::Crc(chunkAt(i), m_prefix[i]);
    }
    quint32 Value() const { return m_prefix.empty() ? 0 : m_prefix.back(); }
    void Clear() { m_prefix.clear(); }

private:
    std::vector<quint32> m_prefix;
};
