#include "TApplicationHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef PARQUETIX_INSTALLED_HOME
#define PARQUETIX_INSTALLED_HOME "../share/parquetix"
#endif

namespace {

const QString kMarker = QStringLiteral("parquetix.ini");

} // namespace

QString TApplicationHome::InstalledHome(const QString &exeFolder)
{
    return QDir::cleanPath(QDir(exeFolder).filePath(QStringLiteral(PARQUETIX_INSTALLED_HOME)));
}

QString TApplicationHome::Resolve(const QString &exeFolder, const QString &env, const QString &dataHome)
{
    if (!env.isEmpty())
        return env;
    const QString installed = InstalledHome(exeFolder);
    // An installed program has its home under share/, none beside it; a
    // writable prefix (a user install, root) must not turn bin/ into a home.
    const bool isInstalled = !QFileInfo::exists(QDir(exeFolder).filePath(kMarker)) &&
                             QFileInfo::exists(QDir(installed).filePath(kMarker));
    if (!isInstalled && QFileInfo(exeFolder).isWritable())
        return exeFolder;
    const QString user = QDir(dataHome).filePath(QStringLiteral("parquetix"));
    Seed(installed, user);
    return user;
}

QString TApplicationHome::Current()
{
    const QString exe =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return Resolve(exe, qEnvironmentVariable("PARQUETIX_HOME"),
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

bool TApplicationHome::Seed(const QString &source, const QString &target)
{
    bool ok = QDir().mkpath(target);
    if (!QFileInfo(source).isDir())
        return ok;
    const QDir from(source);
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = QDir(target).filePath(from.relativeFilePath(file));
        if (QFileInfo::exists(copy))
            continue;
        ok = QDir().mkpath(QFileInfo(copy).path()) && ok;
        // Installed files are read-only; the user's copy must be editable.
        ok = QFile::copy(file, copy) && ok;
        QFile(copy).setPermissions(QFile(copy).permissions() | QFileDevice::WriteOwner);
    }
    return ok;
}
