#include "TJournalledSave.h"

#include "TAtomicFile.h"
#include "TFileError.h"
#include "TFileIo.h"
#include "TGameFolder.h"
#include "TGeneralRecord.h"
#include "TSaveJournal.h"
#include "common/SharedBytes.h"

#include "model/game/TGame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace {

// Small files are checksummed in chunks of this size, so a change near the
// end of the general record does not pass over all of it.
constexpr qsizetype CrcChunk = 512;

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw TFileError(QStringLiteral("Cannot %1 %2: %3").arg(what, path, TAtomicFile::SystemError(error)));
}

void writeAt(TFileIo &io, int fd, QByteArrayView bytes, qint64 offset, const QString &path)
{
    if (!io.WriteAll(fd, bytes, offset))
        fail(QStringLiteral("write"), path, errno);
}

// The changed bytes of a small file; false when nothing changed.
bool diff(const QByteArray &before, const QByteArray &now, TJournalPatch &patch)
{
    const qsizetype first = SharedBytes::Prefix(before, now);
    if (first == now.size() && before.size() == now.size())
        return false;
    qsizetype end = now.size();
    if (before.size() == now.size())
        end -= SharedBytes::Suffix(before, now, end - first);
    patch.BaseSize = quint32(before.size());
    patch.NewSize = quint32(now.size());
    patch.Offset = quint32(first);
    patch.Bytes = now.mid(first, end - first);
    return true;
}

// Reads a small hidden file of the folder; false when it is not there. A file
// that is there but cannot be read fails the save: nothing may be overwritten
// on a guess.
bool readHidden(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        throw TFileError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TFileError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return true;
}

qint64 sizeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? qint64(st.st_size) : 0;
}

} // namespace

TJournalledSave::~TJournalledSave()
{
    Close();
}

void TJournalledSave::SetDurability(TSaveDurability durability)
{
    m_durability = durability;
    m_sync = durability == TSaveDurability::EverySave;
}

bool TJournalledSave::WaitForDisk()
{
    // A failed flush stays to fail the next save, which makes the one after
    // it write the whole folder.
    if (const int error = m_background.Wait())
        m_flushError = error;
    return m_flushError == 0;
}

void TJournalledSave::SetFileIo(TFileIo &io)
{
    closeFiles();
    m_disk.Known = false;
    m_io = &io;
}

void TJournalledSave::Save(TGame &game, TRecordCache &records)
{
    bool retry = false;
    try {
        const int error = m_flushError != 0 ? m_flushError : m_background.TakeError();
        m_flushError = 0;
        if (error != 0)
            fail(QStringLiteral("flush to disk the redo log of"), game.GameFolder, error);
        saveOnce(game, records, retry);
        // A file changed behind the store's back: write the whole folder.
        if (retry)
            saveOnce(game, records, retry);
    } catch (const TFileError &) {
        // A save that failed half-way leaves the store unsure what the files
        // hold: the next one starts from what is on disk and writes it all.
        closeFiles();
        m_disk = TDisk{};
        throw;
    }
}

