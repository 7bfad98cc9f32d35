#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"

#include <QDir>

namespace {

int runPlay(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TGameOutputOptions output;
    QString error;
    if (!output.Parse(args, &error)) {
        err << "play: " << error << "\n";
        return 2;
    }
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("play"), err))
        return 2;
    bool save = false;
    const QString folder = TakeOption(args, QStringLiteral("--save"), &save);
    const bool progress = args.removeAll(QStringLiteral("--progress")) > 0;
    if (args.size() != 1 || (save && folder.isEmpty())) {
        err << "usage: parquetix-cli play SCRIPT [--save DIR [--sync] [--progress]] [--now YYYYMMDDHHNNSS] "
               "[--set KEY=VALUE] "
               "[--messages] [--history] [--json FILE]\n";
        return 2;
    }
    session.Start(err);
    if (save) {
        // Saved after every event into DIR, as the court screen saves into the game folder.
        if (!QDir().mkpath(folder)) {
            err << "play: cannot create " << folder << "\n";
            return 1;
        }
        session.App.Game().GameFolder = QDir(folder).absolutePath();
    } else {
        session.App.Game().SetStore(nullptr);
    }
    if (!session.RunScript(args.first(), err, progress ? &out : nullptr))
        return 1;
    return WriteGameOutput(session.App.Game(), session.Screen, output, out, err) ? 0 : 1;
}

const TCliRegistration registration(
    {QStringLiteral("play"),
     QStringLiteral("play SCRIPT [--save DIR [--sync] [--progress]] "
                    "[--now YYYYMMDDHHNNSS] [--set KEY=VALUE] [--messages] [--history] [--json FILE]"),
     &runPlay});

} // namespace
