#pragma once

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/output/TGameJson.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "savegame/TFileError.h"
#include "savegame/TGameFolder.h"
#include "shell/store/TGameLoader.h"
#include "shell/store/TGameStore.h"
#include "support/SampleGame.h"

#include "support/TestHome.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <memory>

// A game of two three-player teams with one substitute each, recorded through
// the script runner with a fixed clock and saved by a store into a temporary home.
class ShellFixture : public ::testing::Test
{
public:
    static constexpr const char *Code = "ABC1DEF2";

    static QString roster(int periodLength = 10)
    {
        return QStringLiteral("\ngame code=ABC1DEF2\n") + SampleRoster() +
               QStringLiteral("length %1\n").arg(periodLength);
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The seven game files of a folder as the loader sees them, hashed; empty
    // when nothing is saved.
    static QByteArray stateOf(const TGameFolder &folder)
    {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        bool any = false;
        for (const QString &name : TGameFolder::GameFiles(QLatin1String(Code))) {
            QByteArray data;
            bool exists = false;
            if (!folder.Read(name, data, exists, nullptr))
                return "unreadable";
            any = any || exists;
            hash.addData(name.toUtf8() + (exists ? "+" : "-") + QByteArray::number(data.size()) + ":");
            hash.addData(data);
        }
        return any ? hash.result() : QByteArray();
    }

protected:
    ShellFixture()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          store(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")))
    {
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
        game = newGame(folder());
    }

    std::unique_ptr<TGame> newGame(const QString &gameFolder, IGameStore *gameStore = nullptr,
                                   THeadlessScreen *gameScreen = nullptr)
    {
        auto g = std::make_unique<TGame>(TGameServices{.Settings = &settings,
                                                       .Prompter = &prompter,
                                                       .Clock = &clock,
                                                       .Store = gameStore ? gameStore : &store});
        g->SetScreen(gameScreen ? gameScreen : &screen);
        g->GameFolder = gameFolder;
        return g;
    }

    QString folder(const QString &name = QStringLiteral("game")) const
    {
        return home.file(QStringLiteral("Save/") + name);
    }

    void run(TGame &g, const QString &text, THeadlessScreen *gameScreen = nullptr)
    {
        TGameScript script(g, gameScreen ? *gameScreen : screen);
        ASSERT_TRUE(script.Run(text)) << script.Error().toStdString();
    }
    void run(const QString &text) { run(*game, text); }

    // The load wizard's steps on a new game (the application's part left out).
    std::unique_ptr<TGame> load(const QString &from, const TLoadOptions &options = {},
                                THeadlessScreen *gameScreen = nullptr, IGameStore *gameStore = nullptr)
    {
        TGameLoader loader;
        QString error;
        const TGameFolder gameFolder(from);
        const QString code = gameFolder.GameCode();
        if (!loader.Read(gameFolder, code, &error)) {
            ADD_FAILURE() << error.toStdString();
            return nullptr;
        }
        auto g = newGame(from, gameStore, gameScreen);
        g->GameCode = code;
        loader.ApplyGameData(*g);
        loader.ApplyRosters(*g);
        if (!loader.ApplyEvents(*g, options, &error)) {
            ADD_FAILURE() << error.toStdString();
            return nullptr;
        }
        loader.ApplyScreenState(*g);
        loader.ApplyReview(*g);
        g->Online = options.Online;
        return g;
    }

    QByteArray file(const QString &kind, const QString &from = {}) const
    {
        return read(QDir(from.isEmpty() ? folder() : from).filePath(kind + QLatin1String(Code) + ".dat"));
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Every file of a folder with its bytes, hidden ones included.
    static QMap<QString, QByteArray> snapshot(const QString &path)
    {
        QMap<QString, QByteArray> files;
        const QDir dir(path);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
            files.insert(name, read(dir.filePath(name)));
        return files;
    }

    // The seven game files of a folder.
    static QMap<QString, QByteArray> gameFiles(const QString &path)
    {
        QMap<QString, QByteArray> files = snapshot(path);
        files.remove(QString::fromLatin1(TSaveJournal::FileName));
        files.remove(QString::fromLatin1(TSaveManifest::FileName));
        for (const char *const name : TSaveJournal::RedoFileNames)
            files.remove(QString::fromLatin1(name));
        return files;
    }

    // Copies a folder's files into a new folder.
    static void copyFolder(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        const QMap<QString, QByteArray> files = snapshot(from);
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            write(QDir(to).filePath(it.key()), it.value());
    }

    // The game as a saved folder holds it: the state of the screen's selection,
    // the marks and reference lists are not saved, and the loader rebuilds
    // RecordedEvents and the team fouls by its own rules.
    static QJsonObject persisted(const TGame &g)
    {
        QJsonObject o = GameJson::Game(g);
        for (const char *key : {"RecordedEvents", "TurnoverTypes", "FoulTypes", "Online"})
            o.remove(QLatin1String(key));
        for (const char *side : {"HomeTeam", "AwayTeam"}) {
            QJsonObject t = o.value(QLatin1String(side)).toObject();
            for (const char *key : {"VariableColumn", "FastBreak", "SecondChance", "DefenseModes",
                                    "DefenseModeIndex", "LastTypedEvent"})
                t.remove(QLatin1String(key));
            o.insert(QLatin1String(side), t);
        }
        return o;
    }

    TestHome home;
    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    THeadlessScreen screen;
    TGameStore store;
    std::unique_ptr<TGame> game;
};
