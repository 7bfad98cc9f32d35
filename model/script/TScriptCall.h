#pragma once

#include "TGameScript.h"
#include "model/game/TGame.h"

#include <QHash>
#include <QStringList>

// One command line as its handler sees it: the words, the side when the
// command names one, and the game the script plays.
struct TScriptCall
{
    TGameScript &Script;
    const QStringList &Words;
    int Side = 0;

    TGame &Game() const { return Script.m_game; }
    IScreenLink &Screen() const { return Script.m_screen; }
    TTeam &Team() const { return Script.m_game.Team(Side); }
    bool Fail(const QString &message) const { return Script.fail(message); }
    bool Number(const QString &text, int &value, const QString &what) const
    {
        return Script.number(text, value, what);
    }
    // The key=value pairs of the words [from, end).
    bool Pairs(qsizetype from, qsizetype end, QHash<QString, QString> &out) const
    {
        for (qsizetype i = from; i < end; ++i) {
            const qsizetype eq = Words[i].indexOf(QLatin1Char('='));
            if (eq <= 0)
                return Fail(QStringLiteral("expected key=value, not '%1'").arg(Words[i]));
            out.insert(Words[i].left(eq), Words[i].mid(eq + 1));
        }
        return true;
    }
    bool Pairs(qsizetype from, QHash<QString, QString> &out) const { return Pairs(from, Words.size(), out); }
};

// The handlers of the script's commands, by job: setting up the game,
// recording, and the corrections of the history and the line-ups.
namespace ScriptCommands {

bool runSet(TScriptCall &c);
bool runGame(TScriptCall &c);
bool runTeam(TScriptCall &c);
bool runPlayer(TScriptCall &c);
bool runLength(TScriptCall &c);

bool runTick(TScriptCall &c);
bool runMinute(TScriptCall &c);
bool runPeriodEnd(TScriptCall &c);
bool runClose(TScriptCall &c);
bool runSelect(TScriptCall &c);
bool runTeamMode(TScriptCall &c);
bool runEvent(TScriptCall &c);
bool runShot(TScriptCall &c);
bool runSub(TScriptCall &c);
bool runTimeout(TScriptCall &c);
bool runType(TScriptCall &c);
bool runFastBreak(TScriptCall &c);
bool runSecondChance(TScriptCall &c);
bool runDefense(TScriptCall &c);

bool runDelete(TScriptCall &c);
bool runDeleteLast(TScriptCall &c);
bool runChange(TScriptCall &c);
bool runFilter(TScriptCall &c);
bool runLineup(TScriptCall &c);
bool runSetTime(TScriptCall &c);
bool runAddPlayer(TScriptCall &c);

bool runFlag(TScriptCall &c);
bool runDismiss(TScriptCall &c);
bool runConfirm(TScriptCall &c);

} // namespace ScriptCommands