void TJournalledSave::saveOnce(TGame &game, TRecordCache &records, bool &retry)
{
    retry = false;
    if (game.GameFolder.isEmpty())
        throw TFileError(QStringLiteral("The game has no folder to be saved in"));
    const QString folder = QDir(game.GameFolder).absolutePath();
    if (folder != m_disk.Folder || game.GameCode != m_disk.Code) {
        Close();
        m_disk = TDisk{};
        m_disk.Folder = folder;
        m_disk.Code = game.GameCode;
    }
    if (!m_disk.Known && !QDir().mkpath(folder))
        throw TFileError(QStringLiteral("Cannot create the game folder %1").arg(folder));

    const QStringList names = TGameFolder::GameFiles(game.GameCode);
    const QByteArray small[SmallFiles] = {
        TGeneralRecord::FromGame(game).ToRecord(), records.TeamFile(game.HomeTeam()),
        TRecordCache::TimeoutFile(game.HomeTeam()), records.TeamFile(game.AwayTeam()),
        TRecordCache::TimeoutFile(game.AwayTeam())};
    const std::vector<TRecordCache::TSlot> *eventSlots[2] = {&records.Log(game.AllEvents),
                                                             &records.Queue(game.OutgoingQueue.Snapshot())};
    // The files held every position before these at the last save, unless it
    // failed, which makes this one write the whole folder.
    const size_t changedFrom[2] = {records.TakeChangedFrom(TRecordCache::SavedLog),
                                   records.TakeChangedFrom(TRecordCache::SavedQueue)};
    constexpr int R = TGameEvent::RecordSize;

    const bool full = !m_disk.Known;
    QList<TJournalPatch> patches;
    std::vector<int> fileOf;     // index of each patch's file among the seven
    std::vector<size_t> chunkOf; // its first changed checksum chunk
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
        chunkOf.push_back(size_t(patches.last().Offset / CrcChunk));
    }
    for (int f = 0; f < 2; ++f) {
        const std::vector<TRecordCache::TSlot> &entries = *eventSlots[f];
        const std::vector<quint64> &before = m_disk.Events[f];
        const size_t count = entries.size();
        size_t first = 0;
        size_t end = count;
        if (!full) {
            const size_t common = std::min(before.size(), count);
            first = std::min(changedFrom[f], common);
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
        chunkOf.push_back(first);
    }
    if (patches.isEmpty())
        return;

    // The descriptors stay open from save to save. Files to be changed are
    // checked before the journal is written: a file that was removed, replaced
    // or resized by someone else makes the store write the whole folder. A
    // whole folder's files are only created after the journal, so that no
    // empty file can ever stand for a saved game.
    struct TCloseOnFailure
    {
        TJournalledSave &Save;
        bool Done = false;
        ~TCloseOnFailure()
        {
            if (!Done) {
                Save.m_disk.Known = false;
                Save.closeFiles();
            }
        }
    } guard{*this};
    auto pathOf = [&](int file) { return QDir(folder).filePath(names[file]); };
    if (!full) {
        for (size_t i = 0; i < fileOf.size(); ++i) {
            int &fd = m_disk.Fd[fileOf[i]];
            if (fd < 0)
                fd = m_io->Open(QFile::encodeName(pathOf(fileOf[i])), O_RDWR);
            struct stat st;
            if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0 ||
                st.st_size != qint64(patches[qsizetype(i)].BaseSize)) {
                retry = true;
                return;
            }
        }
    } else {
        settleRedoLogs(folder);
        settlePendingRecord(folder);
    }

    // Until the save has finished the store no longer knows what the files hold.
    m_disk.Known = false;
    const QByteArray record = TSaveJournal::Encode(++m_disk.Generation, patches);
    const QString journalPath = QDir(folder).filePath(QString::fromLatin1(TSaveJournal::FileName));
    struct stat st;
    qint64 journalSize = -1;
    if (m_disk.Journal >= 0 && (::fstat(m_disk.Journal, &st) != 0 || st.st_nlink == 0)) {
        m_io->Close(m_disk.Journal);
        m_disk.Journal = -1;
    } else if (m_disk.Journal >= 0) {
        journalSize = st.st_size;
    }
    if (m_disk.Journal < 0)
        m_disk.Journal = m_io->Open(QFile::encodeName(journalPath), O_RDWR | O_CREAT);
    if (m_disk.Journal < 0)
        fail(QStringLiteral("write"), journalPath, errno);
    writeAt(*m_io, m_disk.Journal, record, 0, journalPath);
    if (m_sync && m_io->Sync(m_disk.Journal) != 0)
        fail(QStringLiteral("write"), journalPath, errno);
    // A large record (the first save of a session) is not kept around.
    if (journalSize < 0 && ::fstat(m_disk.Journal, &st) == 0)
        journalSize = st.st_size;
    if (std::max(journalSize, qint64(record.size())) > record.size() + 65536)
        m_io->Truncate(m_disk.Journal, record.size());
    qint64 written = record.size();
    if (m_durability == TSaveDurability::Background) {
        // A log begins with the whole folder; when it has grown to a few
        // times that, the other log begins anew.
        qint64 folderBytes = 0;
        for (const qint64 size : m_disk.Size)
            folderBytes += size;
        constexpr qint64 MinLog = qint64(8) << 20, MaxLog = qint64(96) << 20;
        const qint64 limit =
            m_redoLimit > 0 ? m_redoLimit : std::min(MaxLog, std::max(MinLog, 3 * folderBytes));
        const bool restart = full || m_disk.Redo < 0 || m_disk.RedoEnd > limit;
        if (restart && !full) {
            QList<TJournalPatch> whole;
            for (int i = 0; i < SmallFiles; ++i)
                whole.append({names[i], 0, quint32(small[i].size()), 0, small[i]});
            for (int f = 0; f < 2; ++f) {
                TJournalPatch patch{names[SmallFiles + f], 0, quint32(eventSlots[f]->size() * R), 0, {}};
                patch.Bytes.reserve(qsizetype(patch.NewSize));
                for (const TRecordCache::TSlot &entry : *eventSlots[f])
                    patch.Bytes += entry.Entry->Record;
                whole.append(std::move(patch));
            }
            const QByteArray wholeRecord = TSaveJournal::Encode(m_disk.Generation, whole);
            writeRedo(folder, wholeRecord, true);
            written += wholeRecord.size();
        } else {
            writeRedo(folder, record, restart);
            written += record.size();
        }
    }

    for (size_t i = 0; i < fileOf.size(); ++i) {
        const TJournalPatch &patch = patches[qsizetype(i)];
        const QString path = pathOf(fileOf[i]);
        int &fd = m_disk.Fd[fileOf[i]];
        if (full) {
            if (fd >= 0)
                m_io->Close(fd);
            fd = m_io->Open(QFile::encodeName(path), O_RDWR | O_CREAT);
            if (fd < 0)
                fail(QStringLiteral("write"), path, errno);
        }
        writeAt(*m_io, fd, patch.Bytes, patch.Offset, path);
        const qint64 reached = std::max<qint64>(patch.BaseSize, qint64(patch.Offset) + patch.Bytes.size());
        if ((full || reached != qint64(patch.NewSize)) && m_io->Truncate(fd, off_t(patch.NewSize)) != 0)
            fail(QStringLiteral("write"), path, errno);
        if (m_sync && m_io->Sync(fd) != 0)
            fail(QStringLiteral("write"), path, errno);
        written += patch.Bytes.size();
        m_disk.Size[fileOf[i]] = patch.NewSize;
    }
    if (m_sync && full)
        m_io->SyncFolder(QFile::encodeName(folder));

    for (size_t i = 0; i < fileOf.size(); ++i) {
        const int file = fileOf[i];
        TRunningCrc &crc = m_disk.Crc[file];
        if (full)
            crc.Clear();
        if (file < SmallFiles) {
            const QByteArrayView bytes(small[file]);
            crc.Update(chunkOf[i], size_t((bytes.size() + CrcChunk - 1) / CrcChunk), [&](size_t c) {
                const qsizetype at = qsizetype(c) * CrcChunk;
                return bytes.sliced(at, std::min(CrcChunk, bytes.size() - at));
            });
        } else {
            const std::vector<TRecordCache::TSlot> &entries = *eventSlots[file - SmallFiles];
            crc.Update(chunkOf[i], entries.size(),
                       [&](size_t c) { return QByteArrayView(entries[c].Entry->Record); });
        }
    }
    writeManifest(folder);
    written += m_disk.ManifestSize;

    char applied[4];
    qToLittleEndian(TSaveJournal::Applied, applied);
    writeAt(*m_io, m_disk.Journal, QByteArrayView(applied, 4), TSaveJournal::StateOffset, journalPath);
    written += 4;
    m_bytesWritten += written;
    guard.Done = true;
    if (m_durability == TSaveDurability::Background)
        m_background.Request(*m_io, m_disk.Redo);

    for (int i = 0; i < SmallFiles; ++i)
        m_disk.Small[i] = small[i];
    for (int f = 0; f < 2; ++f) {
        std::vector<quint64> &serials = m_disk.Events[f];
        const size_t from = full ? 0 : std::min(changedFrom[f], serials.size());
        serials.resize(eventSlots[f]->size());
        for (size_t i = from; i < serials.size(); ++i)
            serials[i] = (*eventSlots[f])[i].Serial;
    }
    m_disk.Known = true;
}

