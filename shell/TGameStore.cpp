#include "TGameStore.h"

#include "TAtomicFile.h"
#include "TDumpSeries.h"
#include "TDumpText.h"
#include "TFileError.h"
#include "TGameArchive.h"
#include "TGameFolder.h"
#include "TGeneralRecord.h"
#include "TSaveJournal.h"

#include "model/TGame.h"
#include "shell/TParquetixApplication.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Texts that share their data are equal without comparing them: a change of
// either copy detaches it first.
bool sameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

bool sameEvent(const TGameEvent &a, const TGameEvent &b)
{
    return a.Id == b.Id && a.PlayerId == b.PlayerId && a.Kind == b.Kind && a.Detail == b.Detail &&
           a.Side == b.Side && a.Clock == b.Clock && a.FastBreak == b.FastBreak &&
           a.SecondChance == b.SecondChance && a.SubEvent == b.SubEvent && sameText(a.Message, b.Message) &&
           sameText(a.Text, b.Text) && sameText(a.PlayerName, b.PlayerName);
}

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw TFileError(QStringLiteral("Cannot %1 %2: %3").arg(what, path, TAtomicFile::SystemError(error)));
}

void writeAt(int fd, const QByteArray &bytes, qint64 offset, const QString &path)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(left), off_t(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("write"), path, errno);
        }
        data += n;
        left -= n;
        offset += n;
    }
}

// The changed bytes of a small file; false when nothing changed.
bool diff(const QByteArray &before, const QByteArray &now, TJournalPatch &patch)
{
    const qsizetype common = std::min(before.size(), now.size());
    const auto mismatch = std::mismatch(before.constBegin(), before.constBegin() + common, now.constBegin());
    const qsizetype first = mismatch.first - before.constBegin();
    if (first == common && before.size() == now.size())
        return false;
    qsizetype end = now.size();
    if (before.size() == now.size())
        while (end > first && before.at(end - 1) == now.at(end - 1))
            --end;
    patch.BaseSize = quint32(before.size());
    patch.NewSize = quint32(now.size());
    patch.Offset = quint32(first);
    patch.Bytes = now.mid(first, end - first);
    return true;
}

const QString &requireFolder(const QString &folder)
{
    if (folder.isEmpty())
        throw TFileError(QStringLiteral("The application folders are not set"));
    return folder;
}

QString numbered(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

} // namespace

TGameStore::TGameStore(const QString &home, const QString &tempFolder, const QString &saveRoot)
{
    SetFolders(home, tempFolder, saveRoot);
}

TGameStore::~TGameStore()
{
    removeJournal();
}

void TGameStore::SetFolders(const QString &home, const QString &tempFolder, const QString &saveRoot)
{
    // An empty folder stays empty: it must never become the working directory.
    auto absolute = [](const QString &f) { return f.isEmpty() ? QString() : QDir(f).absolutePath(); };
    m_home = absolute(home);
    m_tempFolder = absolute(tempFolder);
    m_saveRoot = absolute(saveRoot);
    m_madeDumpFolder.clear();
    m_madeTempFolder.clear();
}

void TGameStore::SetFolders(const TParquetixApplication &app)
{
    SetFolders(app.ExeFolder, app.TempFolder, app.SaveRoot);
}

QString TGameStore::DumpFolder(const TSettings &settings) const
{
    QString folder = settings.DataDumpDirectory().trimmed();
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(folder) && m_home.isEmpty())
        return {};
    if (folder.isEmpty())
        return QDir(m_home).filePath(QStringLiteral("Dumps"));
    if (QDir::isRelativePath(folder))
        return QDir::cleanPath(QDir(m_home).filePath(folder));
    return QDir::cleanPath(folder);
}

// ---------------------------------------------------------------- record caches

