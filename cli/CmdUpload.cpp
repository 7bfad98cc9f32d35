#include "CliCommand.h"
#include "CliGame.h"
#include "CliSender.h"
#include "GameOutput.h"

#include "shell/archive/TGameUpload.h"

#include <QDir>

namespace {

// The "Send data" button of the load dialog: the saved game is zipped into
// the save root and uploaded with its text report.
int runUpload(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("upload"), err))
        return 2;
    TCliSender sending;
    if (!sending.TakeOptions(args, QStringLiteral("upload"), QStringLiteral("--server"), err))
        return 2;
    bool hasCode = false;
    QString code = TakeOption(args, QStringLiteral("--code"), &hasCode);
    if (args.size() != 1 || !sending.Wanted() || (hasCode && code.isEmpty())) {
        err << "usage: parquetix-cli upload DIR --server URL [--code CODE] [--http-timeout MS] [--set "
               "KEY=VALUE]\n";
        return 2;
    }
    if (!session.LoadFolder(args.first(), QStringLiteral("upload"), err, code))
        return 1;
    sending.Attach(session);
    const TSendGameResult result =
        TGameUpload::UploadGame(session.App.Game(), session.Store, sending.Sender());
    for (const QString &message : session.Prompter.Messages)
        (result.Sent() ? out : err) << message << "\n";
    return result.Sent() ? 0 : 1;
}

const TCliRegistration registration(
    {QStringLiteral("upload"),
     QStringLiteral("upload DIR --server URL [--code CODE] [--http-timeout MS] [--set KEY=VALUE]"),
     &runUpload});

} // namespace
