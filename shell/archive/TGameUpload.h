#pragma once

#include "transmission/TSendGameResult.h"

class TGame;
class TGameStore;
class TParquetixSender;

// The "Send data" button of the wizards: the finished game goes to the
// statistics server as its zipped folder and its text report.
class TGameUpload
{
public:
    // Zips the game folder into save root + code + ".zip", builds the text
    // report and hands both to SendGame. A folder that cannot be zipped (one
    // that does not load) is not sent: the operator is shown why and the
    // outcome is NoArchive. User interface thread.
    static TSendGameResult UploadGame(TGame &game, TGameStore &store, TParquetixSender &sender);
};
