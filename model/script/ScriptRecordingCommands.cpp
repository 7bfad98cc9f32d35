#include "TScriptCall.h"

#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TEventCorrection.h"
#include "model/corrections/TSetTimeLogic.h"
#include "model/corrections/TSubstitutionsLogic.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/IScreenLink.h"

// The commands that record, as the court screen's buttons and keys do.
namespace ScriptCommands {

// Finds the panel row showing the player with that jersey in a list.
int rowOfJersey(const TPlayerList &list, int jersey, int firstRow)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->JatekosMezSzam == jersey)
            return firstRow + i;
    return -1;
}

bool runTick(TScriptCall &c)
{
    c.Game().AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
    return true;
}

bool runMinute(TScriptCall &c)
{
    c.Game().CompleteMinute();
    return true;
}

bool runPeriodEnd(TScriptCall &c)
{
    c.Game().AwayTeam().RecordEvent(2, Kind::PeriodEnd, 2);
    return true;
}

// The wizard's end of the game: the game-closed message.
bool runClose(TScriptCall &c)
{
    c.Game().SendGameClosed();
    return true;
}

bool runSelect(TScriptCall &c)
{
    int jersey = 0;
    if (!c.Number(c.Words[2], jersey, QStringLiteral("jersey")))
        return false;
    TTeam &team = c.Team();
    const int row = rowOfJersey(team.OnCourt, jersey, 1);
    if (row < 0)
        return c.Fail(
            QStringLiteral("no player with jersey %1 on court for the %2 team").arg(jersey).arg(c.Words[1]));
    team.KepernyoMezokFeltoltese(c.Screen());
    team.SetActivePlayer(row, c.Screen());
    return true;
}

bool runTeamMode(TScriptCall &c)
{
    TTeam &team = c.Team();
    team.ActiveIndex = -1;
    team.TeamEventMode = true;
    return true;
}

// The screen takes a shot only for a selected player; a shot booked to the
// team would be counted by some replays and not by others.
bool shotHasPlayer(TScriptCall &c)
{
    const TTeam &team = c.Team();
    if (team.TeamEventMode || !team.ActivePlayer())
        return c.Fail(QStringLiteral("a shot belongs to a player: select a player of the %1 team first")
                          .arg(c.Words[1]));
    return true;
}

bool runEvent(TScriptCall &c)
{
    int kind = 0;
    if (!c.Number(c.Words[2], kind, QStringLiteral("kind")))
        return false;
    if ((kind == Kind::ShotMade || kind == Kind::ShotMissed) && !shotHasPlayer(c))
        return false;
    const int detail = kind == Kind::Timeout ? c.Game().Period : 0;
    c.Team().RecordEvent(c.Side, kind, detail);
    return true;
}

bool runShot(TScriptCall &c)
{
    static const QStringList shotKinds = {QStringLiteral("close"), QStringLiteral("mid"),
                                          QStringLiteral("three"), QStringLiteral("freethrow"),
                                          QStringLiteral("dunk")};
    const QStringList &w = c.Words;
    if (w[2] != QLatin1String("made") && w[2] != QLatin1String("missed"))
        return c.Fail(QStringLiteral("'shot' needs made or missed, not '%1'").arg(w[2]));
    int shotKind = int(shotKinds.indexOf(w[3]));
    if (shotKind >= 0) {
        shotKind += ShotKind::Close;
    } else if (!c.Number(w[3], shotKind, QStringLiteral("shot kind"))) {
        return false;
    }
    if (shotKind < ShotKind::Close || shotKind > ShotKind::Dunk)
        return c.Fail(QStringLiteral("unknown shot kind '%1'").arg(w[3]));
    int x = 0;
    int y = 0;
    if (w.size() >= 6) {
        if (!c.Number(w[4], x, QStringLiteral("x")) || !c.Number(w[5], y, QStringLiteral("y")))
            return false;
    } else if (shotKind != ShotKind::FreeThrow) {
        return c.Fail(QStringLiteral("a field goal needs its court point X Y"));
    }
    if (!shotHasPlayer(c))
        return false;
    c.Team().RecordEvent(c.Side, w[2] == QLatin1String("made") ? Kind::ShotMade : Kind::ShotMissed, shotKind,
                         x, y);
    return true;
}

bool runSub(TScriptCall &c)
{
    int out = 0;
    int in = 0;
    if (!c.Number(c.Words[2], out, QStringLiteral("jersey")) ||
        !c.Number(c.Words[3], in, QStringLiteral("jersey")))
        return false;
    TTeam &team = c.Team();
    const int outRow = rowOfJersey(team.OnCourt, out, 1);
    const int inRow = rowOfJersey(team.Bench, in, 6);
    if (outRow < 0)
        return c.Fail(QStringLiteral("no player with jersey %1 on court").arg(out));
    if (inRow < 0 || inRow > 15)
        return c.Fail(QStringLiteral("no player with jersey %1 on the bench").arg(in));
    team.KepernyoMezokFeltoltese(c.Screen());
    team.SetActivePlayer(outRow, c.Screen());
    team.SetSubstitutionPlayer(inRow, c.Screen());
    team.Substitute();
    team.KepernyoMezokFeltoltese(c.Screen());
    return true;
}

bool runTimeout(TScriptCall &c)
{
    c.Team().RecordEvent(c.Side, Kind::Timeout, c.Game().Period);
    return true;
}

bool runType(TScriptCall &c)
{
    int id = 0;
    if (!c.Number(c.Words[2], id, QStringLiteral("type id")))
        return false;
    c.Team().SetEventType(id);
    return true;
}

bool runFastBreak(TScriptCall &c)
{
    c.Team().SwitchFastBreak();
    return true;
}

bool runSecondChance(TScriptCall &c)
{
    c.Team().SwitchSecondChance();
    return true;
}

bool runDefense(TScriptCall &c)
{
    const QStringList &w = c.Words;
    TTeam &team = c.Team();
    if (w.size() >= 3) {
        if (w[2] == QLatin1String("next"))
            team.CycleDefenseMode(1);
        else if (w[2] == QLatin1String("prev"))
            team.CycleDefenseMode(-1);
        else
            return c.Fail(QStringLiteral("'defense' takes next or prev, not '%1'").arg(w[2]));
    }
    team.RecordEvent(c.Side, Kind::DefenseMode, team.DefenseModeIndex);
    return true;
}

} // namespace ScriptCommands
