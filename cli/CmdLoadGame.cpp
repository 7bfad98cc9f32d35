#include "CliCommand.h"
#include "GameOutput.h"
#include "WizardCommand.h"

#include "model/game/TGame.h"
#include "workflow/wizard/TLoadPlayLogic.h"

#include <QDir>

namespace {

const char *const Usage = "loadgame DIR [--online [--resend-all|--resend-missing]] [--load-damaged] [--send "
                          "URL [--http-timeout MS] "
                          "[--wait SECONDS]] [--attendance N] [--script FILE] [--played home|away "
                          "INDEX=QUARTERMINUTES ...] [--finish] "
                          "[--now YYYYMMDDHHNNSS] [--set KEY=VALUE] [--messages] [--history] [--json FILE]";

void operatorMessages(TWizardCommand &command, QTextStream &err)
{
    for (const QString &message : command.Session.Prompter.Messages)
        err << "operator: " << message << "\n";
    command.Session.Prompter.Messages.clear();
}

int runLoadGame(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TGameOutputOptions output;
    QString error;
    if (!output.Parse(args, &error)) {
        err << "loadgame: " << error << "\n";
        return 2;
    }
    TWizardCommand command(QStringLiteral("loadgame"));
    if (!command.TakeOptions(args, err))
        return 2;
    const bool online = args.removeAll(QStringLiteral("--online")) > 0;
    const bool resendAll = args.removeAll(QStringLiteral("--resend-all")) > 0;
    const bool resendMissing = args.removeAll(QStringLiteral("--resend-missing")) > 0;
    const bool damaged = args.removeAll(QStringLiteral("--load-damaged")) > 0;
    const bool finish = args.removeAll(QStringLiteral("--finish")) > 0;
    bool hasAttendance = false;
    const QString attendance = TakeOption(args, QStringLiteral("--attendance"), &hasAttendance);
    if (args.size() != 1 || (resendAll && resendMissing)) {
        err << "usage: parquetix-cli " << Usage << "\n";
        return 2;
    }
    command.Start(err);
    TWizardServices services = command.Services();
    bool written = false;
    bool finished = false;
    const auto finishing = services.Finishing;
    services.Finishing = [&](TGame &game) {
        finishing(game);
        finished = true;
        written = WriteGameOutput(game, command.Session.Screen, output, out, err);
    };
    TLoadPlayLogic w(services);
    if (!w.SelectFolder(QDir(args.first()).absolutePath())) {
        err << "loadgame: " << args.first() << " is not a saved game of " << command.Session.App.SaveRoot
            << "\n";
        return 1;
    }
    w.SetOnline(online);
    if (online && resendAll)
        w.SetResendAll(true);
    w.LoadDamaged = damaged;
    auto next = [&](const char *step) {
        if (w.Next())
            return true;
        operatorMessages(command, err);
        err << "loadgame: " << step << ": "
            << (w.LastError().isEmpty() ? QStringLiteral("the wizard stays on its step") : w.LastError())
            << "\n";
        return false;
    };
    if (!next("game selection"))
        return 1;
    if (!w.Warning().isEmpty())
        err << "loadgame: warning: " << w.Warning() << "\n";
    if (hasAttendance)
        w.Fields.Attendance = attendance;
    if (!next("game data") || !command.ApplyPlayed(*w.PlayedTimesPage(), err) || !next("played times"))
        return 1;
    if (finish && !next("end game"))
        return 1;
    if (!finished) {
        // Not finished: the queue still goes out before the command ends.
        finishing(command.Session.App.Game());
        written = WriteGameOutput(command.Session.App.Game(), command.Session.Screen, output, out, err);
    }
    if (command.Sending.Wanted())
        command.Sending.PrintCounters(command.Session, out);
    operatorMessages(command, err);
    return written && command.Sent ? 0 : 1;
}

const TCliRegistration registration({QStringLiteral("loadgame"), QString::fromLatin1(Usage), &runLoadGame});

} // namespace
