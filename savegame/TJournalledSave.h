#pragma once

#include "TBackgroundSync.h"
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
// A crashed or killed program loses nothing without a flush to disk, because
// the data are in the file system as soon as the write returns; a power cut
// loses what was not flushed. A flush costs milliseconds per file, many times
// the whole save, so by default (Background) every record also goes to a redo
// log that a thread of its own flushes after the save has returned: a power
// cut costs at most the save whose flush had not finished. EverySave flushes
// the journal before the files change and the files before the save returns;
// None flushes nothing (tests and measurements).
enum class TSaveDurability
{
    None,
    Background,
    EverySave
};

class TJournalledSave
{
public:
    explicit TJournalledSave(TFileIo &io) : m_io(&io) {}
    ~TJournalledSave();
    TJournalledSave(const TJournalledSave &) = delete;
    TJournalledSave &operator=(const TJournalledSave &) = delete;

    void SetFileIo(TFileIo &io);
    void SetDurability(TSaveDurability durability);
    void SetSyncToDisk(bool on)
    {
        SetDurability(on ? TSaveDurability::EverySave : TSaveDurability::Background);
    }
    TSaveDurability Durability() const { return m_durability; }
    // A redo log longer than this is begun anew; 0: a few times the folder's size.
    void SetRedoLogLimit(qint64 bytes) { m_redoLimit = bytes; }
    // Raises TFileError; after a failure the next save writes the whole folder.
    // A background flush that failed fails the next save.
    void Save(TGame &game, TRecordCache &records);
    // Blocks until the last save is on disk (Background); false when a flush failed.
    bool WaitForDisk();
    // Waits for the last flush, flushes the files and closes them; the journal
    // and the redo logs go when the last save finished and reached the disk.
    void Close();
    qint64 BytesWritten() const { return m_bytesWritten; }

private:
    static constexpr int SmallFiles = 5;
    static constexpr int GameFiles = SmallFiles + 2;

    void saveOnce(TGame &game, TRecordCache &records, bool &retry);
    void settlePendingRecord(const QString &folder);
    void settleRedoLogs(const QString &folder);
    void writeRedo(const QString &folder, const QByteArray &record, bool restart);
    void writeManifest(const QString &folder);
    void closeFiles();

    TFileIo *m_io;
    TSaveDurability m_durability = TSaveDurability::Background;
    bool m_sync = false;
    qint64 m_redoLimit = 0;
    int m_flushError = 0; // of a background flush, not yet reported by a save
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
        int Redo = -1;
        int RedoIndex = 0; // which of the two logs
        qint64 RedoEnd = 0;
        qsizetype ManifestSize = 0;
    } m_disk;
    // Destroyed first: its thread stops before anything it uses.
    TBackgroundSync m_background;
};
