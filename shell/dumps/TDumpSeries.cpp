#include "TDumpSeries.h"

#include "savegame/TAtomicFile.h"
#include "savegame/TFileError.h"
#include "savegame/TFileIo.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

TDumpSeries::TDumpSeries(const QString &folder, const QString &prefix, TFileIo &io)
    : m_io(io), m_folder(folder), m_prefix(prefix),
      m_spare(QFile::encodeName(
          QDir(folder).filePath(QStringLiteral(".") + prefix + QStringLiteral("spare.tmp"))))
{
}

QString TDumpSeries::FileName(int number) const
{
    return m_prefix + QStringLiteral("%1.dat").arg(number, 6, 10, QLatin1Char('0'));
}

void TDumpSeries::Write(int number, const std::vector<QByteArrayView> &parts, bool sync)
{
    const QString path = QDir(m_folder).filePath(FileName(number));
    const int fd = m_io.Open(m_spare, O_WRONLY | O_CREAT);
    if (fd < 0)
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, TAtomicFile::SystemError(errno)));
    m_hasSpare = false;
    qint64 size = 0;
    for (const QByteArrayView &part : parts)
        size += part.size();
    int error = 0;
    struct stat st;
    if (!m_io.WriteAll(fd, parts, 0))
        error = errno;
    // What the spare held beyond the new text goes.
    if (error == 0 && (::fstat(fd, &st) != 0 || (st.st_size > size && m_io.Truncate(fd, size) != 0)))
        error = errno;
    if (error == 0 && sync && m_io.Sync(fd) != 0)
        error = errno;
    if (m_io.Close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && m_io.Rename(m_spare, QFile::encodeName(path)) != 0)
        error = errno;
    if (error != 0) {
        m_io.Unlink(m_spare);
        throw TFileError(QStringLiteral("Cannot write %1: %2").arg(path, TAtomicFile::SystemError(error)));
    }
}

void TDumpSeries::Remove(int number)
{
    if (number < 0)
        return;
    const QByteArray path = QFile::encodeName(QDir(m_folder).filePath(FileName(number)));
    // Renaming onto an existing spare would make the file system flush it; a
    // second old file is simply deleted.
    if (!m_hasSpare && m_io.Rename(path, m_spare) == 0)
        m_hasSpare = true;
    else if (m_hasSpare)
        m_io.Unlink(path);
}
