#include "model/settings/TReferenceLists.h"
#include "shell/settings/TIniFile.h"
#include "shell/settings/TReferenceListsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The settings file and the reference lists replaced by something that must
// never be read whole or waited on: refused with a message naming the file.
struct TSpecial
{
    const char *Name;
    bool (*Make)(const QString &path);
    const char *Says;
};

const TSpecial Specials[] = {
    {"sparse",
     [](const QString &p) {
         QFile f(p);
         return f.open(QIODevice::WriteOnly) && f.resize(qint64(64) << 30);
     },
     "68719476736 bytes long"},
    {"zero", [](const QString &p) { return QFile::link(QStringLiteral("/dev/zero"), p); }, "it is a device"},
    {"fifo", [](const QString &p) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; }, "it is a FIFO"},
    {"folder", [](const QString &p) { return QDir().mkdir(p); }, "it is a folder"},
};

TEST(SettingsFileGuard, SettingsAndReferenceListsAreRefusedUnread)
{
    for (const TSpecial &s : Specials) {
        SCOPED_TRACE(s.Name);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("parquetix.ini"));
        const QString xml = dir.filePath(QString::fromLatin1(TReferenceListsFile::FileName));
        ASSERT_TRUE(s.Make(ini));
        ASSERT_TRUE(s.Make(xml));

        TIniFile file;
        QString error;
        EXPECT_FALSE(file.Load(ini, &error));
        EXPECT_TRUE(error.contains(ini) && error.contains(QLatin1String(s.Says))) << error.toStdString();
        error.clear();
        EXPECT_FALSE(TIniFile::WriteString(ini, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                           &error));
        EXPECT_TRUE(error.contains(ini)) << error.toStdString();

        TReferenceLists lists;
        error.clear();
        EXPECT_FALSE(TReferenceListsFile::Load(xml, lists, &error));
        EXPECT_FALSE(lists.Absent);
        EXPECT_TRUE(error.contains(xml) && error.contains(QLatin1String(s.Says))) << error.toStdString();
    }
}

} // namespace
