#include "TDumpWriter.h"

#include "TDumpText.h"
#include "common/SharedBytes.h"
#include "savegame/TAtomicFile.h"
#include "savegame/TFileError.h"

#include "model/game/TGame.h"

#include <QDir>

#include <algorithm>

namespace {

const QString &requireFolder(const QString &folder)
{
    if (folder.isEmpty())
        throw TFileError(QStringLiteral("The application folders are not set"));
    return folder;
}

void makeDumpFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw TFileError(QStringLiteral("Cannot create the dump folder %1").arg(folder));
}

QString numbered(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

} // namespace

void TDumpWriter::SetFolders(const QString &home, const QString &tempFolder)
{
    m_home = home;
    m_tempFolder = tempFolder;
    m_madeDumpFolder.clear();
    m_madeTempFolder.clear();
}

void TDumpWriter::SetFileIo(TFileIo &io)
{
    m_io = &io;
    m_liveSeries.reset();
    m_lastLiveText.clear();
    m_eventSeries.reset();
    m_subdataTried.Clear();
}

QString TDumpWriter::DumpFolder(const TSettings &settings) const
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

void TDumpWriter::writeFile(const QString &path, const QByteArray &bytes)
{
    TAtomicFile::Write(path, bytes, m_sync, *m_io);
    m_bytesWritten += bytes.size();
    m_bytesHeld += bytes.size();
}

void TDumpWriter::WriteDumps(TGame &game, TRecordCache &records)
{
    const TSettings &settings = game.Settings();
    if (settings.DataDump()) {
        const QString folder = requireFolder(DumpFolder(settings));
        if (folder != m_madeDumpFolder) {
            makeDumpFolder(folder);
            m_madeDumpFolder = folder;
        }
        if (!m_liveSeries || m_liveSeries->Folder() != folder)
            m_liveSeries = std::make_unique<TDumpSeries>(folder, QStringLiteral("Dump_Data_"), *m_io);
        const int n = game.EventCounter;
        const QByteArray text = TDumpText::LiveBoxScore(game);
        const qint64 unchanged = SharedBytes::Prefix(text, m_lastLiveText);
        m_lastLiveText.clear();
        m_liveSeries->Write(n, QByteArrayView(text), m_sync, unchanged);
        m_lastLiveText = text;
        m_bytesWritten += m_liveSeries->LastWritten();
        m_bytesHeld += text.size();
        m_liveSeries->Remove(n - 3);
        m_liveSeries->Remove(n - 2);
    }
    if (settings.CreateTempDataFiles()) {
        if (m_madeTempFolder != m_tempFolder) {
            if (!QDir().mkpath(requireFolder(m_tempFolder)))
                throw TFileError(QStringLiteral("Cannot create the folder %1").arg(m_tempFolder));
            m_madeTempFolder = m_tempFolder;
        }
        std::vector<TRecordCache::TSlot> &logSlots = records.Log(game.AllEvents);
        const int prefix = int(settings.ServerName().size());
        const size_t count = logSlots.size();
        // The lines before the first changed position are those of the last
        // copy written, and so are the ends kept of them.
        size_t from = std::min(records.TakeChangedFrom(TRecordCache::DumpedLog), count);
        if (prefix != m_linePrefix || m_lineEnds.size() < from)
            from = 0;
        m_linePrefix = prefix;
        m_lineEnds.resize(count);
        const qint64 unchanged = from > 0 ? m_lineEnds[from - 1] : 0;
        qint64 size = unchanged;
        for (size_t i = from; i < count; ++i) {
            TRecordCache::TSlot &slot = logSlots[i];
            if (slot.LinePrefix != prefix) {
                TRecordCache::TCachedEvent &entry = *slot.Entry;
                if (entry.DumpPrefix != prefix) {
                    // An event without a message has no line.
                    entry.DumpLine = entry.Copy.Message.isEmpty() ? QByteArray()
                                                                  : TDumpText::EventLine(entry.Copy, prefix);
                    entry.DumpPrefix = prefix;
                }
                slot.Line = entry.DumpLine;
                slot.LinePrefix = prefix;
            }
            size += slot.Line.size();
            m_lineEnds[i] = size;
        }
        auto textFrom = [&](qint64 byte) {
            std::vector<QByteArrayView> parts;
            size_t i =
                size_t(std::upper_bound(m_lineEnds.begin(), m_lineEnds.end(), byte) - m_lineEnds.begin());
            for (; i < count; ++i) {
                const QByteArrayView line(logSlots[i].Line);
                const qint64 start = m_lineEnds[i] - line.size();
                if (!line.isEmpty())
                    parts.push_back(start < byte ? line.sliced(byte - start) : line);
            }
            return parts;
        };
        if (!m_eventSeries || m_eventSeries->Folder() != m_tempFolder) {
            m_eventSeries = std::make_unique<TDumpSeries>(m_tempFolder, QStringLiteral("Game_Data_"), *m_io);
            m_subdataTried.Clear();
        }
        const int n = std::max(0, game.AllEvents.Count() - 1);
        m_eventSeries->Write(n, size, textFrom, m_sync, unchanged);
        m_bytesWritten += m_eventSeries->LastWritten();
        m_bytesHeld += size;
        for (int old : {n - 3, n - 2})
            if (old >= 0) {
                m_eventSeries->Remove(old);
                // Another program's files: each number is looked for once.
                if (!m_subdataTried.Contains(old)) {
                    TAtomicFile::Remove(numbered(m_tempFolder, TDumpText::EventSubFileName(old)));
                    m_subdataTried.Add(old);
                }
            }
    }
}