void TJournalledSave::writeManifest(const QString &folder)
{
    TSaveManifest manifest;
    manifest.Generation = m_disk.Generation;
    manifest.Code = m_disk.Code;
    for (int i = 0; i < GameFiles; ++i)
        manifest.Files.append({m_disk.Size[i], m_disk.Crc[i].Value()});
    const QByteArray bytes = manifest.Encode();
    const QString path = QDir(folder).filePath(QString::fromLatin1(TSaveManifest::FileName));
    if (m_disk.Manifest < 0)
        m_disk.Manifest = m_io->Open(QFile::encodeName(path), O_RDWR | O_CREAT);
    if (m_disk.Manifest < 0)
        fail(QStringLiteral("write"), path, errno);
    writeAt(*m_io, m_disk.Manifest, bytes, 0, path);
    if (bytes.size() != m_disk.ManifestSize && m_io->Truncate(m_disk.Manifest, bytes.size()) != 0)
        fail(QStringLiteral("write"), path, errno);
    if (m_sync && m_io->Sync(m_disk.Manifest) != 0)
        fail(QStringLiteral("write"), path, errno);
    m_disk.ManifestSize = bytes.size();
}

void TJournalledSave::writeRedo(const QString &folder, const QByteArray &record, bool restart)
{
    const QDir dir(folder);
    if (restart) {
        // The log being replaced must be on disk before the new one is begun.
        if (m_disk.Redo >= 0) {
            if (!WaitForDisk())
                fail(QStringLiteral("flush to disk the redo log of"), folder, std::exchange(m_flushError, 0));
            m_io->Close(m_disk.Redo);
            m_disk.Redo = -1;
            m_disk.RedoIndex = 1 - m_disk.RedoIndex;
        }
        const QString path = dir.filePath(QString::fromLatin1(TSaveJournal::RedoFileNames[m_disk.RedoIndex]));
        m_disk.Redo = m_io->Open(QFile::encodeName(path), O_RDWR | O_CREAT | O_TRUNC);
        if (m_disk.Redo < 0)
            fail(QStringLiteral("write"), path, errno);
        m_disk.RedoEnd = 0;
    }
    const QString path = dir.filePath(QString::fromLatin1(TSaveJournal::RedoFileNames[m_disk.RedoIndex]));
    writeAt(*m_io, m_disk.Redo, record, m_disk.RedoEnd, path);
    m_disk.RedoEnd += record.size();
}

