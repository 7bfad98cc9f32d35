#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <sys/types.h>
#include <vector>

struct iovec;

// The system calls through which saves and dumps change files. They return
// as the POSIX calls do (-1 with errno set); tests put a layer in between
// that fails a chosen call, to prove that no failure can cost a saved game.
class TFileIo
{
public:
    virtual ~TFileIo() = default;

    virtual int Open(const QByteArray &path, int flags, mode_t mode = 0644);
    virtual ssize_t WriteAt(int fd, const iovec *parts, int count, off_t offset);
    virtual int Truncate(int fd, off_t size);
    virtual int Sync(int fd);
    virtual int Rename(const QByteArray &from, const QByteArray &to);
    virtual int Close(int fd);
    virtual int Unlink(const QByteArray &path);

    // Writes every part, in order, from offset on: the one loop that copes
    // with short and interrupted writes. False with errno set on a failure.
    bool WriteAll(int fd, const std::vector<QByteArrayView> &parts, qint64 offset);
    bool WriteAll(int fd, QByteArrayView bytes, qint64 offset);
    // Flushes a folder's entries (after a rename or a new file); best effort.
    virtual void SyncFolder(const QByteArray &folder);

    // The plain system calls.
    static TFileIo &System();
};
