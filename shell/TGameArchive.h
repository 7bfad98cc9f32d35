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
    static bool Zip(const QString &gameFolder, const QString &archivePath, QString *error = nullptr);
};
