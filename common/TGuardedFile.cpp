#include "TGuardedFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

const char *kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a plain file";
}

// The verdict on what stat or fstat found.
TGuardedFile::TStatus judge(const QString &path, const struct stat &st, qint64 maxBytes, QString *error)
{
    if (!S_ISREG(st.st_mode)) {
        setError(error, QStringLiteral("Cannot read %1: it is %2, not a regular file")
                            .arg(path, QLatin1String(kindOf(st.st_mode))));
        return TGuardedFile::TStatus::Refused;
    }
    if (qint64(st.st_size) > maxBytes) {
        setError(error,
                 QStringLiteral("Cannot read %1: it is %2 bytes long, more than the %3 such a file can be")
                     .arg(path)
                     .arg(qint64(st.st_size))
                     .arg(maxBytes));
        return TGuardedFile::TStatus::Refused;
    }
    return TGuardedFile::TStatus::Ok;
}

TGuardedFile::TStatus statFailed(const QString &path, int code, QString *error)
{
    setError(error, QStringLiteral("Cannot read %1: %2").arg(path, systemError(code)));
    return code == ENOENT || code == ENOTDIR ? TGuardedFile::TStatus::Missing
                                             : TGuardedFile::TStatus::Refused;
}

} // namespace

TGuardedFile::TStatus TGuardedFile::Check(const QString &path, qint64 maxBytes, QString *error, qint64 *size)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return statFailed(path, errno, error);
    const TStatus status = judge(path, st, maxBytes, error);
    if (status == TStatus::Ok && size)
        *size = qint64(st.st_size);
    return status;
}

TGuardedFile::TStatus TGuardedFile::Read(const QString &path, qint64 maxBytes, QByteArray &bytes,
                                         QString *error)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    // The name is checked before it is opened, so a FIFO or device is never
    // opened; the open descriptor is checked again in case the name changed
    // in between, and O_NONBLOCK keeps even that open from waiting.
    struct stat st
    {
    };
    if (::stat(name.constData(), &st) != 0)
        return statFailed(path, errno, error);
    TStatus status = judge(path, st, maxBytes, error);
    if (status != TStatus::Ok)
        return status;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return statFailed(path, errno, error);
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return statFailed(path, code, error);
    }
    status = judge(path, st, maxBytes, error);
    if (status != TStatus::Ok) {
        ::close(fd);
        return status;
    }
    // Read one byte beyond the limit, so a file that grows meanwhile is noticed.
    QByteArray data(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == data.size()) {
            if (total > maxBytes)
                break;
            data.resize(qsizetype(std::min<qint64>(maxBytes + 1, total + total / 2 + 4096)));
        }
        const ssize_t n = ::read(fd, data.data() + total, size_t(data.size() - total));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            setError(error, QStringLiteral("Cannot read %1: %2").arg(path, systemError(code)));
            return TStatus::Refused;
        }
        if (n == 0)
            break;
        total += n;
    }
    ::close(fd);
    if (total > maxBytes) {
        setError(error, QStringLiteral("Cannot read %1: it grew beyond the %2 bytes such a file can be while "
                                       "it was read")
                            .arg(path)
                            .arg(maxBytes));
        return TStatus::Refused;
    }
    data.truncate(qsizetype(total));
    bytes = std::move(data);
    return TStatus::Ok;
}
