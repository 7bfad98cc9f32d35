#include "TParquetixApplication.h"

#include "GameCode.h"
#include "IScreenLink.h"
#include "TReferenceLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TParquetixApplication::TParquetixApplication(const QString &home)
{
    QString folder = home.isEmpty() ? DefaultHome() : home;
    ExeFolder = QDir(folder).absolutePath() + QLatin1Char('/');
    m_services.Settings = &m_settings;
    m_game = std::make_unique<TGame>(m_services);
}

TParquetixApplication::~TParquetixApplication() = default;

QString TParquetixApplication::DefaultHome()
{
    const QString env = qEnvironmentVariable("PARQUETIX_HOME");
    if (!env.isEmpty())
        return env;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

bool TParquetixApplication::Initialize(QString *error)
{
    IniPath = ExeFolder + QStringLiteral("parquetix.ini");
    DatastoreFolder = ExeFolder + QStringLiteral("Datastore/");
    TemplatePaths = {ExeFolder + QStringLiteral("Template/parquetix.xlt"),
                     ExeFolder + QStringLiteral("Template/parquetix_player_report.xlt"),
                     ExeFolder + QStringLiteral("Template/fiba.xlt")};
    DataPaths.clear();
    for (const char *table : {"Staff", "League", "Team", "LeagueTeam", "Player", "TeamPlayer", "Game", "translate",
                              "Language"})
        DataPaths.append(DatastoreFolder + QString::fromLatin1(table) + QStringLiteral(".db"));
    m_settings.SetKeyFolder(DatastoreFolder);
    const bool ok = m_settings.Load(IniPath, error);
    m_game = std::make_unique<TGame>(m_services);
    m_game->SetScreen(m_screen);
    TempFolder = ExeFolder + QStringLiteral("Temp/");
    SaveRoot = ExeFolder + QStringLiteral("Save/");
    PicturesFolder = ExeFolder + QStringLiteral("Pictures/");
    for (const QString &f : {TempFolder, SaveRoot, PicturesFolder, DatastoreFolder})
        QDir().mkpath(f);
    return ok;
}

void TParquetixApplication::SetScreen(IScreenLink *screen)
{
    m_screen = screen;
    m_game->SetScreen(screen);
}

void TParquetixApplication::ResetGame()
{
    const bool online = m_game->Online;
    m_game.reset();
    m_game = std::make_unique<TGame>(m_services);
    m_game->Online = online;
    m_game->SetScreen(m_screen);
}

QString TParquetixApplication::LibraryFolder() const
{
    const QString language = ExeFolder + QStringLiteral("Library/") + m_settings.Language();
    if (QFileInfo(language).isDir())
        return language;
    return ExeFolder + QStringLiteral("Library/ENG");
}

bool TParquetixApplication::LoadReferenceLists(QString *error)
{
    TGame &game = *m_game;
    TReferenceLists lists;
    const bool ok = TReferenceLists::Load(ExeFolder + QString::fromLatin1(TReferenceLists::FileName), lists, error);
    game.TurnoverTypes = lists.TurnoverTypes;
    game.FoulTypes = lists.FoulTypes;
    for (TTeam *team : {static_cast<TTeam *>(&game.HomeTeam()), static_cast<TTeam *>(&game.AwayTeam())}) {
        team->DefenseModes = lists.DefenseModes;
        team->DefenseModeIndex = -1;
        if (team->DefenseModes.isEmpty())
            team->DefenseModes.append(TRefItem{QStringLiteral("N/A"), 1});
        else
            team->DefenseModeIndex = 0;
    }
    return ok;
}

QString TParquetixApplication::NewGameCode()
{
    return ::NewGameCode();
}
