#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

class TFileIo;

// Whole-file writes that a crash can never leave half done: the bytes go to a
// hidden temporary file in the same folder, which is then renamed over the
// target. Plain POSIX calls, because QSaveFile flushes every file to disk and
// that costs milliseconds per file on every recorded event.
class TAtomicFile
{
public:
    // Throws TFileError naming the file. With sync the data reach the disk
    // before the rename and the folder entry after it.
    static void Write(const QString &path, const QByteArray &bytes, bool sync = false);
    static void Write(const QString &path, const QByteArray &bytes, bool sync, TFileIo &io);
    // The same for a file made of many parts, written without joining them first.
    static void Write(const QString &path, const std::vector<QByteArrayView> &parts, bool sync = false);
    static void Write(const QString &path, const std::vector<QByteArrayView> &parts, bool sync, TFileIo &io);
    // The most any file of a game folder can hold; a larger one is damaged.
    static constexpr qint64 MaxReadBytes = qint64(128) << 20;
    // Reads a whole file; false when it cannot be read (exists tells whether
    // it is there). Refuses, without reading, anything but a regular file of
    // at most maxBytes.
    static bool Read(const QString &path, QByteArray &bytes, bool *exists = nullptr, QString *error = nullptr,
                     qint64 maxBytes = MaxReadBytes);
    // Removes a file; true when it was there and is gone.
    static bool Remove(const QString &path);
    static QString TemporaryPath(const QString &path);
    // The text of errno for messages.
    static QString SystemError(int error);
};
