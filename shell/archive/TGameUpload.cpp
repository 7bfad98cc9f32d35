#include "TGameUpload.h"

#include "shell/store/TGameStore.h"

#include "model/game/TGame.h"
#include "model/output/TTextBoxScore.h"
#include "transmission/TParquetixSender.h"

#include <QDir>

TSendGameResult TGameUpload::UploadGame(TGame &game, TGameStore &store, TParquetixSender &sender)
{
    // An archive left by an earlier upload must not go out in place of this one.
    QString error;
    if (!store.ZipGameFolder(game, &error)) {
        game.Prompter().ShowError(error);
        return {TUploadOutcome::NoArchive, error};
    }
    QStringList lines;
    TTextBoxScore::BuildTextBoxScore(game, lines);
    const QString archive = QDir(store.SaveRoot()).filePath(game.GameCode + QStringLiteral(".zip"));
    return sender.SendGame(archive, TTextBoxScore::Joined(lines));
}
