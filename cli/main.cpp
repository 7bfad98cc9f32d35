#include "CliCommand.h"

#include <QCoreApplication>
#include <cstdio>

QList<TCliCommand> &cliCommands()
{
    static QList<TCliCommand> commands;
    return commands;
}

static void printUsage(QTextStream &err)
{
    err << "usage: parquetix-cli COMMAND ...\n";
    for (const TCliCommand &c : cliCommands())
        err << "  parquetix-cli " << c.usage << "\n";
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const TCliCommand &c : cliCommands()) {
        if (c.name == name) {
            const int rc = c.run(args, out, err);
            out.flush();
            err.flush();
            return rc;
        }
    }
    err << "parquetix-cli: unknown command '" << name << "'\n";
    printUsage(err);
    return 2;
}
