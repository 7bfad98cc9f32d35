#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"

#include "savegame/TFileError.h"
#include "savegame/TGameFolder.h"
#include "shell/store/TGameLoader.h"

#include <QDir>

namespace {

void gameData(const TGame &game, QTextStream &out)
{
    out << "Folder " << game.GameFolder << "\n";
    out << "Referees " << game.Referee1 << " / " << game.Referee2 << " / " << game.Referee3 << "\n";
    out << "Coaches " << game.HomeCoach << " / " << game.AwayCoach << "\n";
    out << "Attendance " << game.Attendance << ", income " << game.Income << "\n";
    out << "Events " << game.AllEvents.Count() << " in the log, " << game.OutgoingQueue.Count()
        << " to send, " << game.RecordedEvents.Count() << " recorded; opening messages "
        << (game.HeaderSent ? "sent" : "not sent") << (game.Online ? ", online" : ", not online") << "\n";
}

int runLoad(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TGameOutputOptions output;
    QString error;
    if (!output.Parse(args, &error)) {
        err << "load: " << error << "\n";
        return 2;
    }
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("load"), err))
        return 2;
    bool hasCode = false;
    QString code = TakeOption(args, QStringLiteral("--code"), &hasCode);
    bool continues = false;
    const QString script = TakeOption(args, QStringLiteral("--continue"), &continues);
    const TLoadOptions options{.Online = args.removeAll(QStringLiteral("--online")) > 0,
                               .ResendAll = args.removeAll(QStringLiteral("--resend-all")) > 0,
                               .LoadDamaged = args.removeAll(QStringLiteral("--load-damaged")) > 0};
    if (args.size() != 1 || (continues && script.isEmpty()) || (hasCode && code.isEmpty())) {
        err << "usage: parquetix-cli load DIR [--code CODE] [--online [--resend-all]] [--load-damaged] "
               "[--continue SCRIPT "
               "[--sync]] "
               "[--now YYYYMMDDHHNNSS] [--set KEY=VALUE] [--messages] [--history] [--json FILE]\n";
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath();
    if (!QDir(folder).exists()) {
        err << "load: no folder " << folder << "\n";
        return 1;
    }
    if (!hasCode)
        code = TGameFolder(folder).GameCode();
    if (code.isEmpty() && !hasCode) {
        err << "load: " << folder << " holds no saved game (no hazai_*.dat file)\n";
        return 1;
    }
    session.Start(err);
    QString warning;
    if (!TGameLoader::Load(session.App, folder, code, options, &session.Store, &error, {}, &warning)) {
        err << "load: " << error << "\n";
        return 1;
    }
    if (!warning.isEmpty())
        err << "load: warning: " << warning << "\n";
    TGame &game = session.App.Game();
    if (continues) {
        if (!session.RunScript(script, err))
            return 1;
        try {
            game.SaveGame();
        } catch (const TFileError &e) {
            err << e.Message() << "\n";
            return 1;
        }
    }
    gameData(game, out);
    return WriteGameOutput(game, session.Screen, output, out, err) ? 0 : 1;
}

const TCliRegistration
    registration({QStringLiteral("load"),
                  QStringLiteral("load DIR [--code CODE] [--online [--resend-all]] [--load-damaged] "
                                 "[--continue SCRIPT [--sync]] [--now YYYYMMDDHHNNSS] [--set KEY=VALUE] "
                                 "[--messages] [--history] [--json FILE]"),
                  &runLoad});

} // namespace