void TDumpWriter::WritePeriodDump(TGame &game, int period)
{
    const TSettings &settings = game.Settings();
    if (!settings.DataDump())
        return;
    const QString folder = requireFolder(DumpFolder(settings));
    makeDumpFolder(folder);
    const QByteArray text = TDumpText::PeriodBoxScore(game, period);
    writeFile(numbered(folder, TDumpText::PeriodFileName(period)), text);
}

void TDumpWriter::WriteGameDataDump(const TGame &game)
{
    const TSettings &settings = game.Settings();
    if (!settings.DataDump())
        return;
    const QString folder = requireFolder(DumpFolder(settings));
    makeDumpFolder(folder);
    writeFile(numbered(folder, QStringLiteral("GameDumpData.dat")), TDumpText::GameData(game));
}

void TDumpWriter::removeMatching(const QString &folder, const QStringList &patterns)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::System))
        TAtomicFile::Remove(dir.filePath(name));
}

void TDumpWriter::DeleteTemporaryEventDumps()
{
    removeMatching(m_tempFolder, {QStringLiteral("Game_Data_*.*"), QStringLiteral("Game_Subdata_Data_*.*"),
                                  QStringLiteral(".Game_Data_*.tmp")});
    m_eventSeries.reset();
    m_subdataTried.Clear();
}

void TDumpWriter::DeleteEarlierDumps(TGame &game)
{
    removeMatching(DumpFolder(game.Settings()),
                   {QStringLiteral("Dump_Data_*.*"), QStringLiteral(".Dump_Data_*.tmp")});
    m_liveSeries.reset();
    m_lastLiveText.clear();
    DeleteTemporaryEventDumps();
}

void TDumpWriter::DeleteDumps(TGame &game)
{
    removeMatching(DumpFolder(game.Settings()),
                   {QStringLiteral("Dump_Data_*.*"), QStringLiteral("GameDumpData.*"),
                    QStringLiteral(".Dump_Data_*.tmp"), QStringLiteral(".GameDumpData.dat.tmp")});
    m_liveSeries.reset();
    m_lastLiveText.clear();
    DeleteTemporaryEventDumps();
}
