#include "TGameArchive.h"

#include "savegame/TAtomicFile.h"
#include "savegame/TGameFolder.h"
#include "savegame/TSavedGame.h"

#include "common/TGuardedFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <zip.h>

namespace {

bool failWith(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

zip_fileinfo entryInfo(const QFileInfo &file)
{
    zip_fileinfo info{};
    const QDateTime t = file.exists() ? file.lastModified() : QDateTime::currentDateTime();
    info.tmz_date.tm_sec = uInt(t.time().second());
    info.tmz_date.tm_min = uInt(t.time().minute());
    info.tmz_date.tm_hour = uInt(t.time().hour());
    info.tmz_date.tm_mday = uInt(t.date().day());
    info.tmz_date.tm_mon = uInt(t.date().month() - 1);
    info.tmz_date.tm_year = uInt(t.date().year());
    info.external_fa = uLong(0100644) << 16; // a plain file, rw-r--r--
    return info;
}

} // namespace

bool TGameArchive::Zip(const QString &gameFolder, const QString &archivePath, QString *error,
                       const QString &code)
{
    const QDir dir(gameFolder);
    if (gameFolder.isEmpty() || !dir.exists())
        return failWith(error, QStringLiteral("The game folder %1 does not exist").arg(gameFolder));
    const TGameFolder folder(dir.absolutePath());
    const QString gameCode = code.isEmpty() ? folder.GameCode() : code;
    if (gameCode.isEmpty())
        return failWith(error,
                        QStringLiteral("%1 holds no saved game (no hazai_*.dat file)").arg(gameFolder));
    // The server and whoever unpacks the archive get a game that loads, or nothing.
    TSavedGame saved;
    QString problem;
    if (!TSavedGame::Read(folder, gameCode, saved, &problem))
        return failWith(error, problem);

    QStringList names;
    for (const QString &name : folder.Files(QStringLiteral("*"))) {
        if (name.startsWith(QLatin1Char('.')))
            continue;
        const QFileInfo entry(dir.filePath(name));
        // Subfolders stay out; a file of the game that became a folder is damage.
        if (entry.isDir() && !name.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
            continue;
        if (entry.exists() && !entry.isFile()) {
            TGuardedFile::Check(entry.filePath(), TGameFolder::SizeLimit(name), &problem);
            return failWith(error, problem);
        }
        names.append(name);
    }
    const QString folderName = QFileInfo(dir.absolutePath()).fileName();

    const QString temporary = TAtomicFile::TemporaryPath(archivePath);
    zipFile zip = zipOpen64(QFile::encodeName(temporary).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return failWith(error, QStringLiteral("Cannot create %1").arg(temporary));
    bool ok = true;
    for (const QString &name : names) {
        QByteArray data;
        bool exists = false;
        if (!folder.Read(name, data, exists, &problem)) {
            ok = false;
            break;
        }
        const QByteArray entry = (folderName + QLatin1Char('/') + name).toUtf8();
        bool ascii = true;
        for (char c : entry)
            ascii = ascii && uchar(c) < 0x80;
        const zip_fileinfo info = entryInfo(QFileInfo(dir.filePath(name)));
        // Bit 11 marks names in UTF-8.
        if (zipOpenNewFileInZip4_64(zip, entry.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                    Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                    Z_DEFAULT_STRATEGY, nullptr, 0, 0, ascii ? 0 : (1 << 11), 0) != ZIP_OK ||
            zipWriteInFileInZip(zip, data.constData(), unsigned(data.size())) != ZIP_OK ||
            zipCloseFileInZip(zip) != ZIP_OK) {
            ok = false;
            problem = QStringLiteral("Cannot add %1 to %2").arg(name, temporary);
            break;
        }
    }
    if (zipClose(zip, nullptr) != ZIP_OK && ok) {
        ok = false;
        problem = QStringLiteral("Cannot finish %1").arg(temporary);
    }
    if (!ok) {
        QFile::remove(temporary);
        return failWith(error, problem);
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(archivePath).constData()) != 0) {
        QFile::remove(temporary);
        return failWith(error, QStringLiteral("Cannot write %1").arg(archivePath));
    }
    return true;
}
