#include "TDumpSeries.h"

#include "TAtomicFile.h"
#include "TFileError.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

TDumpSeries::TDumpSeries(const QString &folder, const QString &prefix)
    : m_folder(folder), m_prefix(prefix), m_spare(QFile::encodeName(QDir(folder).filePath(
                                              QStringLiteral(".") + prefix + QStringLiteral("spare.tmp"))))
{
}

QString TDumpSeries::FileName(int number) const
{
    return m_prefix + QStringLiteral("%1.dat").arg(number, 6, 10, QLatin1Char('0'));
}

void TDumpSeries::Write(int number, const std::vector<QByteArrayView> &parts, bool sync)
{
    const QString path = QDir(m_folder).filePath(FileName(number));
    auto failed = [&](int error) {
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, TAtomicFile::SystemError(error)));
    };
    const int fd = ::open(m_spare.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        failed(errno);
    m_hasSpare = false;
    struct stat st;
    qint64 size = 0;
    std::vector<iovec> vectors;
    vectors.reserve(parts.size());
    for (const QByteArrayView &part : parts)
        if (!part.isEmpty()) {
            vectors.push_back({const_cast<char *>(part.data()), size_t(part.size())});
            size += part.size();
        }
    size_t next = 0;
    int error = 0;
    while (next < vectors.size() && error == 0) {
        const int count = int(std::min<size_t>(vectors.size() - next, IOV_MAX));
        ssize_t n = ::writev(fd, vectors.data() + next, count);
        if (n < 0) {
            if (errno != EINTR)
                error = errno;
            continue;
        }
        while (next < vectors.size() && n >= ssize_t(vectors[next].iov_len)) {
            n -= ssize_t(vectors[next].iov_len);
            ++next;
        }
        if (n > 0) {
            vectors[next].iov_base = static_cast<char *>(vectors[next].iov_base) + n;
            vectors[next].iov_len -= size_t(n);
        }
    }
    // What the spare held beyond the new text goes.
    if (error == 0 && (::fstat(fd, &st) != 0 || (st.st_size > size && ::ftruncate(fd, size) != 0)))
        error = errno;
    if (error == 0 && sync && ::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(m_spare.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(m_spare.constData());
        failed(error);
    }
}

void TDumpSeries::Remove(int number)
{
    if (number < 0)
        return;
    const QByteArray path = QFile::encodeName(QDir(m_folder).filePath(FileName(number)));
    // Renaming onto an existing spare would make the file system flush it; a
    // second old file is simply deleted.
    if (!m_hasSpare && ::rename(path.constData(), m_spare.constData()) == 0)
        m_hasSpare = true;
    else if (m_hasSpare)
        ::unlink(path.constData());
}
