#pragma once

#include "TDumpSeries.h"
#include "savegame/TRecordCache.h"

#include <QString>
#include <QStringList>
#include <memory>

class TFileIo;
class TGame;
class TSettings;

// Writes the dump files for scoreboard and graphics software and the
// temporary event copies, and deletes them. Failures are raised as TFileError.
class TDumpWriter
{
public:
    explicit TDumpWriter(TFileIo &io) : m_io(&io) {}
    void SetFolders(const QString &home, const QString &tempFolder);
    void SetFileIo(TFileIo &io);
    void SetSyncToDisk(bool on) { m_sync = on; }

    // "Dump_Data_" (DATA_DUMP) and "Game_Data_" (CREATE_TEMP_DATA_FILES).
    void WriteDumps(TGame &game, TRecordCache &records);
    // "Dump_Data_Q" + period (DATA_DUMP).
    void WritePeriodDump(TGame &game, int period);
    // "GameDumpData.dat".
    void WriteGameDataDump(const TGame &game);
    void DeleteTemporaryEventDumps();
    void DeleteEarlierDumps(TGame &game);
    void DeleteDumps(TGame &game);

    // DATA_DUMP_DIRECTORY; when it is empty, "Dumps/" under the home (an
    // empty folder would otherwise put the files at the root of the disk).
    // A relative folder is taken from the home.
    QString DumpFolder(const TSettings &settings) const;
    const QString &TempFolder() const { return m_tempFolder; }
    qint64 BytesWritten() const { return m_bytesWritten; }
    // The sizes of the dump files written so far: what the dumps must hold,
    // of which only the changed part is written.
    qint64 BytesHeld() const { return m_bytesHeld; }

private:
    void writeFile(const QString &path, const QByteArray &bytes);
    void removeMatching(const QString &folder, const QStringList &patterns);

    TFileIo *m_io;
    QString m_home;
    QString m_tempFolder;
    bool m_sync = false;
    qint64 m_bytesWritten = 0;
    qint64 m_bytesHeld = 0;
    QString m_madeDumpFolder;
    QString m_madeTempFolder;
    std::unique_ptr<TDumpSeries> m_liveSeries;
    QByteArray m_lastLiveText;
    std::unique_ptr<TDumpSeries> m_eventSeries;
    // Where each line of the last event copy ends, by log position.
    std::vector<qint64> m_lineEnds;
    int m_linePrefix = -1;
    TRecentNumbers m_subdataTried;
};