void TJournalledSave::settleRedoLogs(const QString &folder)
{
    // Redo logs left by a session that did not close (or by this one, before
    // a failure) stand for the game: the folder as they give it is written
    // into the files and flushed before anything else changes.
    const QDir dir(folder);
    bool any = false;
    for (const char *const name : TSaveJournal::RedoFileNames)
        any = any || QFileInfo::exists(dir.filePath(QString::fromLatin1(name)));
    if (!any)
        return;
    const TGameFolder saved(folder);
    for (const QString &name : TGameFolder::GameFiles(m_disk.Code)) {
        QByteArray bytes;
        bool exists = false;
        QString error;
        if (!saved.Read(name, bytes, exists, &error))
            throw TFileError(error);
        if (!exists)
            continue;
        const QString path = dir.filePath(name);
        const int fd = m_io->Open(QFile::encodeName(path), O_RDWR | O_CREAT);
        if (fd < 0)
            fail(QStringLiteral("write"), path, errno);
        const bool ok = m_io->WriteAll(fd, bytes, 0) && m_io->Truncate(fd, off_t(bytes.size())) == 0 &&
                        m_io->Sync(fd) == 0;
        const int code = errno;
        m_io->Close(fd);
        if (!ok)
            fail(QStringLiteral("write"), path, code);
    }
    m_io->SyncFolder(QFile::encodeName(folder));
    // The files are the game now: what described them before goes.
    const QString manifestPath = dir.filePath(QString::fromLatin1(TSaveManifest::FileName));
    const QString journalPath = dir.filePath(QString::fromLatin1(TSaveJournal::FileName));
    QByteArray bytes;
    TSaveManifest manifest;
    if (readHidden(manifestPath, bytes) && TSaveManifest::Decode(bytes, manifest))
        m_disk.Generation = std::max(m_disk.Generation, manifest.Generation);
    qint64 reached[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        quint32 generation = 0;
        QList<TJournalPatch> patches;
        if (readHidden(dir.filePath(QString::fromLatin1(TSaveJournal::RedoFileNames[i])), bytes) &&
            TSaveJournal::DecodeLog(bytes, generation, patches)) {
            m_disk.Generation = std::max(m_disk.Generation, generation);
            reached[i] = generation;
        }
    }
    // Until the last log goes it stands for the game: the journal and the
    // manifest go first (an older record must not be applied over the files),
    // then the log that reached less.
    const int last = reached[1] > reached[0] ? 1 : 0;
    for (const QString &path :
         {manifestPath, journalPath, dir.filePath(QString::fromLatin1(TSaveJournal::RedoFileNames[1 - last])),
          dir.filePath(QString::fromLatin1(TSaveJournal::RedoFileNames[last]))})
        if (m_io->Unlink(QFile::encodeName(path)) != 0 && errno != ENOENT)
            fail(QStringLiteral("remove"), path, errno);
    m_io->SyncFolder(QFile::encodeName(folder));
}

