#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

class TFileIo;

// A series of numbered dump files in one folder ("Dump_Data_000041.dat", ...),
// where each new file replaces older ones. A file that leaves the series is
// kept as the hidden spare from which the next one is written, then renamed
// to its number: creating and deleting a file for every event costs the file
// system far more than the bytes (it hunts for a free inode among the ones
// just freed).
class TDumpSeries
{
public:
    // name: the file name of a number, such as "Dump_Data_%1.dat" with six digits.
    TDumpSeries(const QString &folder, const QString &prefix, TFileIo &io);

    // Writes the file of that number atomically; throws TFileError.
    void Write(int number, const std::vector<QByteArrayView> &parts, bool sync);
    // The file of that number leaves the series, when it is there.
    void Remove(int number);

    QString FileName(int number) const;
    const QString &Folder() const { return m_folder; }

private:
    TFileIo &m_io;
    QString m_folder;
    QString m_prefix;
    QByteArray m_spare;
    bool m_hasSpare = false;
};
