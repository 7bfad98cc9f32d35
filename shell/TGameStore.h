#pragma once

#include "TDumpSeries.h"

#include "model/Services.h"
#include "model/TGameEvent.h"
#include "model/TPlayer.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

class TEventList;
class TParquetixApplication;
class TSettings;
class TTeam;

// Saves the game into its folder after every event and writes the dump files
// for scoreboard and graphics software. Failures are raised as TFileError.
//
// A save writes only what changed since the last one: typically the general
// record, one team file and one record appended to each events file. The
// change goes first into the folder's journal (see TSaveJournal), then into
// the files, so a crash at any moment leaves a folder that loads as the game
// after the last finished save, or after the one being written. The files are
// byte for byte what writing them anew would give.
//
// Nothing is flushed to disk by default: a flush costs about 10 ms per file
// on this kind of machine, many times the whole save, and a crashed or killed
// program loses nothing without it, because the data are in the file system
// as soon as the write returns. SetSyncToDisk(true) flushes the journal before
// the files change and the files before the save returns, which also
// survives a power cut.
class TGameStore : public IGameStore
{
public:
    // home: the application home, under which "Dumps/" is the dump folder when
    // DATA_DUMP_DIRECTORY is empty; tempFolder: "Temp/"; saveRoot: "Save/".
    TGameStore(const QString &home, const QString &tempFolder, const QString &saveRoot);
    // Folders are set later, once the application knows them; the store must
    // outlive the games it serves, since a game deletes its dumps when it ends.
    TGameStore() = default;
    void SetFolders(const QString &home, const QString &tempFolder, const QString &saveRoot);
    void SetFolders(const TParquetixApplication &app);
    ~TGameStore() override;
    TGameStore(const TGameStore &) = delete;
    TGameStore &operator=(const TGameStore &) = delete;

    void SetSyncToDisk(bool on) { m_sync = on; }

    // The seven files of the game folder.
    void SaveGame(TGame &game) override;
    // "Dump_Data_" (DATA_DUMP) and "Game_Data_" (CREATE_TEMP_DATA_FILES). When
    // a dump cannot be written the game is saved before the error is raised.
    void WriteDumps(TGame &game) override;
    // "Dump_Data_Q" + period (DATA_DUMP).
    void WritePeriodDump(TGame &game, int period) override;
    void DeleteEarlierDumps(TGame &game) override;
    void DeleteDumps(TGame &game) override;

    // "GameDumpData.dat", when the court screen opens and at the end of the game.
    void WriteGameDataDump(const TGame &game);
    // The temporary event copies, deleted whenever a saved game is loaded.
    void DeleteTemporaryEventDumps();
    // Packs the game folder into save root + code + ".zip"; any failure gives false.
    bool ZipGameFolder(const TGame &game, QString *error = nullptr);

    // DATA_DUMP_DIRECTORY; when it is empty, "Dumps/" under the home (an
    // empty folder would otherwise put the files at the root of the disk).
    // A relative folder is taken from the home.
    QString DumpFolder(const TSettings &settings) const;
    const QString &TempFolder() const { return m_tempFolder; }
    const QString &SaveRoot() const { return m_saveRoot; }

    // Bytes handed to the file system so far by saves and dumps.
    qint64 BytesWritten() const { return m_bytesWritten; }

private:
    struct TCachedEvent
    {
        TGameEvent Copy;
        QByteArray Record;
        quint64 Serial = 0;
        QByteArray DumpLine;
        int DumpPrefix = -1;
    };
    struct TCachedPlayer
    {
        TPlayer Copy;
        QByteArray Record;
    };
    // What an event held when it was last checked: its numbers and where its
    // texts lie. The cached copy shares those texts, so as long as the event
    // still points at them they cannot have changed (a change detaches them);
    // a check reads only the event itself.
    struct TEventPrint
    {
        qint32 Id = 0, PlayerId = 0, Kind = 0, Detail = 0, Side = 0, Clock = 0, SubEvent = 0;
        quint8 FastBreak = 0, SecondChance = 0;
        const void *Message = nullptr, *Text = nullptr, *Name = nullptr;
        qsizetype MessageSize = 0, TextSize = 0, NameSize = 0;
        static TEventPrint Of(const TGameEvent &e)
        {
            return {e.Id,
                    e.PlayerId,
                    e.Kind,
                    e.Detail,
                    e.Side,
                    e.Clock,
                    e.SubEvent,
                    e.FastBreak,
                    e.SecondChance,
                    e.Message.constData(),
                    e.Text.constData(),
                    e.PlayerName.constData(),
                    e.Message.size(),
                    e.Text.size(),
                    e.PlayerName.size()};
        }
        bool operator==(const TEventPrint &o) const = default;
    };
    // One position of an event list as last checked. The serial and the dump
    // line are kept here too, so that walking a list touches only the events.
    struct TSlot
    {
        const TGameEvent *Event = nullptr;
        TCachedEvent *Entry = nullptr;
        TEventPrint Print;
        quint64 Serial = 0;
        QByteArray Line;
        int LinePrefix = -1;
    };
    static constexpr int SmallFiles = 5;

    TCachedEvent *cached(const TGameEvent *event);
    const QByteArray &playerRecord(const TPlayer &player);
    void resolve(const TEventList &list, std::vector<TSlot> &entries);
    QByteArray teamFile(const TTeam &team);
    void saveOnce(TGame &game, bool &retry);
    void writeDumps(TGame &game);
    void writeFile(const QString &path, const QByteArray &bytes);
    void removeJournal();
    void closeFiles();
    // Closes the descriptors unless the save finished: the next save then
    // writes the whole folder.
    class TCloseOnFailure
    {
    public:
        explicit TCloseOnFailure(TGameStore &store) : m_store(store) {}
        ~TCloseOnFailure()
        {
            if (!m_done) {
                m_store.m_disk.Known = false;
                m_store.closeFiles();
            }
        }
        void Done() { m_done = true; }

    private:
        TGameStore &m_store;
        bool m_done = false;
    };
    void removeMatching(const QString &folder, const QStringList &patterns);

    QString m_home;
    QString m_tempFolder;
    QString m_saveRoot;
    bool m_sync = false;
    qint64 m_bytesWritten = 0;
    quint64 m_serial = 0;

    std::unordered_map<const TGameEvent *, std::unique_ptr<TCachedEvent>> m_events;
    std::unordered_map<const TPlayer *, std::unique_ptr<TCachedPlayer>> m_players;
    std::vector<TSlot> m_allSlots;
    std::vector<TSlot> m_queueSlots;

    // The files of the folder as this store last wrote them.
    struct TDisk
    {
        bool Known = false;
        QString Folder;
        QString Code;
        QByteArray Small[SmallFiles];
        std::vector<quint64> Events[2];
        quint32 Generation = 0;
        int Fd[SmallFiles + 2] = {-1, -1, -1, -1, -1, -1, -1};
        int Journal = -1;
    } m_disk;
    QString m_madeDumpFolder;
    std::unique_ptr<TDumpSeries> m_liveSeries;
    std::unique_ptr<TDumpSeries> m_eventSeries;
    QString m_madeTempFolder;
};
