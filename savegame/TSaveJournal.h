#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One change of one file of the game folder: the bytes from Offset on, and the
// file's size before and after.
struct TJournalPatch
{
    QString File; // a plain file name inside the game folder
    quint32 BaseSize = 0;
    quint32 NewSize = 0;
    quint32 Offset = 0;
    QByteArray Bytes;

    bool operator==(const TJournalPatch &o) const = default;
};

// The redo journal that keeps a game folder whole across crashes.
//
// A save first writes every change of the seven files into the hidden
// journal file, as one record guarded by a checksum, and only then changes
// the files themselves, in place. When it has finished it marks the record as
// applied. A crash therefore leaves either a torn record (the files are still
// the previous save, the record is ignored) or a whole one that was not marked
// (the reader applies it in memory and gets this save). The files are never
// read half old and half new.
//
// Record layout (little-endian): "PQXJ", state (0 pending, 1 applied; outside
// the checksum so marking needs one small write), length of the record,
// CRC-32 of the bytes after the checksum, generation, number of patches, then
// per patch: name length (16 bits), name (UTF-8), base size, new size, offset,
// byte count, bytes.
//
// While a game is recorded, the same records are also appended to a redo log
// (RedoFileNames), which a background thread flushes to disk after every
// save. A log begins with a record of the whole folder, so its whole records
// replayed in order give the last flushed save whatever a power cut left of
// the files. When a log grows long the store begins the other one with a
// record of the whole folder; the log that reached further counts.
class TSaveJournal
{
public:
    static const char *const FileName;
    static const char *const RedoFileNames[2];
    static constexpr int StateOffset = 4;
    static constexpr quint32 Pending = 0;
    static constexpr quint32 Applied = 1;
    static constexpr int MaxPatches = 64;
    static constexpr quint32 MaxFileSize = 1u << 30;

    static QByteArray Encode(quint32 generation, const QList<TJournalPatch> &patches);

    // A whole record that still has to be applied; false for a torn, foreign
    // or already applied record (then the files on disk are the saved game).
    static bool DecodePending(const QByteArray &bytes, quint32 &generation, QList<TJournalPatch> &patches);
    // Any whole record, pending or applied.
    static bool Decode(const QByteArray &bytes, quint32 &generation, QList<TJournalPatch> &patches,
                       bool &pending);

    // The records of a redo log from its start, each whole and the next
    // generation of the one before, up to the first that is not; their patches
    // in order. False when there is none.
    static bool DecodeLog(const QByteArray &bytes, quint32 &lastGeneration, QList<TJournalPatch> &patches);

    // The file after the patch, from its content on disk (empty when absent).
    // False when the content cannot be the file the patch was made for.
    static bool Apply(const TJournalPatch &patch, QByteArray &content);
    // The same for a file a power cut may have left shorter or longer: the
    // content is first brought to the size the patch was made for. Right for
    // a log replayed from its start, whose patches cover every byte changed.
    static void Replay(const TJournalPatch &patch, QByteArray &content);
};