void TJournalledSave::settlePendingRecord(const QString &folder)
{
    // A save that failed or was killed can leave a pending record behind:
    // its files are half written and only that record makes them whole, so
    // it must never be overwritten while pending. It is applied to the files
    // and flushed, and marked applied, before the journal takes a new record.
    // The manifest of an earlier save goes first, since the files are about
    // to leave the state it describes. The generation goes on from both, so
    // that a manifest of an earlier session never matches a new record.
    const QDir dir(folder);
    const QString manifestPath = dir.filePath(QString::fromLatin1(TSaveManifest::FileName));
    const QString journalPath = dir.filePath(QString::fromLatin1(TSaveJournal::FileName));
    QByteArray bytes;
    TSaveManifest manifest;
    const bool hasManifest = readHidden(manifestPath, bytes);
    const bool manifestValid = hasManifest && TSaveManifest::Decode(bytes, manifest);
    if (manifestValid)
        m_disk.Generation = std::max(m_disk.Generation, manifest.Generation);
    quint32 generation = 0;
    QList<TJournalPatch> patches;
    bool pending = false;
    if (!readHidden(journalPath, bytes) || !TSaveJournal::Decode(bytes, generation, patches, pending))
        return;
    m_disk.Generation = std::max(m_disk.Generation, generation);
    if (!pending)
        return;
    // A record that does not fit its files belongs to a folder damaged
    // otherwise; the whole save that follows replaces it.
    for (const TJournalPatch &patch : patches) {
        const qint64 size = sizeOf(dir.filePath(patch.File));
        const qint64 end = qint64(patch.Offset) + patch.Bytes.size();
        if (size < qint64(patch.Offset) || (end < qint64(patch.NewSize) && size < qint64(patch.NewSize)))
            return;
    }
    if (hasManifest && !(manifestValid && manifest.Generation == generation) &&
        m_io->Unlink(QFile::encodeName(manifestPath)) != 0 && errno != ENOENT)
        fail(QStringLiteral("remove"), manifestPath, errno);
    for (const TJournalPatch &patch : patches) {
        const QString path = dir.filePath(patch.File);
        const int fd = m_io->Open(QFile::encodeName(path), O_RDWR | O_CREAT);
        if (fd < 0)
            fail(QStringLiteral("write"), path, errno);
        struct stat st;
        const bool ok = m_io->WriteAll(fd, patch.Bytes, patch.Offset) &&
                        (::fstat(fd, &st) != 0 || st.st_size == qint64(patch.NewSize) ||
                         m_io->Truncate(fd, off_t(patch.NewSize)) == 0) &&
                        m_io->Sync(fd) == 0;
        const int error = errno;
        m_io->Close(fd);
        if (!ok)
            fail(QStringLiteral("write"), path, error);
    }
    m_io->SyncFolder(QFile::encodeName(folder));
    const int fd = m_io->Open(QFile::encodeName(journalPath), O_RDWR);
    if (fd < 0)
        fail(QStringLiteral("write"), journalPath, errno);
    char applied[4];
    qToLittleEndian(TSaveJournal::Applied, applied);
    const bool ok =
        m_io->WriteAll(fd, QByteArrayView(applied, 4), TSaveJournal::StateOffset) && m_io->Sync(fd) == 0;
    const int error = errno;
    m_io->Close(fd);
    if (!ok)
        fail(QStringLiteral("write"), journalPath, error);
}

void TJournalledSave::closeFiles()
{
    // The flush thread may still use the redo log's descriptor.
    if (const int error = m_background.Wait())
        m_flushError = error;
    for (int *fd : {&m_disk.Fd[0], &m_disk.Fd[1], &m_disk.Fd[2], &m_disk.Fd[3], &m_disk.Fd[4], &m_disk.Fd[5],
                    &m_disk.Fd[6], &m_disk.Journal, &m_disk.Manifest, &m_disk.Redo})
        if (*fd >= 0) {
            m_io->Close(*fd);
            *fd = -1;
        }
}

void TJournalledSave::Close()
{
    // The redo logs may only go once the files they stand for are on disk.
    bool onDisk = WaitForDisk();
    if (m_durability == TSaveDurability::Background && m_disk.Known) {
        for (const int fd : m_disk.Fd)
            onDisk = onDisk && (fd < 0 || m_io->Sync(fd) == 0);
        onDisk = onDisk && (m_disk.Manifest < 0 || m_io->Sync(m_disk.Manifest) == 0);
    }
    closeFiles();
    // Only a journal whose record has been applied may go; the manifest stays.
    if (m_disk.Known && onDisk && !m_disk.Folder.isEmpty()) {
        // The log that reached further goes last: a log left alone stands for the game.
        const QDir dir(m_disk.Folder);
        for (const char *const name :
             {TSaveJournal::FileName, TSaveJournal::RedoFileNames[1 - m_disk.RedoIndex],
              TSaveJournal::RedoFileNames[m_disk.RedoIndex]})
            m_io->Unlink(QFile::encodeName(dir.filePath(QString::fromLatin1(name))));
    }
}
