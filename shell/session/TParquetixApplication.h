#pragma once

#include "model/game/TCurrentGame.h"

#include <QString>
#include <QStringList>

// The application: the current game in its home folder. The home holds the
// settings file, the reference lists, the saved games and the data store.
class TParquetixApplication : public TCurrentGame
{
public:
    // home: the application home; empty means DefaultHome().
    explicit TParquetixApplication(const QString &home = {});

    // $PARQUETIX_HOME, else the executable's folder, else the user's data
    // folder (see TApplicationHome).
    static QString DefaultHome();

    // Folders, settings (errors are returned, start-up goes on), the game.
    bool Initialize(QString *error = nullptr);

    // Reads "ParquetixData.xml" into the game and both teams. A malformed file
    // leaves the defaults and returns false with the error.
    bool LoadReferenceLists(QString *error = nullptr);

    // The picture folder of the interface language, falling back to English.
    QString LibraryFolder() const;

    QString ExeFolder;
    QString IniPath;
    QString SaveRoot;
    QString GameFolder;
    QString TempFolder;
    QString PicturesFolder;
    QString DatastoreFolder;
    QStringList DataPaths;
    QStringList TemplatePaths;
};
