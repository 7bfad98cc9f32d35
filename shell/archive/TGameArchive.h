#pragma once

#include <QString>

// The ZIP archive of a game folder that is uploaded with the game.
class TGameArchive
{
public:
    // Writes every file of the folder (no subfolders; not the hidden journal
    // and temporary files) into the archive, deflated, each entry named
    // "folder name/file name". The game files are taken as the last finished
    // save left them. The archive is written beside its final name and renamed
    // over the old one, so a failure leaves the old archive. False on any failure.
    //
    // Only a folder that loads is zipped: the game of that code (by default the
    // folder's own) is read as the loader reads it first, and its message is
    // the error. A ".dat" that is a folder, a FIFO or a device is refused.
    static bool Zip(const QString &gameFolder, const QString &archivePath, QString *error = nullptr,
                    const QString &code = {});
};
