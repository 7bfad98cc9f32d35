#include "TGameFolder.h"

#include "TAtomicFile.h"
#include "TSavedGame.h"

#include <QDir>
#include <QRegularExpression>

TGameFolder::TGameFolder(const QString &path) : m_path(path)
{
    readJournal();
    readManifest();
}

TGameFolder::TGameFolder(const QHash<QString, QByteArray> &files) : m_inMemory(true), m_files(files)
{
    readJournal();
    readManifest();
}

void TGameFolder::readJournal()
{
    QByteArray bytes;
    bool exists = false;
    // The redo log stands for everything its whole records reached, whatever
    // a power cut left of the files. Of the two logs the one that reached
    // further counts: the other is the one it replaced.
    // A log that cannot be read (one too large for any game) is passed over:
    // the files and the journal then stand for the game, as after a crash.
    for (const char *const name : TSaveJournal::RedoFileNames) {
        if (!readRaw(QString::fromLatin1(name), bytes, exists, nullptr))
            continue;
        quint32 generation = 0;
        QList<TJournalPatch> patches;
        if (exists && TSaveJournal::DecodeLog(bytes, generation, patches) &&
            (m_redo.isEmpty() || generation > m_redoGeneration)) {
            m_redo = std::move(patches);
            m_redoGeneration = generation;
        }
    }
    if (!readRaw(QString::fromLatin1(TSaveJournal::FileName), bytes, exists, &m_journalError) || !exists)
        return;
    bool pending = false;
    m_journalWhole = TSaveJournal::Decode(bytes, m_journalGeneration, m_patches, pending);
    if (!m_redo.isEmpty()) {
        // After the log only the save being written when the machine stopped
        // counts, applied or not: its writes may have reached the files.
        if (!m_journalWhole || m_journalGeneration != m_redoGeneration + 1) {
            m_journalWhole = false;
            m_patches.clear();
        }
        return;
    }
    if (!pending)
        m_patches.clear();
}

void TGameFolder::readManifest()
{
    QByteArray bytes;
    bool exists = false;
    m_hasManifest = readRaw(QString::fromLatin1(TSaveManifest::FileName), bytes, exists, nullptr) && exists &&
                    TSaveManifest::Decode(bytes, m_manifest);
}

QString TGameFolder::DifferenceFromLastSave(const QString &code, const QString &file) const
{
    if (!comparesWithLastSave(code, file))
        return {};
    QByteArray data;
    bool exists = false;
    QString problem;
    if (!Read(file, data, exists, &problem))
        return QStringLiteral("%1 differs from the last completed save: %2").arg(file, problem);
    return DifferenceFromLastSave(code, file, data, exists);
}

QString TGameFolder::DifferenceFromLastSave(const QString &code, const QString &file, const QByteArray &data,
                                            bool exists) const
{
    if (!comparesWithLastSave(code, file))
        return {};
    const TSaveManifest::TFile &saved = m_manifest.Files[GameFiles(code).indexOf(file)];
    QString found;
    if (!exists)
        found = QStringLiteral("the file is missing");
    else if (data.size() != saved.Size)
        found = QStringLiteral("%1 bytes instead of the %2 bytes of the last save")
                    .arg(data.size())
                    .arg(saved.Size);
    else if (TSaveManifest::Crc(data) != saved.Crc)
        found = QStringLiteral("its content is not what the last save wrote");
    if (found.isEmpty())
        return {};
    return QStringLiteral("%1 differs from the last completed save: %2").arg(file, found);
}

bool TGameFolder::comparesWithLastSave(const QString &code, const QString &file) const
{
    // A whole journal record is the save the files stand for; a manifest of
    // another save says nothing about them.
    if (!m_hasManifest || m_manifest.Code != code ||
        (m_journalWhole && m_manifest.Generation != m_journalGeneration) ||
        (!m_redo.isEmpty() && !m_journalWhole && m_manifest.Generation != m_redoGeneration))
        return false;
    const QStringList names = GameFiles(code);
    return m_manifest.Files.size() == names.size() && names.contains(file);
}

bool TGameFolder::readRaw(const QString &name, QByteArray &data, bool &exists, QString *error) const
{
    data.clear();
    if (m_inMemory) {
        const auto it = m_files.constFind(name);
        exists = it != m_files.constEnd();
        if (exists)
            data = *it;
        return true;
    }
    const QString path = QDir(m_path).filePath(name);
    QString problem;
    if (TAtomicFile::Read(path, data, &exists, &problem, SizeLimit(name)))
        return true;
    data.clear();
    if (!exists)
        return true;
    if (error)
        *error = problem;
    return false;
}

