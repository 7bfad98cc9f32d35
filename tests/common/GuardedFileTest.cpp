#include "common/TGuardedFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using TStatus = TGuardedFile::TStatus;

struct TCase
{
    const char *Name;
    // Makes the entry at path; false when the machine cannot.
    bool (*Make)(const QString &path, const QString &folder);
    TStatus Expected;
    qint64 Size;        // bytes read when Ok
    const char *Reason; // part of the error when refused
};

bool writeFile(const QString &path, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(QByteArray(size, 'x')) == size;
}

const qint64 Limit = 1000;

const TCase Cases[] = {
    {"empty", [](const QString &p, const QString &) { return writeFile(p, 0); }, TStatus::Ok, 0, ""},
    {"at the limit", [](const QString &p, const QString &) { return writeFile(p, Limit); }, TStatus::Ok,
     Limit, ""},
    {"one byte over", [](const QString &p, const QString &) { return writeFile(p, Limit + 1); },
     TStatus::Refused, 0, "1001 bytes long, more than the 1000"},
    {"sparse 64 GB",
     [](const QString &p, const QString &) {
         return writeFile(p, 0) && ::truncate(QFile::encodeName(p), qint64(64) << 30) == 0;
     },
     TStatus::Refused, 0, "68719476736 bytes long"},
    {"missing", [](const QString &, const QString &) { return true; }, TStatus::Missing, 0, "No such file"},
    {"link to a file",
     [](const QString &p, const QString &f) {
         return writeFile(f + QStringLiteral("/target"), 7) && QFile::link(f + QStringLiteral("/target"), p);
     },
     TStatus::Ok, 7, ""},
    {"dangling link",
     [](const QString &p, const QString &f) { return QFile::link(f + QStringLiteral("/gone"), p); },
     TStatus::Missing, 0, "No such file"},
    {"link to /dev/zero",
     [](const QString &p, const QString &) { return QFile::link(QStringLiteral("/dev/zero"), p); },
     TStatus::Refused, 0, "it is a device, not a regular file"},
    {"FIFO", [](const QString &p, const QString &) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; },
     TStatus::Refused, 0, "it is a FIFO, not a regular file"},
    {"folder", [](const QString &p, const QString &) { return QDir().mkdir(p); }, TStatus::Refused, 0,
     "it is a folder, not a regular file"},
};

// Every entry is checked and read alike, and every refusal names the file.
TEST(GuardedFileTest, ReadsOnlyRegularFilesWithinTheLimit)
{
    for (const TCase &c : Cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("entry.dat"));
        ASSERT_TRUE(c.Make(path, dir.path()));

        QString checkError;
        qint64 size = -1;
        EXPECT_EQ(TGuardedFile::Check(path, Limit, &checkError, &size), c.Expected);
        QByteArray bytes("stale");
        QString readError;
        EXPECT_EQ(TGuardedFile::Read(path, Limit, bytes, &readError), c.Expected);
        if (c.Expected == TStatus::Ok) {
            EXPECT_EQ(size, c.Size);
            EXPECT_EQ(bytes, QByteArray(c.Size, 'x'));
            continue;
        }
        EXPECT_TRUE(bytes.isEmpty());
        for (const QString &error : {checkError, readError}) {
            EXPECT_TRUE(error.contains(path)) << error.toStdString();
            EXPECT_TRUE(error.contains(QLatin1String(c.Reason))) << error.toStdString();
        }
    }
}

} // namespace
