#include "TGameJson.h"

#include "model/game/TGame.h"

#include <QJsonArray>

namespace GameJson {

QJsonObject Player(const TPlayer &p)
{
    return QJsonObject{
        {"JatekosOrszagID", p.JatekosOrszagID},
        {"LigaID", p.LigaID},
        {"CsapatID", p.CsapatID},
        {"JatekosID", p.JatekosID},
        {"WebID", p.WebID},
        {"JatekosNev", p.JatekosNev},
        {"JatekosRovidNev", p.JatekosRovidNev},
        {"Szuletes", p.Szuletes},
        {"JatekosTestMagassag", p.JatekosTestMagassag},
        {"JatekosSuly", p.JatekosSuly},
        {"JatekosPoszt", p.JatekosPoszt},
        {"JatekosMezSzam", p.JatekosMezSzam},
        {"Points", p.Points},
        {"MissedPoints", p.MissedPoints},
        {"CloseMade", p.CloseMade},
        {"CloseMissed", p.CloseMissed},
        {"MidMade", p.MidMade},
        {"MidMissed", p.MidMissed},
        {"ThreeMade", p.ThreeMade},
        {"ThreeMissed", p.ThreeMissed},
        {"FreeThrowsMade", p.FreeThrowsMade},
        {"FreeThrowsMissed", p.FreeThrowsMissed},
        {"DefRebounds", p.DefRebounds},
        {"OffRebounds", p.OffRebounds},
        {"Steals", p.Steals},
        {"Turnovers", p.Turnovers},
        {"PersonalFouls", p.PersonalFouls},
        {"FoulsDrawn", p.FoulsDrawn},
        {"Assists", p.Assists},
        {"Blocks", p.Blocks},
        {"BlocksReceived", p.BlocksReceived},
        {"Rating", p.Rating},
        {"PlayingTime", p.PlayingTime},
        {"PendingTime", p.PendingTime},
        {"ReservedFlag", p.ReservedFlag},
        {"OnBench", p.OnBench},
        {"Starter", p.Starter},
        {"DunksMade", p.DunksMade},
        {"DunksMissed", p.DunksMissed},
        {"TechnicalFouls", p.TechnicalFouls},
        {"Note", p.Note},
        {"Extras", p.Extras},
    };
}

QJsonObject Totals(const TTeamTotals &t)
{
    return QJsonObject{
        {"Points", t.Points},
        {"MissedPoints", t.MissedPoints},
        {"CloseMade", t.CloseMade},
        {"CloseMissed", t.CloseMissed},
        {"MidMade", t.MidMade},
        {"MidMissed", t.MidMissed},
        {"ThreeMade", t.ThreeMade},
        {"ThreeMissed", t.ThreeMissed},
        {"FreeThrowsMade", t.FreeThrowsMade},
        {"FreeThrowsMissed", t.FreeThrowsMissed},
        {"DefRebounds", t.DefRebounds},
        {"OffRebounds", t.OffRebounds},
        {"Steals", t.Steals},
        {"Turnovers", t.Turnovers},
        {"PersonalFouls", t.PersonalFouls},
        {"FoulsDrawn", t.FoulsDrawn},
        {"Assists", t.Assists},
        {"Blocks", t.Blocks},
        {"BlocksReceived", t.BlocksReceived},
        {"Rating", t.Rating},
        {"IndirectSteals", t.IndirectSteals},
        {"DunksMade", t.DunksMade},
        {"DunksMissed", t.DunksMissed},
        {"TechnicalFouls", t.TechnicalFouls},
        {"FastBreakPoints", t.FastBreakPoints},
        {"SecondChancePoints", t.SecondChancePoints},
    };
}

QJsonObject Event(const TGameEvent &e)
{
    return QJsonObject{
        {"Id", e.Id},
        {"Message", e.Message},
        {"PlayerId", e.PlayerId},
        {"Kind", e.Kind},
        {"Detail", e.Detail},
        {"Side", e.Side},
        {"Clock", e.Clock},
        {"Text", e.Text},
        {"PlayerName", e.PlayerName},
        {"FastBreak", e.FastBreak},
        {"SecondChance", e.SecondChance},
        {"SubEvent", e.SubEvent},
    };
}

static QJsonArray players(const TPlayerList &list)
{
    QJsonArray out;
    for (int i = 0; i < list.Count(); ++i) {
        QJsonObject o = Player(*list.At(i));
        o.insert(QStringLiteral("Key"), list.KeyAt(i));
        out.append(o);
    }
    return out;
}

static QJsonArray events(const TEventList &list)
{
    QJsonArray out;
    for (const TEventList::Entry &e : list.Entries())
        out.append(Event(*e.Event));
    return out;
}

static QJsonArray refList(const TRefList &list)
{
    QJsonArray out;
    for (const TRefItem &item : list)
        out.append(QJsonObject{{"Name", item.Name}, {"Id", item.Id}});
    return out;
}

QJsonObject Team(const TTeam &team)
{
    const TTeamData &d = team.Data;
    QJsonArray timeouts;
    for (const auto &t : team.Timeouts)
        timeouts.append(QJsonObject{{"Period", t.second.Period}, {"ClockText", t.second.ClockText}});
    return QJsonObject{
        {"SideNumber", team.SideNumber},
        {"LigaID", d.LigaID},
        {"CsapatID", d.CsapatID},
        {"WebID", d.WebID},
        {"EgyesuletNev", d.EgyesuletNev},
        {"EgyesuletRovidNev", d.EgyesuletRovidNev},
        {"EgyesuletEdzoNev", d.EgyesuletEdzoNev},
        {"Totals", Totals(d.Totals)},
        {"TeamLine", Player(team.TeamLine)},
        {"OnCourt", players(team.OnCourt)},
        {"Bench", players(team.Bench)},
        {"Timeouts", timeouts},
        {"TeamFouls", team.TeamFouls},
        {"VariableColumn", team.VariableColumn},
        {"FastBreak", team.FastBreak},
        {"SecondChance", team.SecondChance},
        {"DefenseModes", refList(team.DefenseModes)},
        {"DefenseModeIndex", team.DefenseModeIndex},
        {"LastTypedEvent", team.LastTypedEvent},
    };
}

QJsonObject Game(const TGame &game)
{
    return QJsonObject{
        {"GameCode", game.GameCode},
        {"Online", game.Online},
        {"GameDate", game.GameDate},
        {"GameTime", game.GameTime},
        {"Stadium", game.Stadium},
        {"Attendance", game.Attendance},
        {"Income", game.Income},
        {"Referee1", game.Referee1},
        {"Referee2", game.Referee2},
        {"Referee3", game.Referee3},
        {"HomeCoach", game.HomeCoach},
        {"AwayCoach", game.AwayCoach},
        {"Clock", game.Clock},
        {"ClockDisplay", game.ClockDisplay},
        {"Period", game.Period},
        {"PeriodsEnded", game.PeriodsEnded},
        {"PeriodLength", game.PeriodLength()},
        {"HeaderSent", game.HeaderSent},
        {"EventCounter", game.EventCounter},
        {"TurnoverTypes", refList(game.TurnoverTypes)},
        {"FoulTypes", refList(game.FoulTypes)},
        {"HomeTeam", Team(game.HomeTeam())},
        {"AwayTeam", Team(game.AwayTeam())},
        {"AllEvents", events(game.AllEvents)},
        {"OutgoingQueue", events(game.OutgoingQueue.Snapshot())},
        {"RecordedEvents", events(game.RecordedEvents)},
    };
}

} // namespace GameJson
