#include "CliHome.h"

#include <QCoreApplication>

QString cliHomeFolder()
{
    const QString home = qEnvironmentVariable("PARQUETIX_HOME");
    return home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
}
