#include "TDumpSeries.h"

#include "savegame/TAtomicFile.h"
#include "savegame/TFileError.h"
#include "savegame/TFileIo.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

TDumpSeries::TDumpSeries(const QString &folder, const QString &prefix, TFileIo &io)
    : m_io(io), m_folder(folder), m_prefix(prefix),
      m_spare(QFile::encodeName(
          QDir(folder).filePath(QStringLiteral(".") + prefix + QStringLiteral("spare.tmp"))))
{
}

QString TDumpSeries::FileName(int number) const
{
    char digits[32];
    const int n = std::snprintf(digits, sizeof digits, "%06d.dat", number);
    return m_prefix + QLatin1StringView(digits, n);
}

QByteArray TDumpSeries::pathOf(int number) const
{
    return QFile::encodeName(m_folder + QLatin1Char('/') + FileName(number));
}

void TDumpSeries::Write(int number, QByteArrayView text, bool sync, qint64 unchanged)
{
    Write(
        number, text.size(), [text](qint64 from) { return std::vector<QByteArrayView>{text.sliced(from)}; },
        sync, unchanged);
}

void TDumpSeries::Write(int number, qint64 size, const TTextFrom &textFrom, bool sync, qint64 unchanged)
{
    const QByteArray path = pathOf(number);
    int error = 0;
    struct stat st;
    // The spare's descriptor is kept from when it was written: it is used
    // while the spare's name still leads to that file.
    int fd = std::exchange(m_spareFd, -1);
    if (fd >= 0 && (::stat(m_spare.constData(), &st) != 0 || st.st_dev != m_spareFile.Dev ||
                    st.st_ino != m_spareFile.Ino)) {
        m_io.Close(fd);
        fd = -1;
        m_hasSpare = false;
    }
    if (fd < 0) {
        fd = m_io.Open(m_spare, O_WRONLY | O_CREAT);
        if (fd < 0)
            throw TFileError(QStringLiteral("Cannot write %1: %2")
                                 .arg(QFile::decodeName(path), TAtomicFile::SystemError(errno)));
        if (::fstat(fd, &st) != 0)
            error = errno;
    }
    // The spare keeps what it shares with the new text, unless its size says
    // it is not the file the series left there.
    qint64 from = 0;
    if (error == 0 && m_hasSpare && m_spareSize >= 0 && qint64(st.st_size) == m_spareSize)
        from = std::min({m_spareCommon, unchanged, size});
    m_hasSpare = false;
    if (error == 0 && !m_io.WriteAll(fd, textFrom(from), from))
        error = errno;
    // What the spare held beyond the new text goes.
    if (error == 0 && qint64(st.st_size) > size && m_io.Truncate(fd, size) != 0)
        error = errno;
    if (error == 0 && sync && m_io.Sync(fd) != 0)
        error = errno;
    if (error == 0 && m_io.Rename(m_spare, path) != 0)
        error = errno;
    if (error != 0) {
        m_io.Close(fd);
        m_io.Unlink(m_spare);
        // What the files hold is no longer sure: the next text is written whole.
        forgetFiles();
        throw TFileError(QStringLiteral("Cannot write %1: %2")
                             .arg(QFile::decodeName(path), TAtomicFile::SystemError(error)));
    }
    m_lastWritten = size - from;
    unchanged = std::min(unchanged, size);
    std::erase_if(m_known, [this, number](const TKnownFile &f) {
        if (f.Number == number)
            m_io.Close(f.Fd);
        return f.Number == number;
    });
    m_gone.Remove(number);
    for (TKnownFile &f : m_known)
        f.Common = std::min(f.Common, unchanged);
    m_known.push_back({number, size, size, fd, st.st_dev, st.st_ino});
}

void TDumpSeries::Remove(int number)
{
    const auto known = std::find_if(m_known.begin(), m_known.end(),
                                    [number](const TKnownFile &f) { return f.Number == number; });
    // Each file leaves twice in a row (as the newest but two, then but one).
    if (number < 0 || (known == m_known.end() && m_gone.Contains(number)))
        return;
    const QByteArray path = pathOf(number);
    // Renaming onto an existing spare would make the file system flush it; a
    // second old file is simply deleted.
    int fd = known != m_known.end() ? known->Fd : -1;
    if (!m_hasSpare && m_io.Rename(path, m_spare) == 0) {
        m_hasSpare = true;
        m_spareSize = known != m_known.end() ? known->Size : -1;
        m_spareCommon = known != m_known.end() ? known->Common : 0;
        if (known != m_known.end()) {
            if (m_spareFd >= 0)
                m_io.Close(m_spareFd);
            m_spareFd = std::exchange(fd, -1);
            m_spareFile = *known;
        }
    } else if (m_hasSpare) {
        m_io.Unlink(path);
    }
    if (fd >= 0)
        m_io.Close(fd);
    if (known != m_known.end())
        m_known.erase(known);
    m_gone.Add(number);
}

TDumpSeries::~TDumpSeries()
{
    forgetFiles();
}

void TDumpSeries::forgetFiles()
{
    for (const TKnownFile &f : m_known)
        m_io.Close(f.Fd);
    m_known.clear();
    if (m_spareFd >= 0)
        m_io.Close(std::exchange(m_spareFd, -1));
}
