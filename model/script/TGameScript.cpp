#include "TGameScript.h"

#include "TScriptCall.h"

TGameScript::TGameScript(TGame &game, IScreenLink &screen) : m_game(game), m_screen(screen) {}

bool TGameScript::fail(const QString &message)
{
    m_error = QStringLiteral("%1:%2: %3").arg(m_source).arg(m_line).arg(message);
    return false;
}

bool TGameScript::Tokenize(const QString &line, QStringList &words, QString *error)
{
    words.clear();
    QString current;
    bool inQuotes = false;
    bool hasWord = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            hasWord = true;
        } else if (!inQuotes && c == QLatin1Char('#')) {
            break;
        } else if (!inQuotes && c.isSpace()) {
            if (hasWord)
                words.append(current);
            current.clear();
            hasWord = false;
        } else {
            current += c;
            hasWord = true;
        }
    }
    if (inQuotes) {
        if (error)
            *error = QStringLiteral("unterminated quotes");
        return false;
    }
    if (hasWord)
        words.append(current);
    return true;
}

bool TGameScript::Run(const QString &text, const QString &sourceName)
{
    m_source = sourceName;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        if (!RunLine(lines[i], i + 1))
            return false;
    return true;
}

bool TGameScript::RunLine(const QString &line, int lineNumber)
{
    m_line = lineNumber;
    QStringList words;
    QString error;
    if (!Tokenize(line, words, &error))
        return fail(error);
    if (words.isEmpty())
        return true;
    if (!command(words))
        return false;
    if (AfterCommand)
        AfterCommand();
    return true;
}

bool TGameScript::number(const QString &text, int &value, const QString &what)
{
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("%1 must be a whole number, not '%2'").arg(what, text));
    return true;
}

namespace {

int sideOf(const QString &word)
{
    if (word == QLatin1String("home"))
        return 1;
    if (word == QLatin1String("away"))
        return 2;
    return 0;
}

using namespace ScriptCommands;

// A script command: its name, its argument rule and its handler. A command
// with SideArguments > 0 needs at least that many arguments, the first of
// them home or away; the rest of the words are the handler's to check.
struct TScriptCommand
{
    QLatin1String Name;
    int SideArguments;
    bool (*Run)(TScriptCall &call);
};

const TScriptCommand kCommands[] = {
    {QLatin1String("set"), 0, runSet},
    {QLatin1String("game"), 0, runGame},
    {QLatin1String("team"), 1, runTeam},
    {QLatin1String("player"), 2, runPlayer},
    {QLatin1String("length"), 0, runLength},
    {QLatin1String("tick"), 0, runTick},
    {QLatin1String("minute"), 0, runMinute},
    {QLatin1String("periodend"), 0, runPeriodEnd},
    {QLatin1String("close"), 0, runClose},
    {QLatin1String("select"), 2, runSelect},
    {QLatin1String("teammode"), 1, runTeamMode},
    {QLatin1String("event"), 2, runEvent},
    {QLatin1String("shot"), 3, runShot},
    {QLatin1String("sub"), 3, runSub},
    {QLatin1String("timeout"), 1, runTimeout},
    {QLatin1String("type"), 2, runType},
    {QLatin1String("fastbreak"), 1, runFastBreak},
    {QLatin1String("secondchance"), 1, runSecondChance},
    {QLatin1String("defense"), 1, runDefense},
    // History corrections.
    {QLatin1String("delete"), 2, runDelete},
    {QLatin1String("deletelast"), 1, runDeleteLast},
    {QLatin1String("change"), 2, runChange},
    {QLatin1String("filter"), 2, runFilter},
    // corrections: line-ups, the official time, players added to a bench
    {QLatin1String("lineup"), 2, runLineup},
    {QLatin1String("settime"), 0, runSetTime},
    {QLatin1String("addplayer"), 2, runAddPlayer},
    // the operator's decisions about the flags
    {QLatin1String("flag"), 2, runFlag},
    {QLatin1String("dismiss"), 3, runDismiss},
    {QLatin1String("confirm"), 0, runConfirm},
};

} // namespace

bool TGameScript::command(const QStringList &w)
{
    const QString &cmd = w.first();
    for (const TScriptCommand &entry : kCommands) {
        if (cmd != entry.Name)
            continue;
        TScriptCall call{*this, w, 0};
        if (entry.SideArguments > 0) {
            if (w.size() <= entry.SideArguments)
                return fail(QStringLiteral("'%1' needs %2 arguments").arg(cmd).arg(entry.SideArguments));
            call.Side = sideOf(w[1]);
            if (call.Side == 0)
                return fail(QStringLiteral("'%1' needs home or away, not '%2'").arg(cmd, w[1]));
        }
        return entry.Run(call);
    }
    return fail(QStringLiteral("unknown command '%1'").arg(cmd));
}
