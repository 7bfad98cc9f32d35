#pragma once

#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <functional>
#include <sys/types.h>
#include <vector>

class TFileIo;

// The last few numbers of a series looked after: each number comes up twice
// in a row as files leave a series, and the second time needs no call.
class TRecentNumbers
{
public:
    bool Contains(int number) const
    {
        return std::find(m_numbers.begin(), m_numbers.end(), number) != m_numbers.end();
    }
    void Add(int number)
    {
        m_numbers.push_back(number);
        if (m_numbers.size() > 4)
            m_numbers.erase(m_numbers.begin());
    }
    void Remove(int number) { std::erase(m_numbers, number); }
    void Clear() { m_numbers.clear(); }

private:
    std::vector<int> m_numbers;
};

// A series of numbered dump files in one folder ("Dump_Data_000041.dat", ...),
// where each new file replaces older ones. A file that leaves the series is
// kept as the hidden spare from which the next one is written, then renamed
// to its number: creating and deleting a file for every event costs the file
// system far more than the bytes (it hunts for a free inode among the ones
// just freed). The series knows how much of each of its files begins as the
// newest one does, so the spare is rewritten only from where it differs: the
// event copies grow by a line per event, and rewriting the whole game every
// time would cost as many bytes as the game holds.
class TDumpSeries
{
public:
    // name: the file name of a number, such as "Dump_Data_%1.dat" with six digits.
    TDumpSeries(const QString &folder, const QString &prefix, TFileIo &io);
    ~TDumpSeries();
    TDumpSeries(const TDumpSeries &) = delete;
    TDumpSeries &operator=(const TDumpSeries &) = delete;

    // The text from a byte on, in parts.
    using TTextFrom = std::function<std::vector<QByteArrayView>(qint64 from)>;

    // Writes the file of that number atomically; throws TFileError. unchanged:
    // how many leading bytes the text shares with the last text written
    // (0 when unknown). Only the part of the text the spare does not hold is
    // asked for.
    void Write(int number, qint64 size, const TTextFrom &textFrom, bool sync, qint64 unchanged);
    void Write(int number, QByteArrayView text, bool sync, qint64 unchanged = 0);
    // The file of that number leaves the series, when it is there.
    void Remove(int number);

    QString FileName(int number) const;
    const QString &Folder() const { return m_folder; }
    // Bytes handed to the file system by the last Write.
    qint64 LastWritten() const { return m_lastWritten; }

private:
    QByteArray pathOf(int number) const;

    // A file this series wrote: its size, how many of its leading bytes are
    // those of the newest file, and its descriptor, kept open so that the
    // file, once it is the spare, is written without being opened again.
    struct TKnownFile
    {
        int Number = 0;
        qint64 Size = 0;
        qint64 Common = 0;
        int Fd = -1;
        dev_t Dev = 0;
        ino_t Ino = 0;
    };
    void forgetFiles();

    TFileIo &m_io;
    QString m_folder;
    QString m_prefix;
    QByteArray m_spare;
    bool m_hasSpare = false;
    // The spare's size and shared bytes when it was a known file; -1 otherwise.
    qint64 m_spareSize = -1;
    qint64 m_spareCommon = 0;
    // The spare's descriptor and the file it was opened on; -1 when not kept.
    int m_spareFd = -1;
    TKnownFile m_spareFile;
    std::vector<TKnownFile> m_known;
    // Numbers that left the series last, and were not written since.
    TRecentNumbers m_gone;
    qint64 m_lastWritten = 0;
};
