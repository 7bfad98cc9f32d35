#include "CliGame.h"

#include "CliHome.h"
#include "GameOutput.h"

#include "savegame/TFileError.h"
#include "savegame/TGameFolder.h"
#include "shell/store/TGameLoader.h"

#include <QDir>
#include <QFile>

bool TCliGame::TakeOptions(QStringList &args, const QString &command, QTextStream &err)
{
    const QString now = TakeOption(args, QStringLiteral("--now"), &m_hasNow);
    if (m_hasNow) {
        const QDateTime t = QDateTime::fromString(now, QStringLiteral("yyyyMMddHHmmss"));
        if (!t.isValid()) {
            err << command << ": --now needs YYYYMMDDHHNNSS, not '" << now << "'\n";
            return false;
        }
        m_fixed.Set(t);
    }
    Store.SetSyncToDisk(args.removeAll(QStringLiteral("--sync")) > 0);
    for (;;) {
        bool present = false;
        const QString pair = TakeOption(args, QStringLiteral("--set"), &present);
        if (!present)
            break;
        if (pair.indexOf(QLatin1Char('=')) <= 0) {
            err << command << ": --set needs KEY=VALUE, not '" << pair << "'\n";
            return false;
        }
        m_settings.append(pair);
    }
    return true;
}

TCliGame::TCliGame() : Translation(cliHomeFolder(), false) {}

void TCliGame::Start(QTextStream &err)
{
    if (m_started)
        return;
    m_started = true;
    App.SetTranslator(&Translation.Translator());
    App.SetPrompter(&Prompter);
    if (m_hasNow)
        App.SetClockSource(&m_fixed);
    App.SetScreen(&Screen);
    App.SetGameStore(&Store);
    QString error;
    if (!App.Initialize(&error))
        err << "settings: " << error << "\n";
    Store.SetFolders(App);
    for (const QString &pair : m_settings) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (!App.Settings().SetValue(pair.left(eq).toUpper(), pair.mid(eq + 1), &error))
            err << "settings: "
                << (error.isEmpty() ? QStringLiteral("unknown key %1").arg(pair.left(eq)) : error) << "\n";
    }
    Translation.SetLanguage(App.Settings().Language());
    if (!App.LoadReferenceLists(&error))
        err << "reference lists: " << error << "\n";
}

bool TCliGame::LoadFolder(const QString &dir, const QString &command, QTextStream &err, QString code)
{
    const QString folder = QDir(dir).absolutePath();
    if (code.isEmpty())
        code = TGameFolder(folder).GameCode();
    if (code.isEmpty()) {
        err << command << ": " << folder << " holds no saved game (no hazai_*.dat file)\n";
        return false;
    }
    Start(err);
    QString error;
    if (!TGameLoader::Load(App, folder, code, TLoadOptions{}, &Store, &error)) {
        err << command << ": " << error << "\n";
        return false;
    }
    return true;
}

bool TCliGame::RunScript(const QString &path, QTextStream &err, QTextStream *progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << path << ": " << file.errorString() << "\n";
        return false;
    }
    const QString script = QString::fromUtf8(file.readAll());
    TGameScript runner(App.Game(), Screen);
    int commands = 0;
    runner.AfterCommand = [&] {
        if (progress) {
            *progress << "done " << ++commands << "\n";
            progress->flush();
        }
        if (AfterCommand)
            AfterCommand();
    };
    try {
        if (!runner.Run(script, path)) {
            err << runner.Error() << "\n";
            return false;
        }
    } catch (const TFileError &e) {
        err << e.Message() << "\n";
        return false;
    }
    return true;
}
