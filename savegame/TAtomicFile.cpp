#include "TAtomicFile.h"

#include "TFileError.h"
#include "TFileIo.h"

#include "common/TGuardedFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

QString TAtomicFile::SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString TAtomicFile::TemporaryPath(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tmp");
}

void TAtomicFile::Write(const QString &path, const QByteArray &bytes, bool sync, TFileIo &io)
{
    Write(path, std::vector<QByteArrayView>{QByteArrayView(bytes)}, sync, io);
}

void TAtomicFile::Write(const QString &path, const std::vector<QByteArrayView> &parts, bool sync, TFileIo &io)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = QFile::encodeName(TemporaryPath(path));
    const int fd = io.Open(temporary, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(errno)));
    if (!io.WriteAll(fd, parts, 0) || (sync && io.Sync(fd) != 0)) {
        const int error = errno;
        io.Close(fd);
        io.Unlink(temporary);
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(error)));
    }
    if (io.Close(fd) != 0 || io.Rename(temporary, target) != 0) {
        const int error = errno;
        io.Unlink(temporary);
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(error)));
    }
    if (sync)
        io.SyncFolder(QFile::encodeName(QFileInfo(path).path()));
}

bool TAtomicFile::Read(const QString &path, QByteArray &bytes, bool *exists, QString *error, qint64 maxBytes)
{
    const TGuardedFile::TStatus status = TGuardedFile::Read(path, maxBytes, bytes, error);
    if (exists)
        *exists = status != TGuardedFile::TStatus::Missing;
    return status == TGuardedFile::TStatus::Ok;
}

bool TAtomicFile::Remove(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

void TAtomicFile::Write(const QString &path, const QByteArray &bytes, bool sync)
{
    Write(path, bytes, sync, TFileIo::System());
}

void TAtomicFile::Write(const QString &path, const std::vector<QByteArrayView> &parts, bool sync)
{
    Write(path, parts, sync, TFileIo::System());
}
