#include "CliCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

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
    // Reports lay out and paint text, which needs the fonts of a GUI
    // application; without a display they paint offscreen.
    const bool painting =
        argc > 1 && (qstrcmp(argv[1], "report") == 0 || qstrcmp(argv[1], "playerstats") == 0);
    if (painting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application;
    if (painting)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
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