TGameStore::TCachedEvent *TGameStore::cached(const TGameEvent *event)
{
    std::unique_ptr<TCachedEvent> &entry = m_events[event];
    if (!entry) {
        entry = std::make_unique<TCachedEvent>();
    } else if (entry->Serial != 0 && sameEvent(entry->Copy, *event)) {
        // Equal texts in new places: keep the record, share the new texts.
        entry->Copy = *event;
        return entry.get();
    }
    entry->Copy = *event;
    entry->Record = event->ToRecord();
    entry->Serial = ++m_serial;
    entry->DumpLine.clear();
    entry->DumpPrefix = -1;
    return entry.get();
}

void TGameStore::resolve(const TEventList &list, std::vector<TSlot> &entries)
{
    const QList<TEventList::Entry> &items = list.Entries();
    const size_t count = size_t(items.size());
    const size_t before = entries.size();
    entries.resize(count);
    const TEventList::Entry *item = items.constData();
    for (size_t i = 0; i < count; ++i) {
        // Events lie apart in memory: fetch a few ahead while checking this one.
        if (i + 16 < count) {
            const char *ahead = reinterpret_cast<const char *>(item[i + 16].Event);
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 64);
        }
        const TGameEvent *event = item[i].Event;
        TSlot &slot = entries[i];
        if (i < before && slot.Event == event && slot.Print == TEventPrint::Of(*event))
            continue;
        slot.Event = event;
        slot.Entry = cached(event);
        slot.Print = TEventPrint::Of(slot.Entry->Copy);
        slot.Serial = slot.Entry->Serial;
        slot.Line.clear();
        slot.LinePrefix = -1;
    }
}

const QByteArray &TGameStore::playerRecord(const TPlayer &player)
{
    std::unique_ptr<TCachedPlayer> &entry = m_players[&player];
    if (entry && entry->Copy == player)
        return entry->Record;
    if (!entry)
        entry = std::make_unique<TCachedPlayer>();
    entry->Copy = player;
    entry->Record = player.ToRecord();
    return entry->Record;
}

QByteArray TGameStore::teamFile(const TTeam &team)
{
    QByteArray out;
    out.reserve((1 + team.OnCourt.Count() + team.Bench.Count()) * TPlayer::RecordSize);
    out += playerRecord(team.TeamLine);
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench}) {
        const char onBench = list == &team.Bench ? 1 : 0;
        for (int i = 0; i < list->Count(); ++i) {
            const qsizetype at = out.size();
            out += playerRecord(*list->At(i));
            out[at + 301] = onBench;
        }
    }
    return out;
}

static QByteArray timeoutFile(const TTeam &team)
{
    QByteArray out;
    for (const auto &t : team.Timeouts)
        out += t.second.ToRecord();
    return out;
}

// ---------------------------------------------------------------- saving

void TGameStore::SaveGame(TGame &game)
{
    bool retry = false;
    try {
        saveOnce(game, retry);
        // A file changed behind the store's back: write the whole folder.
        if (retry)
            saveOnce(game, retry);
    } catch (const TFileError &) {
        // A save that failed half-way leaves the store unsure what the files
        // hold: forget it all, so the next save writes the whole folder.
        closeFiles();
        m_disk = TDisk{};
        m_events.clear();
        m_players.clear();
        m_allSlots.clear();
        m_queueSlots.clear();
        throw;
    }
}

