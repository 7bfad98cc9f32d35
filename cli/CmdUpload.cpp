#include "CliCommand.h"
#include "CliGame.h"
#include "CliSender.h"
#include "GameOutput.h"

#include "savegame/TGameFolder.h"
#include "shell/archive/TGameUpload.h"
#include "shell/store/TGameLoader.h"

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
    const QString folder = QDir(args.first()).absolutePath();
    if (!hasCode)
        code = TGameFolder(folder).GameCode();
    if (code.isEmpty()) {
        err << "upload: " << folder << " holds no saved game (no hazai_*.dat file)\n";
        return 1;
    }
    session.Start(err);
    QString error;
    if (!TGameLoader::Load(session.App, folder, code, TLoadOptions{}, &session.Store, &error)) {
        err << "upload: " << error << "\n";
        return 1;
    }
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
