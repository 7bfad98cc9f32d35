// parquetix-cli flags: the lines of a recorded game that do not add up, with
// the operator's marks and dismissals taken into account, printed and
// optionally written as JSON.
#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"

#include "model/review/TFlagRule.h"
#include "model/services/THeadlessScreen.h"

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
    TCliGame session;
    session.Start(err);
    THeadlessScreen &screen = session.Screen;
    if (hasScript) {
        // A scripted game is only read here: nothing is saved or dumped.
        session.App.Game().SetStore(nullptr);
        if (!session.RunScript(scriptPath, err))
            return 1;
    } else if (!session.LoadFolder(args.first(), QStringLiteral("flags"), err)) {
        return 1;
    }
    const TGame &game = session.App.Game();
    const QList<TFlag> flags = TFlagRule::Open(game, game.Review, &screen.log(1), &screen.log(2));
    print(game, screen, flags, out);
    if (hasJson && !writeJson(jsonPath, json(flags), err))
        return 1;
    return 0;
}

const TCliRegistration registration({QStringLiteral("flags"),
                                     QStringLiteral("flags DIR|--script SCRIPT [--json FILE]"), &runFlags});

} // namespace