void TGameStore::saveOnce(TGame &game, bool &retry)
{
    retry = false;
    if (game.GameFolder.isEmpty())
        throw TFileError(QStringLiteral("The game has no folder to be saved in"));
    const QString folder = QDir(game.GameFolder).absolutePath();
    if (folder != m_disk.Folder || game.GameCode != m_disk.Code) {
        removeJournal();
        m_disk = TDisk{};
        m_disk.Folder = folder;
        m_disk.Code = game.GameCode;
        m_events.clear();
        m_players.clear();
        m_allSlots.clear();
        m_queueSlots.clear();
    }
    if (!m_disk.Known && !QDir().mkpath(folder))
        throw TFileError(QStringLiteral("Cannot create the game folder %1").arg(folder));

    const QStringList names = TGameFolder::GameFiles(game.GameCode);
    const QByteArray small[SmallFiles] = {TGeneralRecord::FromGame(game).ToRecord(),
                                          teamFile(game.HomeTeam()), timeoutFile(game.HomeTeam()),
                                          teamFile(game.AwayTeam()), timeoutFile(game.AwayTeam())};
    resolve(game.AllEvents, m_allSlots);
    resolve(game.OutgoingQueue, m_queueSlots);
    const std::vector<TSlot> *eventSlots[2] = {&m_allSlots, &m_queueSlots};
    constexpr int R = TGameEvent::RecordSize;

    const bool full = !m_disk.Known;
    QList<TJournalPatch> patches;
    std::vector<int> fileOf; // index of each patch's file among the seven
    for (int i = 0; i < SmallFiles; ++i) {
        TJournalPatch patch;
        patch.File = names[i];
        if (full) {
            patch.NewSize = quint32(small[i].size());
            patch.Bytes = small[i];
        } else if (!diff(m_disk.Small[i], small[i], patch)) {
            continue;
        }
        patches.append(std::move(patch));
        fileOf.push_back(i);
    }
    for (int f = 0; f < 2; ++f) {
        const std::vector<TSlot> &entries = *eventSlots[f];
        const std::vector<quint64> &before = m_disk.Events[f];
        const size_t count = entries.size();
        size_t first = 0;
        size_t end = count;
        if (!full) {
            const size_t common = std::min(before.size(), count);
            while (first < common && before[first] == entries[first].Serial)
                ++first;
            if (first == common && before.size() == count)
                continue;
            if (before.size() == count)
                while (end > first && before[end - 1] == entries[end - 1].Serial)
                    --end;
        }
        TJournalPatch patch;
        patch.File = names[SmallFiles + f];
        patch.BaseSize = quint32(before.size() * R);
        patch.NewSize = quint32(count * R);
        patch.Offset = quint32(first * R);
        patch.Bytes.reserve(qsizetype((end - first) * R));
        for (size_t i = first; i < end; ++i)
            patch.Bytes += entries[i].Entry->Record;
        patches.append(std::move(patch));
        fileOf.push_back(SmallFiles + f);
    }
    if (patches.isEmpty())
        return;

    // The descriptors stay open from save to save. Files to be changed are
    // checked before the journal is written: a file that was removed, replaced
    // or resized by someone else makes the store write the whole folder. A
    // whole folder's files are only created after the journal, so that no
    // empty file can ever stand for a saved game.
    TCloseOnFailure guard(*this);
    auto pathOf = [&](int file) { return QDir(folder).filePath(names[file]); };
    if (!full) {
        for (size_t i = 0; i < fileOf.size(); ++i) {
            int &fd = m_disk.Fd[fileOf[i]];
            if (fd < 0)
                fd = ::open(QFile::encodeName(pathOf(fileOf[i])).constData(), O_RDWR | O_CLOEXEC);
            struct stat st;
            if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0 ||
                st.st_size != qint64(patches[qsizetype(i)].BaseSize)) {
                retry = true;
                return;
            }
        }
    }

    // Until the save has finished the store no longer knows what the files hold.
    m_disk.Known = false;
    const QByteArray record = TSaveJournal::Encode(++m_disk.Generation, patches);
    const QString journalPath = QDir(folder).filePath(QString::fromLatin1(TSaveJournal::FileName));
    struct stat st;
    if (m_disk.Journal >= 0 && (::fstat(m_disk.Journal, &st) != 0 || st.st_nlink == 0)) {
        ::close(m_disk.Journal);
        m_disk.Journal = -1;
    }
    if (m_disk.Journal < 0)
        m_disk.Journal =
            ::open(QFile::encodeName(journalPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_disk.Journal < 0)
        fail(QStringLiteral("write"), journalPath, errno);
    writeAt(m_disk.Journal, record, 0, journalPath);
    if (m_sync && ::fdatasync(m_disk.Journal) != 0)
        fail(QStringLiteral("write"), journalPath, errno);
    // A large record (the first save of a session) is not kept around.
    if (::fstat(m_disk.Journal, &st) == 0 && st.st_size > record.size() + 65536)
        ::ftruncate(m_disk.Journal, record.size());
    qint64 written = record.size();

    for (size_t i = 0; i < fileOf.size(); ++i) {
        const TJournalPatch &patch = patches[qsizetype(i)];
        const QString path = pathOf(fileOf[i]);
        int &fd = m_disk.Fd[fileOf[i]];
        if (full) {
            if (fd >= 0)
                ::close(fd);
            fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            if (fd < 0)
                fail(QStringLiteral("write"), path, errno);
        }
        writeAt(fd, patch.Bytes, patch.Offset, path);
        const qint64 reached = std::max<qint64>(patch.BaseSize, qint64(patch.Offset) + patch.Bytes.size());
        if ((full || reached != qint64(patch.NewSize)) && ::ftruncate(fd, off_t(patch.NewSize)) != 0)
            fail(QStringLiteral("write"), path, errno);
        if (m_sync && ::fdatasync(fd) != 0)
            fail(QStringLiteral("write"), path, errno);
        written += patch.Bytes.size();
    }
    if (m_sync && full) {
        const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    char applied[4];
    qToLittleEndian(TSaveJournal::Applied, applied);
    writeAt(m_disk.Journal, QByteArray::fromRawData(applied, 4), TSaveJournal::StateOffset, journalPath);
    written += 4;
    m_bytesWritten += written;
    guard.Done();

    for (int i = 0; i < SmallFiles; ++i)
        m_disk.Small[i] = small[i];
    for (int f = 0; f < 2; ++f) {
        std::vector<quint64> &serials = m_disk.Events[f];
        serials.resize(eventSlots[f]->size());
        for (size_t i = 0; i < serials.size(); ++i)
            serials[i] = (*eventSlots[f])[i].Serial;
    }
    m_disk.Known = true;
}

void TGameStore::closeFiles()
{
    for (int &fd : m_disk.Fd)
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    if (m_disk.Journal >= 0) {
        ::close(m_disk.Journal);
        m_disk.Journal = -1;
    }
}

void TGameStore::removeJournal()
{
    closeFiles();
    // Only a journal whose record has been applied may go.
    if (m_disk.Known && !m_disk.Folder.isEmpty())
        TAtomicFile::Remove(QDir(m_disk.Folder).filePath(QString::fromLatin1(TSaveJournal::FileName)));
}

// ---------------------------------------------------------------- dumps

void TGameStore::writeFile(const QString &path, const QByteArray &bytes)
{
    TAtomicFile::Write(path, bytes, m_sync);
    m_bytesWritten += bytes.size();
}

void TGameStore::WriteDumps(TGame &game)
{
    try {
        writeDumps(game);
    } catch (const TFileError &) {
        // The dumps are for other programs; the event that could not be dumped
        // is secured in the game folder before the failure is raised.
        if (!game.GameFolder.isEmpty())
            SaveGame(game);
        throw;
    }
}

void TGameStore::writeDumps(TGame &game)
{
    const TSettings &settings = game.Settings();
    if (settings.DataDump()) {
        const QString folder = requireFolder(DumpFolder(settings));
        if (folder != m_madeDumpFolder) {
            if (!QDir().mkpath(folder))
                throw TFileError(QStringLiteral("Cannot create the dump folder %1").arg(folder));
            m_madeDumpFolder = folder;
        }
        if (!m_liveSeries || m_liveSeries->Folder() != folder)
            m_liveSeries = std::make_unique<TDumpSeries>(folder, QStringLiteral("Dump_Data_"));
        const int n = game.EventCounter;
        const QByteArray text = TDumpText::LiveBoxScore(game);
        m_liveSeries->Write(n, {QByteArrayView(text)}, m_sync);
        m_bytesWritten += text.size();
        m_liveSeries->Remove(n - 3);
        m_liveSeries->Remove(n - 2);
    }
    if (settings.CreateTempDataFiles()) {
        if (m_madeTempFolder != m_tempFolder) {
            if (!QDir().mkpath(requireFolder(m_tempFolder)))
                throw TFileError(QStringLiteral("Cannot create the folder %1").arg(m_tempFolder));
            m_madeTempFolder = m_tempFolder;
        }
        resolve(game.AllEvents, m_allSlots);
        const int prefix = int(settings.ServerName().size());
        std::vector<QByteArrayView> lines;
        lines.reserve(m_allSlots.size());
        qint64 size = 0;
        for (TSlot &slot : m_allSlots) {
            if (slot.LinePrefix != prefix) {
                TCachedEvent &entry = *slot.Entry;
                if (entry.DumpPrefix != prefix) {
                    // An event without a message has no line.
                    entry.DumpLine = entry.Copy.Message.isEmpty() ? QByteArray()
                                                                  : TDumpText::EventLine(entry.Copy, prefix);
                    entry.DumpPrefix = prefix;
                }
                slot.Line = entry.DumpLine;
                slot.LinePrefix = prefix;
            }
            if (!slot.Line.isEmpty()) {
                lines.emplace_back(slot.Line);
                size += slot.Line.size();
            }
        }
        if (!m_eventSeries || m_eventSeries->Folder() != m_tempFolder)
            m_eventSeries = std::make_unique<TDumpSeries>(m_tempFolder, QStringLiteral("Game_Data_"));
        const int n = std::max(0, game.AllEvents.Count() - 1);
        m_eventSeries->Write(n, lines, m_sync);
        m_bytesWritten += size;
        for (int old : {n - 3, n - 2})
            if (old >= 0) {
                m_eventSeries->Remove(old);
                TAtomicFile::Remove(numbered(m_tempFolder, TDumpText::EventSubFileName(old)));
            }
    }
}

void TGameStore::WritePeriodDump(TGame &game, int period)
{
    const TSettings &settings = game.Settings();
    if (!settings.DataDump())
        return;
    const QString folder = requireFolder(DumpFolder(settings));
    if (!QDir().mkpath(folder))
        throw TFileError(QStringLiteral("Cannot create the dump folder %1").arg(folder));
    const QByteArray text = TDumpText::PeriodBoxScore(game, period);
    writeFile(numbered(folder, TDumpText::PeriodFileName(period)), text);
}

void TGameStore::WriteGameDataDump(const TGame &game)
{
    const TSettings &settings = game.Settings();
    if (!settings.DataDump())
        return;
    const QString folder = requireFolder(DumpFolder(settings));
    if (!QDir().mkpath(folder))
        throw TFileError(QStringLiteral("Cannot create the dump folder %1").arg(folder));
    writeFile(numbered(folder, QStringLiteral("GameDumpData.dat")), TDumpText::GameData(game));
}

void TGameStore::removeMatching(const QString &folder, const QStringList &patterns)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::System))
        TAtomicFile::Remove(dir.filePath(name));
}

