#pragma once

#include "Services.h"
#include "TGame.h"
#include "TSettings.h"

#include <QString>
#include <QStringList>
#include <memory>

// The one application object: its folders, the settings, the current game
// and the services the game works with. Every other object reaches the
// current game through it and never keeps a reference across ResetGame.
class TParquetixApplication
{
public:
    // home: the application home; empty means $PARQUETIX_HOME, else the
    // folder of the executable.
    explicit TParquetixApplication(const QString &home = {});
    ~TParquetixApplication();

    static QString DefaultHome();

    // Folders, settings (errors are returned, start-up goes on), the game.
    bool Initialize(QString *error = nullptr);

    // Services the game is created with; set before Initialize or ResetGame.
    void SetTranslator(ITranslator *translator) { m_services.Translator = translator; }
    void SetPrompter(IPrompter *prompter) { m_services.Prompter = prompter; }
    void SetClockSource(IClockSource *clock) { m_services.Clock = clock; }
    void SetPlayerDirectory(IPlayerDirectory *directory) { m_services.Directory = directory; }
    void SetGameStore(IGameStore *store) { m_services.Store = store; }
    // The screen the current and every later game reports to.
    void SetScreen(IScreenLink *screen);

    // Reads "ParquetixData.xml" into the game and both teams. A malformed file
    // leaves the defaults and returns false with the error.
    bool LoadReferenceLists(QString *error = nullptr);
    // Replaces the game by a new empty one, keeping its online flag.
    void ResetGame();
    static QString NewGameCode();

    TGame &Game() { return *m_game; }
    TSettings &Settings() { return m_settings; }
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

private:
    TSettings m_settings;
    TGameServices m_services;
    IScreenLink *m_screen = nullptr;
    std::unique_ptr<TGame> m_game;
};
