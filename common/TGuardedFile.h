#pragma once

#include <QByteArray>
#include <QString>

// Reads a file that comes from outside the program (a saved game, the
// settings, an update text, a picture) without trusting it: it must be a
// regular file (a link is followed and its target checked) no larger than
// the caller's limit, and this is checked before a byte is read. FIFOs and
// devices are never opened for reading, so nothing can block or run forever.
class TGuardedFile
{
public:
    enum class TStatus
    {
        Ok,
        Missing, // there is nothing under that name
        Refused  // not a regular file, too large, or unreadable; see the error
    };

    // Checks the file without reading it; size receives its length when Ok.
    static TStatus Check(const QString &path, qint64 maxBytes, QString *error = nullptr,
                         qint64 *size = nullptr);
    // Reads the whole file. A missing file gives Missing and an error as well,
    // for callers to whom it is an error.
    static TStatus Read(const QString &path, qint64 maxBytes, QByteArray &bytes, QString *error = nullptr);
    // True only when the file was read.
    static bool ReadExisting(const QString &path, qint64 maxBytes, QByteArray &bytes, QString *error)
    {
        return Read(path, maxBytes, bytes, error) == TStatus::Ok;
    }
};