bool TGameFolder::Read(const QString &name, QByteArray &data, bool &exists, QString *error) const
{
    if (!m_journalError.isEmpty()) {
        data.clear();
        exists = Contains(name);
        if (error)
            *error = m_journalError;
        return false;
    }
    if (!readRaw(name, data, exists, error))
        return false;
    for (const TJournalPatch &patch : m_redo) {
        if (patch.File != name)
            continue;
        if (qint64(patch.NewSize) > SizeLimit(name)) {
            if (error)
                *error = QStringLiteral("%1: the redo log makes it too long").arg(name);
            return false;
        }
        TSaveJournal::Replay(patch, data);
        exists = true;
    }
    for (const TJournalPatch &patch : m_patches) {
        if (patch.File != name)
            continue;
        if (qint64(patch.NewSize) > SizeLimit(name) || !TSaveJournal::Apply(patch, data)) {
            if (error)
                *error = QStringLiteral("%1: the unfinished save recorded in %2 does not fit the file")
                             .arg(name, QString::fromLatin1(TSaveJournal::FileName));
            return false;
        }
        exists = true;
    }
    return true;
}

bool TGameFolder::Contains(const QString &name) const
{
    for (const TJournalPatch &patch : m_redo)
        if (patch.File == name)
            return true;
    for (const TJournalPatch &patch : m_patches)
        if (patch.File == name)
            return true;
    if (m_inMemory)
        return m_files.contains(name);
    return QFileInfo::exists(QDir(m_path).filePath(name));
}

QStringList TGameFolder::Files(const QString &pattern) const
{
    QStringList names;
    if (m_inMemory) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
        for (auto it = m_files.cbegin(); it != m_files.cend(); ++it)
            if (re.match(it.key()).hasMatch())
                names.append(it.key());
    } else {
        names = QDir(m_path).entryList({pattern},
                                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
    for (const QList<TJournalPatch> *list : {&m_redo, &m_patches})
        for (const TJournalPatch &patch : *list)
            if (!names.contains(patch.File) && re.match(patch.File).hasMatch())
                names.append(patch.File);
    names.sort();
    return names;
}

QString TGameFolder::GameCode() const
{
    const QStringList home = Files(QStringLiteral("hazai_*.dat"));
    if (home.isEmpty())
        return {};
    // The whole name between "hazai_" and ".dat": a game code may hold dots.
    return home.first().mid(6).chopped(4);
}

QString TGameFolder::GeneralFile(const QString &code)
{
    return QStringLiteral("general_") + code + QStringLiteral(".dat");
}
QString TGameFolder::HomeFile(const QString &code)
{
    return QStringLiteral("hazai_") + code + QStringLiteral(".dat");
}
QString TGameFolder::AwayFile(const QString &code)
{
    return QStringLiteral("vendeg_") + code + QStringLiteral(".dat");
}
QString TGameFolder::HomeTimeoutsFile(const QString &code)
{
    return QStringLiteral("home_timeouts_") + code + QStringLiteral(".dat");
}
QString TGameFolder::AwayTimeoutsFile(const QString &code)
{
    return QStringLiteral("away_timeouts_") + code + QStringLiteral(".dat");
}
QString TGameFolder::EventsFile(const QString &code)
{
    return QStringLiteral("events_") + code + QStringLiteral(".dat");
}
QString TGameFolder::UnsentFile(const QString &code)
{
    return QStringLiteral("events_notsend_") + code + QStringLiteral(".dat");
}

qint64 TGameFolder::SizeLimit(const QString &name)
{
    // One record beyond the largest valid file, so that the loader still
    // names the record of a file that is only a little too long.
    const auto startsWith = [&name](const char *prefix) { return name.startsWith(QLatin1String(prefix)); };
    if (startsWith("general_"))
        return qint64(TGeneralRecord::RecordSize) * 2;
    if (startsWith("hazai_") || startsWith("vendeg_")) // the team line, then the players
        return qint64(TPlayer::RecordSize) * (TSavedGame::MaxPlayers + 2);
    if (startsWith("home_timeouts_") || startsWith("away_timeouts_"))
        return qint64(ToIdokeres::RecordSize) * (TSavedGame::MaxTimeouts + 1);
    if (startsWith("events_")) // also "events_notsend_"
        return qint64(TGameEvent::RecordSize) * (TSavedGame::MaxEvents + 1);
    if (name == QLatin1String(TSaveJournal::FileName)) {
        // One patch per game file at most, each with its name and four sizes.
        const qint64 header = 64, perPatch = 2 + 255 + 16;
        qint64 total = header + qint64(TSaveJournal::MaxPatches) * perPatch;
        for (const char *prefix : {"general_", "hazai_", "vendeg_", "home_timeouts_", "away_timeouts_",
                                   "events_", "events_notsend_"})
            total += SizeLimit(QLatin1String(prefix));
        return total;
    }
    // The redo log of a whole session, bounded by the store (see TJournalledSave).
    return TAtomicFile::MaxReadBytes;
}

QStringList TGameFolder::GameFiles(const QString &code)
{
    return {GeneralFile(code),      HomeFile(code),   HomeTimeoutsFile(code), AwayFile(code),
            AwayTimeoutsFile(code), EventsFile(code), UnsentFile(code)};
}
