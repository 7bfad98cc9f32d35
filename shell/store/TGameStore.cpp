#include "TGameStore.h"

#include "savegame/TFileError.h"
#include "savegame/TFileIo.h"
#include "shell/archive/TGameArchive.h"

#include "model/game/TGame.h"
#include "shell/session/TParquetixApplication.h"

#include <QDir>

TGameStore::TGameStore() : m_save(TFileIo::System()), m_review(TFileIo::System()), m_dumps(TFileIo::System())
{
}

TGameStore::TGameStore(const QString &home, const QString &tempFolder, const QString &saveRoot) : TGameStore()
{
    SetFolders(home, tempFolder, saveRoot);
}

TGameStore::~TGameStore() = default;

void TGameStore::SetFolders(const QString &home, const QString &tempFolder, const QString &saveRoot)
{
    // An empty folder stays empty: it must never become the working directory.
    auto absolute = [](const QString &f) { return f.isEmpty() ? QString() : QDir(f).absolutePath(); };
    m_dumps.SetFolders(absolute(home), absolute(tempFolder));
    m_saveRoot = absolute(saveRoot);
}

void TGameStore::SetFolders(const TParquetixApplication &app)
{
    SetFolders(app.ExeFolder, app.TempFolder, app.SaveRoot);
}

void TGameStore::SetSyncToDisk(bool on)
{
    m_save.SetSyncToDisk(on);
    m_review.SetSyncToDisk(on);
    m_dumps.SetSyncToDisk(on);
}

void TGameStore::SetFileIo(TFileIo &io)
{
    m_save.SetFileIo(io);
    m_review.SetFileIo(io);
    m_dumps.SetFileIo(io);
}

void TGameStore::SaveGame(TGame &game)
{
    // Another game: its events may lie where freed ones of the last game did.
    const QString folder = game.GameFolder.isEmpty() ? QString() : QDir(game.GameFolder).absolutePath();
    if (folder != m_savedFolder || game.GameCode != m_savedCode) {
        m_records.Clear();
        m_savedFolder = folder;
        m_savedCode = game.GameCode;
    }
    m_save.Save(game, m_records);
    m_review.Save(game);
}

void TGameStore::WriteDumps(TGame &game)
{
    try {
        m_dumps.WriteDumps(game, m_records);
    } catch (const TFileError &) {
        // The dumps are for other programs; the event that could not be dumped
        // is secured in the game folder before the failure is raised.
        if (!game.GameFolder.isEmpty())
            SaveGame(game);
        throw;
    }
}

void TGameStore::WritePeriodDump(TGame &game, int period)
{
    m_dumps.WritePeriodDump(game, period);
}

void TGameStore::WriteGameDataDump(const TGame &game)
{
    m_dumps.WriteGameDataDump(game);
}

void TGameStore::DeleteTemporaryEventDumps()
{
    m_dumps.DeleteTemporaryEventDumps();
}

void TGameStore::DeleteEarlierDumps(TGame &game)
{
    m_dumps.DeleteEarlierDumps(game);
}

void TGameStore::DeleteDumps(TGame &game)
{
    m_dumps.DeleteDumps(game);
}

bool TGameStore::ZipGameFolder(const TGame &game, QString *error)
{
    // The game is finished: its folder reaches the disk before it is sent.
    const QString folder = game.GameFolder.isEmpty() ? QString() : QDir(game.GameFolder).absolutePath();
    if (folder == m_savedFolder && game.GameCode == m_savedCode)
        m_save.Close();
    return TGameArchive::Zip(game.GameFolder,
                             QDir(m_saveRoot).filePath(game.GameCode + QStringLiteral(".zip")), error,
                             game.GameCode);
}
