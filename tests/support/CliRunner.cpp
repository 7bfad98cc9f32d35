#include "CliRunner.h"

#include "TestHome.h"

#include <QProcess>
#include <QProcessEnvironment>

CliResult runProgram(const QString &program, const QStringList &args, const QString &home, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!home.isEmpty())
        env.insert(QStringLiteral("PARQUETIX_HOME"), home);
    process.setProcessEnvironment(env);
    process.start(binaryFolder() + QLatin1Char('/') + program, args);
    CliResult result;
    if (!process.waitForStarted(10000)) {
        result.Err = process.errorString().toUtf8();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.Err = "timed out";
        return result;
    }
    result.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.Out = process.readAllStandardOutput();
    result.Err = process.readAllStandardError();
    return result;
}