void TGameStore::DeleteTemporaryEventDumps()
{
    removeMatching(m_tempFolder, {QStringLiteral("Game_Data_*.*"), QStringLiteral("Game_Subdata_Data_*.*"),
                                  QStringLiteral(".Game_Data_*.tmp")});
    if (m_eventSeries)
        m_eventSeries.reset();
}

void TGameStore::DeleteEarlierDumps(TGame &game)
{
    removeMatching(DumpFolder(game.Settings()),
                   {QStringLiteral("Dump_Data_*.*"), QStringLiteral(".Dump_Data_*.tmp")});
    m_liveSeries.reset();
    DeleteTemporaryEventDumps();
}

void TGameStore::DeleteDumps(TGame &game)
{
    removeMatching(DumpFolder(game.Settings()),
                   {QStringLiteral("Dump_Data_*.*"), QStringLiteral("GameDumpData.*"),
                    QStringLiteral(".Dump_Data_*.tmp"), QStringLiteral(".GameDumpData.dat.tmp")});
    m_liveSeries.reset();
    DeleteTemporaryEventDumps();
}

bool TGameStore::ZipGameFolder(const TGame &game, QString *error)
{
    return TGameArchive::Zip(game.GameFolder,
                             QDir(m_saveRoot).filePath(game.GameCode + QStringLiteral(".zip")), error);
}
