#include "TGameUpload.h"

#include "TGameStore.h"

#include "model/TGame.h"
#include "model/TTextBoxScore.h"
#include "transmission/TParquetixSender.h"

#include <QDir>

TSendGameResult TGameUpload::UploadGame(TGame &game, TGameStore &store, TParquetixSender &sender)
{
    store.ZipGameFolder(game);
    QStringList lines;
    TTextBoxScore::BuildTextBoxScore(game, lines);
    const QString archive = QDir(store.SaveRoot()).filePath(game.GameCode + QStringLiteral(".zip"));
    return sender.SendGame(archive, TTextBoxScore::Joined(lines));
}
