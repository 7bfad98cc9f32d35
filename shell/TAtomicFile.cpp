#include "TAtomicFile.h"

#include "TFileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

void syncFolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? path.left(slash) : QByteArray(".");
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString TAtomicFile::SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString TAtomicFile::TemporaryPath(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tmp");
}

void TAtomicFile::Write(const QString &path, const QByteArray &bytes, bool sync)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = QFile::encodeName(TemporaryPath(path));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(errno)));
    if (!writeAll(fd, bytes.constData(), bytes.size()) || (sync && ::fdatasync(fd) != 0)) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.constData());
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(error)));
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(error)));
    }
    if (sync)
        syncFolderOf(target);
}

bool TAtomicFile::Read(const QString &path, QByteArray &bytes, bool *exists, QString *error)
{
    QFile file(path);
    if (exists)
        *exists = file.exists();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool TAtomicFile::Remove(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}
