#include "TFileIo.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

int TFileIo::Open(const QByteArray &path, int flags, mode_t mode)
{
    return ::open(path.constData(), flags | O_CLOEXEC, mode);
}

ssize_t TFileIo::WriteAt(int fd, const iovec *parts, int count, off_t offset)
{
    return ::pwritev(fd, parts, count, offset);
}

int TFileIo::Truncate(int fd, off_t size)
{
    return ::ftruncate(fd, size);
}

int TFileIo::Sync(int fd)
{
    return ::fdatasync(fd);
}

int TFileIo::Rename(const QByteArray &from, const QByteArray &to)
{
    return ::rename(from.constData(), to.constData());
}

int TFileIo::Close(int fd)
{
    return ::close(fd);
}

int TFileIo::Unlink(const QByteArray &path)
{
    return ::unlink(path.constData());
}

bool TFileIo::WriteAll(int fd, const std::vector<QByteArrayView> &parts, qint64 offset)
{
    std::vector<iovec> vectors;
    vectors.reserve(parts.size());
    for (const QByteArrayView &part : parts)
        if (!part.isEmpty())
            vectors.push_back({const_cast<char *>(part.data()), size_t(part.size())});
    size_t next = 0;
    while (next < vectors.size()) {
        const int count = int(std::min<size_t>(vectors.size() - next, IOV_MAX));
        ssize_t n = WriteAt(fd, vectors.data() + next, count, off_t(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            // No progress and no error: the file system takes no more.
            errno = ENOSPC;
            return false;
        }
        offset += n;
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

bool TFileIo::WriteAll(int fd, QByteArrayView bytes, qint64 offset)
{
    return WriteAll(fd, std::vector<QByteArrayView>{bytes}, offset);
}

void TFileIo::SyncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

TFileIo &TFileIo::System()
{
    static TFileIo io;
    return io;
}
