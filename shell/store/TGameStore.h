#pragma once

#include "savegame/TJournalledSave.h"
#include "savegame/TRecordCache.h"
#include "savegame/TReviewFile.h"
#include "shell/dumps/TDumpWriter.h"

#include "model/services/Services.h"

#include <QString>

class TFileIo;
class TGame;
class TParquetixApplication;
class TSettings;

// The game's store: saves the game into its folder after every event (see
// TJournalledSave) and writes the dump files for scoreboard and graphics
// software (see TDumpWriter), both from one cache of encoded records.
// Failures are raised as TFileError.
class TGameStore : public IGameStore
{
public:
    // home: the application home, under which "Dumps/" is the dump folder when
    // DATA_DUMP_DIRECTORY is empty; tempFolder: "Temp/"; saveRoot: "Save/".
    TGameStore(const QString &home, const QString &tempFolder, const QString &saveRoot);
    // Folders are set later, once the application knows them; the store must
    // outlive the games it serves, since a game deletes its dumps when it ends.
    TGameStore();
    void SetFolders(const QString &home, const QString &tempFolder, const QString &saveRoot);
    void SetFolders(const TParquetixApplication &app);
    ~TGameStore() override;
    TGameStore(const TGameStore &) = delete;
    TGameStore &operator=(const TGameStore &) = delete;

    // On: every save and dump flushed to disk before it returns. Off (the
    // default): saves reach the disk through the redo log's background flush.
    void SetSyncToDisk(bool on);
    void SetDurability(TSaveDurability durability) { m_save.SetDurability(durability); }
    void SetRedoLogLimit(qint64 bytes) { m_save.SetRedoLogLimit(bytes); }
    // Blocks until the last save is on disk; false when the flush failed.
    bool WaitForDisk() { return m_save.WaitForDisk(); }
    // Waits for the last flush and closes the game folder; the store does it
    // itself when it is destroyed, when another game is saved and before a zip.
    void CloseGameFolder() { m_save.Close(); }
    // Every file change goes through io (tests fail chosen calls); it must
    // outlive the store.
    void SetFileIo(TFileIo &io);

    // The seven files of the game folder, and the operator's decisions about
    // its flags when they changed (TReviewFile).
    void SaveGame(TGame &game) override;
    // "Dump_Data_" (DATA_DUMP) and "Game_Data_" (CREATE_TEMP_DATA_FILES). When
    // a dump cannot be written the game is saved before the error is raised.
    void WriteDumps(TGame &game) override;
    // "Dump_Data_Q" + period (DATA_DUMP).
    void WritePeriodDump(TGame &game, int period) override;
    void DeleteEarlierDumps(TGame &game) override;
    void DeleteDumps(TGame &game) override;

    // "GameDumpData.dat", when the court screen opens, at the end of the game
    // and whenever the game data change.
    void WriteGameDataDump(const TGame &game) override;
    // The temporary event copies, deleted whenever a saved game is loaded.
    void DeleteTemporaryEventDumps();
    // Packs the game folder into save root + code + ".zip"; any failure gives false.
    bool ZipGameFolder(const TGame &game, QString *error = nullptr);

    QString DumpFolder(const TSettings &settings) const { return m_dumps.DumpFolder(settings); }
    const QString &TempFolder() const { return m_dumps.TempFolder(); }
    const QString &SaveRoot() const { return m_saveRoot; }

    // Bytes handed to the file system so far by saves and dumps.
    qint64 BytesWritten() const { return m_save.BytesWritten() + m_dumps.BytesWritten(); }
    // The same with every dump counted whole: the bytes the files must hold.
    qint64 BytesHeld() const { return m_save.BytesWritten() + m_dumps.BytesHeld(); }

private:
    QString m_saveRoot;
    QString m_savedFolder;
    QString m_savedCode;
    TRecordCache m_records;
    TJournalledSave m_save;
    TReviewFile m_review;
    TDumpWriter m_dumps;
};
