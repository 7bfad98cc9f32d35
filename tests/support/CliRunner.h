#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs one of the built programs (parquetix-cli, parquetix-server, ...) and
// collects what it printed.
struct CliResult
{
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

// home: the application home given as PARQUETIX_HOME (empty: the build's).
CliResult runProgram(const QString &program, const QStringList &args, const QString &home = {},
                     int timeoutMs = 120000);
