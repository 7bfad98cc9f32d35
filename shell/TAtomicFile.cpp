#include "TAtomicFile.h"

#include "TFileError.h"

#include "common/TGuardedFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

bool writeParts(int fd, const std::vector<QByteArrayView> &parts)
{
    std::vector<iovec> vectors;
    vectors.reserve(parts.size());
    for (const QByteArrayView &part : parts)
        if (!part.isEmpty())
            vectors.push_back({const_cast<char *>(part.data()), size_t(part.size())});
    size_t next = 0;
    while (next < vectors.size()) {
        const int count = int(std::min<size_t>(vectors.size() - next, IOV_MAX));
        ssize_t n = ::writev(fd, vectors.data() + next, count);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        // Skip what was written; a part written in part is finished next round.
        while (next < vectors.size() && n >= ssize_t(vectors[next].iov_len)) {
            n -= ssize_t(vectors[next].iov_len);
            ++next;
        }
        if (n > 0) {
            vectors[next].iov_base = static_cast<char *>(vectors[next].iov_base) + n;
            vectors[next].iov_len -= size_t(n);
        }
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
    Write(path, std::vector<QByteArrayView>{QByteArrayView(bytes)}, sync);
}

void TAtomicFile::Write(const QString &path, const std::vector<QByteArrayView> &parts, bool sync)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = QFile::encodeName(TemporaryPath(path));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, SystemError(errno)));
    if (!writeParts(fd, parts) || (sync && ::fdatasync(fd) != 0)) {
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
