#include "CliCommand.h"
#include "CliGame.h"
#include "CliSender.h"
#include "GameOutput.h"

#include "savegame/TFileError.h"

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
    TCliSender sending;
    if (!sending.TakeOptions(args, QStringLiteral("play"), QStringLiteral("--send"), err))
        return 2;
    bool hasWait = false;
    const QString wait = TakeOption(args, QStringLiteral("--wait"), &hasWait);
    const int waitSeconds = hasWait ? wait.toInt() : 600;
    bool save = false;
    const QString folder = TakeOption(args, QStringLiteral("--save"), &save);
    const bool progress = args.removeAll(QStringLiteral("--progress")) > 0;
    if (args.size() != 1 || (save && folder.isEmpty()) || waitSeconds <= 0) {
        err << "usage: parquetix-cli play SCRIPT [--save DIR [--sync] [--progress]] [--now YYYYMMDDHHNNSS] "
               "[--set KEY=VALUE] [--send URL [--http-timeout MS] [--wait SECONDS]] "
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
    if (sending.Wanted()) {
        // Online from the first event, as when the wizard declares the game
        // online; the messages are built with the server's address.
        sending.Attach(session);
        session.App.Game().Online = true;
        sending.Start(session);
    }
    const bool played = session.RunScript(args.first(), err, progress ? &out : nullptr);
    bool sent = true;
    if (sending.Wanted()) {
        // A script that took the game offline is declared online at its end.
        session.App.Game().Online = true;
        sent = sending.WaitUntilSent(session, waitSeconds * 1000, err);
        if (save) {
            try {
                session.App.Game().SaveGame();
            } catch (const TFileError &e) {
                err << e.Message() << "\n";
                return 1;
            }
        }
    }
    if (!played)
        return 1;
    if (!WriteGameOutput(session.App.Game(), session.Screen, output, out, err))
        return 1;
    if (sending.Wanted()) {
        sending.PrintCounters(session, out);
        for (const QString &message : session.Prompter.Messages)
            err << "operator: " << message << "\n";
    }
    return sent ? 0 : 1;
}

const TCliRegistration registration(
    {QStringLiteral("play"),
     QStringLiteral(
         "play SCRIPT [--save DIR [--sync] [--progress]] "
         "[--now YYYYMMDDHHNNSS] [--set KEY=VALUE] [--send URL [--http-timeout MS] [--wait SECONDS]] "
         "[--messages] [--history] [--json FILE]"),
     &runPlay});

} // namespace
