#include "TParquetixApplication.h"

#include "common/TApplicationHome.h"
#include "model/settings/TReferenceLists.h"
#include "shell/settings/TReferenceListsFile.h"
#include "shell/settings/TSettingsFile.h"

#include <QDir>
#include <QFileInfo>

TParquetixApplication::TParquetixApplication(const QString &home)
{
    QString folder = home.isEmpty() ? DefaultHome() : home;
    ExeFolder = QDir(folder).absolutePath() + QLatin1Char('/');
}

QString TParquetixApplication::DefaultHome()
{
    return TApplicationHome::Current();
}

bool TParquetixApplication::Initialize(QString *error)
{
    IniPath = ExeFolder + QStringLiteral("parquetix.ini");
    DatastoreFolder = ExeFolder + QStringLiteral("Datastore/");
    TemplatePaths = {ExeFolder + QStringLiteral("Template/parquetix.xlt"),
                     ExeFolder + QStringLiteral("Template/parquetix_player_report.xlt"),
                     ExeFolder + QStringLiteral("Template/fiba.xlt")};
    DataPaths.clear();
    for (const char *table :
         {"Staff", "League", "Team", "LeagueTeam", "Player", "TeamPlayer", "Game", "translate", "Language"})
        DataPaths.append(DatastoreFolder + QString::fromLatin1(table) + QStringLiteral(".db"));
    const bool ok = TSettingsFile(IniPath, DatastoreFolder).Load(Settings(), error);
    StartGame();
    TempFolder = ExeFolder + QStringLiteral("Temp/");
    SaveRoot = ExeFolder + QStringLiteral("Save/");
    PicturesFolder = ExeFolder + QStringLiteral("Pictures/");
    for (const QString &f : {TempFolder, SaveRoot, PicturesFolder, DatastoreFolder})
        QDir().mkpath(f);
    return ok;
}

QString TParquetixApplication::LibraryFolder() const
{
    const QString language = ExeFolder + QStringLiteral("Library/") + Settings().Language();
    if (QFileInfo(language).isDir())
        return language;
    return ExeFolder + QStringLiteral("Library/ENG");
}

bool TParquetixApplication::LoadReferenceLists(QString *error)
{
    TReferenceLists lists;
    const bool ok = TReferenceListsFile::Load(ExeFolder + QString::fromLatin1(TReferenceListsFile::FileName),
                                              lists, error);
    ApplyReferenceLists(lists);
    return ok;
}
