#pragma once

#include "TRecordCache.h"
#include "TSaveManifest.h"

#include <QByteArray>
#include <QString>
#include <vector>

class TFileIo;
class TGame;

// Saves the game into its folder, writing only what changed since the last
// save: typically the general record, one team file and one record appended
// to each events file. The change goes first into the folder's journal (see
// TSaveJournal), then into the files, then the manifest of the save (see
// TSaveManifest) is updated and the record marked applied, so a crash or a
// failed write at any moment leaves a folder that loads as the game after the
// last finished save, or after the one being written. The files are byte for
// byte what writing them anew would give.
//
// Nothing is flushed to disk by default: a flush costs about 10 ms per file
// on this kind of machine, many times the whole save, and a crashed or killed
// program loses nothing without it, because the data are in the file system
// as soon as the write returns. SetSyncToDisk(true) flushes the journal before
// the files change and the files before the save returns, which also
// survives a power cut.
class TJournalledSave
{
public:
    explicit TJournalledSave(TFileIo &io) : m_io(&io) {}
    ~TJournalledSave();
    TJournalledSave(const TJournalledSave &) = delete;
    TJournalledSave &operator=(const TJournalledSave &) = delete;

    void SetFileIo(TFileIo &io);
    void SetSyncToDisk(bool on) { m_sync = on; }
    // Raises TFileError; after a failure the next save writes the whole folder.
    void Save(TGame &game, TRecordCache &records);
    // Closes the files; the journal goes when the last save finished.
    void Close();
    qint64 BytesWritten() const { return m_bytesWritten; }

private:
    static constexpr int SmallFiles = 5;
    static constexpr int GameFiles = SmallFiles + 2;

    void saveOnce(TGame &game, TRecordCache &records, bool &retry);
    void settlePendingRecord(const QString &folder);
    void writeManifest(const QString &folder);
    void closeFiles();

    TFileIo *m_io;
    bool m_sync = false;
    qint64 m_bytesWritten = 0;

    // The files of the folder as this store last wrote them.
    struct TDisk
    {
        bool Known = false;
        QString Folder;
        QString Code;
        QByteArray Small[SmallFiles];
        std::vector<quint64> Events[2];
        qint64 Size[GameFiles] = {};
        TRunningCrc Crc[GameFiles];
        quint32 Generation = 0;
        int Fd[GameFiles] = {-1, -1, -1, -1, -1, -1, -1};
        int Journal = -1;
        int Manifest = -1;
        qsizetype ManifestSize = 0;
    } m_disk;
};
