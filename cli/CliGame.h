#pragma once

#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "shell/session/THomeTranslator.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameStore.h"

#include <QTextStream>
#include <functional>

// What the commands that play or load a game share: the application with its
// game, a headless screen, the script's prompter, an optional fixed clock,
// the store that saves the game and writes the dumps, and the home's
// translator, the one the desktop program records with. The store is made
// first so that it outlives the games, which delete their dumps when they end.
class TCliGame
{
public:
    TCliGame();
    // Takes "--now YYYYMMDDHHNNSS", "--sync" and any "--set KEY=VALUE" out of
    // args; false with a message on err.
    bool TakeOptions(QStringList &args, const QString &command, QTextStream &err);
    // Initializes the application, once; problems with the settings or the
    // reference lists are reported on err and the defaults are used.
    void Start(QTextStream &err);
    // Loads the saved game of the folder as the load wizard does, not online,
    // starting the application first; the code is the folder's own when not
    // given. False with a message that begins with the command on err.
    bool LoadFolder(const QString &dir, const QString &command, QTextStream &err, QString code = {});
    // Plays a script file on the current game; false with the error on err.
    // After every command that recorded something, progress gets the count of commands run.
    bool RunScript(const QString &path, QTextStream &err, QTextStream *progress = nullptr);

    // Called after every command that recorded something, once a script runs.
    std::function<void()> AfterCommand;

    TGameStore Store;
    THomeTranslator Translation;
    TParquetixApplication App;
    TScriptPrompter Prompter;
    THeadlessScreen Screen;

private:
    TFixedClock m_fixed{QDateTime::currentDateTime()};
    bool m_hasNow = false;
    bool m_started = false;
    QStringList m_settings;
};
