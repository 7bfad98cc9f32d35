// parquetix-cli flags: the lines of a recorded game that do not add up, with
// the operator's marks and dismissals taken into account, printed and
// optionally written as JSON.
#include "CliCommand.h"
#include "GameOutput.h"

#include "model/review/TFlagRule.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "savegame/TGameFolder.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameLoader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const char *const Usage = "usage: parquetix-cli flags DIR|--script SCRIPT [--json FILE]\n";

QString sideKey(int side)
{
    return side == 1 ? QStringLiteral("home") : QStringLiteral("away");
}

QStringList reasonKeys(const TFlag &flag)
{
    QStringList keys;
    for (TFlagReason r : flag.Reasons)
        keys.append(FlagReasons::Key(r));
    return keys;
}

QJsonArray json(const QList<TFlag> &flags)
{
    QJsonArray list;
    for (const TFlag &flag : flags)
        list.append(QJsonObject{{"side", sideKey(flag.Side)},
                                {"line", flag.Line},
                                {"id", flag.EventId},
                                {"reasons", QJsonArray::fromStringList(reasonKeys(flag))}});
    return list;
}

void print(const TGame &game, const THeadlessScreen &screen, const QList<TFlag> &flags, QTextStream &out)
{
    int open[2] = {0, 0};
    for (const TFlag &flag : flags) {
        open[flag.Side - 1] += 1;
        const TSideHistory::Entry *entry = screen.log(flag.Side).Find(flag.EventId);
        out << sideKey(flag.Side) << " line " << flag.Line << " id " << flag.EventId << ": "
            << reasonKeys(flag).join(QLatin1Char(' '));
        if (entry)
            out << "  (" << entry->Text << ")";
        out << "\n";
    }
    out << "open flags: home " << open[0] << ", away " << open[1] << "\n";
    for (const TScoreConfirmation &c : game.Review.Confirmations())
        out << "score confirmed after period " << c.Period << ": " << c.Home << "-" << c.Away << "\n";
}

bool writeJson(const QString &path, const QJsonArray &list, QTextStream &err)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        (file.write(QJsonDocument(list).toJson(QJsonDocument::Indented)), !file.commit())) {
        err << "flags: cannot write " << path << ": " << file.errorString() << "\n";
        return false;
    }
    return true;
}

int runFlags(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    bool hasScript = false;
    bool hasJson = false;
    const QString scriptPath = TakeOption(args, QStringLiteral("--script"), &hasScript);
    const QString jsonPath = TakeOption(args, QStringLiteral("--json"), &hasJson);
    if ((hasScript && scriptPath.isEmpty()) || (hasJson && jsonPath.isEmpty()) ||
        args.size() != (hasScript ? 0 : 1)) {
        err << Usage;
        return 2;
    }
    QString error;
    TParquetixApplication app;
    TScriptPrompter prompter;
    THeadlessScreen screen;
    app.SetPrompter(&prompter);
    app.SetScreen(&screen);
    if (!app.Initialize(&error))
        err << "settings: " << error << "\n";
    if (hasScript) {
        QFile file(scriptPath);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "flags: cannot read " << scriptPath << ": " << file.errorString() << "\n";
            return 1;
        }
        if (!app.LoadReferenceLists(&error))
            err << "reference lists: " << error << "\n";
        TGameScript runner(app.Game(), screen);
        if (!runner.Run(QString::fromUtf8(file.readAll()), scriptPath)) {
            err << runner.Error() << "\n";
            return 1;
        }
    } else {
        // A saved game, loaded as the load wizard does, not online.
        const QString folder = QDir(args.first()).absolutePath();
        const QString code = TGameFolder(folder).GameCode();
        if (code.isEmpty()) {
            err << "flags: " << folder << " holds no saved game (no hazai_*.dat file)\n";
            return 1;
        }
        if (!TGameLoader::Load(app, folder, code, TLoadOptions{}, nullptr, &error)) {
            err << "flags: " << error << "\n";
            return 1;
        }
    }
    const TGame &game = app.Game();
    const QList<TFlag> flags = TFlagRule::Open(game, game.Review, &screen.log(1), &screen.log(2));
    print(game, screen, flags, out);
    if (hasJson && !writeJson(jsonPath, json(flags), err))
        return 1;
    return 0;
}

const TCliRegistration registration({QStringLiteral("flags"),
                                     QStringLiteral("flags DIR|--script SCRIPT [--json FILE]"), &runFlags});

} // namespace
