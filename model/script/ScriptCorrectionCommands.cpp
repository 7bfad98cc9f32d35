#include "TScriptCall.h"

#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TEventCorrection.h"
#include "model/corrections/TSetTimeLogic.h"
#include "model/corrections/TSubstitutionsLogic.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/IScreenLink.h"

namespace ScriptCommands {

// ---------------------------------------------------------------- history corrections

// The JatekosID of the team's player with that jersey, on court or on the bench; -1 when none.
int playerIdOfJersey(TTeam &team, int jersey)
{
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->JatekosMezSzam == jersey)
                return list->At(i)->JatekosID;
    return -1;
}

// Selects the entry of a line number as the go-to dialog does; its event's ID.
bool selectLine(TScriptCall &c, const QString &word, int &id)
{
    int number = 0;
    if (!c.Number(word, number, QStringLiteral("line")))
        return false;
    if (!c.Screen().SelectHistoryNumber(c.Side, number))
        return c.Fail(QStringLiteral("no line %1 in the %2 history").arg(number).arg(c.Words[1]));
    id = c.Screen().SelectedHistoryId(c.Side);
    return true;
}

// The delete button's code on the selected entry, then whether it went.
bool deleteSelected(TScriptCall &c, int id)
{
    c.Team().RecordEvent(c.Side, Kind::DeleteEvent, 0);
    if (c.Screen().HasHistoryEntry(c.Side, id))
        return c.Fail(QStringLiteral("event %1 stays: clock steps and substitutions cannot be deleted, "
                                     "and nothing is deleted before the first clock step")
                          .arg(id));
    return true;
}

bool runDelete(TScriptCall &c)
{
    int id = -1;
    return selectLine(c, c.Words[2], id) && deleteSelected(c, id);
}

bool runDeleteLast(TScriptCall &c)
{
    if (!c.Screen().SelectLastHistoryEntry(c.Side))
        return c.Fail(QStringLiteral("the %1 history shows no line").arg(c.Words[1]));
    return deleteSelected(c, c.Screen().SelectedHistoryId(c.Side));
}

bool runChange(TScriptCall &c)
{
    int id = -1;
    if (!selectLine(c, c.Words[2], id))
        return false;
    const TGameEvent *event = c.Game().AllEvents.Find(id);
    if (!event)
        event = c.Game().RecordedEvents.Find(id);
    if (!event)
        return c.Fail(QStringLiteral("event %1 is not in the game's lists").arg(id));
    TEventChange change;
    change.Kind = event->Kind;
    change.Detail = event->Detail;
    QHash<QString, QString> kv;
    if (!c.Pairs(3, kv))
        return false;
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        const QString &k = it.key();
        if (k == QLatin1String("actor")) {
            change.ActorChosen = true;
            if (it.value() == QLatin1String("team")) {
                change.ActorId = -1;
            } else {
                int jersey = 0;
                if (!c.Number(it.value(), jersey, QStringLiteral("actor")))
                    return false;
                change.ActorId = playerIdOfJersey(c.Team(), jersey);
                if (change.ActorId < 0)
                    return c.Fail(QStringLiteral("no player with jersey %1 in the %2 team")
                                      .arg(jersey)
                                      .arg(c.Words[1]));
            }
        } else if (k == QLatin1String("kind") || k == QLatin1String("detail") || k == QLatin1String("x") ||
                   k == QLatin1String("y")) {
            int value = 0;
            if (!c.Number(it.value(), value, k))
                return false;
            if (k == QLatin1String("kind"))
                change.Kind = value;
            else if (k == QLatin1String("detail"))
                change.Detail = value;
            else if (k == QLatin1String("x"))
                change.X = value;
            else
                change.Y = value;
        } else {
            return c.Fail(QStringLiteral("unknown key '%1'").arg(k));
        }
    }
    if (kv.contains(QStringLiteral("x")) != kv.contains(QStringLiteral("y")))
        return c.Fail(QStringLiteral("a point needs both x and y"));
    change.HasPoint = kv.contains(QStringLiteral("x"));
    if (!change.ActorChosen && !change.HasPoint && change.Kind == event->Kind &&
        change.Detail == event->Detail)
        return c.Fail(QStringLiteral("nothing to change on line %1").arg(c.Words[2]));
    QString error;
    if (!c.Screen().ChangeHistoryEvent(c.Side, id, change, &error))
        return c.Fail(error);
    return true;
}

bool runFilter(TScriptCall &c)
{
    TFilterArgument &filter = c.Team().Filter;
    if (c.Words[2] == QLatin1String("off")) {
        filter.PlayerFilter = false;
        filter.EventFilter = false;
    } else {
        QHash<QString, QString> kv;
        if (!c.Pairs(2, kv))
            return false;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            int value = 0;
            if (it.key() != QLatin1String("player") && it.key() != QLatin1String("event"))
                return c.Fail(QStringLiteral("unknown key '%1'").arg(it.key()));
            if (!c.Number(it.value(), value, it.key()))
                return false;
            if (it.key() == QLatin1String("player")) {
                const int id = playerIdOfJersey(c.Team(), value);
                if (id < 0)
                    return c.Fail(
                        QStringLiteral("no player with jersey %1 in the %2 team").arg(value).arg(c.Words[1]));
                filter.PlayerFilter = true;
                filter.PlayerId = id;
            } else {
                filter.EventFilter = true;
                filter.Kind = value;
            }
        }
    }
    c.Screen().ApplyHistoryFilter(c.Side);
    return true;
}

// ---------------------------------------------------------------- corrections:
// line-ups, the official time and players added to a bench, each as OK of its dialog.

// "lineup home|away J,J,J": the line-up composed with ">" and confirmed; the
// other team's line-up is its players on court ("L5"), so it changes nothing.
bool runLineup(TScriptCall &c)
{
    const QStringList numbers = c.Words[2].split(QLatin1Char(','), Qt::SkipEmptyParts);
    TSubstitutionsLogic logic(c.Game());
    logic.Fill();
    logic.LastFive(c.Side == 1 ? 2 : 1);
    for (const QString &text : numbers) {
        int jersey = 0;
        if (!c.Number(text, jersey, QStringLiteral("jersey")))
            return false;
        if (!logic.SelectJersey(c.Side, TSubstitutionsLogic::Available, jersey))
            return c.Fail(QStringLiteral("no player with jersey %1 to put into the %2 line-up")
                              .arg(jersey)
                              .arg(c.Words[1]));
        logic.Enter(c.Side, TSubstitutionsLogic::Available);
    }
    if (!logic.OkEnabled())
        return c.Fail(QStringLiteral("a line-up holds three players, not %1").arg(numbers.size()));
    logic.Apply();
    for (int side = 1; side <= 2; ++side) {
        c.Game().Team(side).ClearSelection();
        c.Game().Team(side).KepernyoMezokFeltoltese(c.Screen());
    }
    return true;
}

// "settime TEXT [enter]": TEXT typed over the field; without "enter" the
// field loses the focus before OK, with it Enter confirms at once.
bool runSetTime(TScriptCall &c)
{
    const QStringList &w = c.Words;
    const bool enter = w.size() == 3 && w[2] == QLatin1String("enter");
    if (w.size() < 2 || w.size() > 3 || (w.size() == 3 && !enter))
        return c.Fail(QStringLiteral("'settime' needs TEXT and may end with enter"));
    TSetTimeLogic logic(c.Game());
    logic.TypeOver(w[1]);
    if (!enter)
        logic.LeaveField();
    logic.Send();
    return true;
}

// "addplayer home|away id=N webid=W jersey=N name=TEXT [; id=...]": each
// candidate moved with ">" in the order given, then OK.
bool runAddPlayer(TScriptCall &c)
{
    QList<QStringList> groups{{}};
    for (qsizetype i = 2; i < c.Words.size(); ++i) {
        QString word = c.Words[i];
        const bool ends = word.endsWith(QLatin1Char(';'));
        if (ends)
            word.chop(1);
        if (!word.isEmpty())
            groups.last().append(word);
        if (ends)
            groups.append(QStringList());
    }
    TTeam &team = c.Team();
    QList<TPlayer> candidates;
    for (const QStringList &group : groups) {
        if (group.isEmpty())
            continue;
        QHash<QString, QString> kv;
        const QStringList pairs = QStringList{QString(), QString()} + group;
        const TScriptCall call{c.Script, pairs, c.Side};
        if (!call.Pairs(2, kv))
            return false;
        TPlayer master;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            int n = 0;
            if (it.key() == QLatin1String("id") || it.key() == QLatin1String("jersey")) {
                if (!c.Number(it.value(), n, it.key()))
                    return false;
                (it.key() == QLatin1String("id") ? master.JatekosID : master.JatekosMezSzam) = n;
            } else if (it.key() == QLatin1String("webid")) {
                master.WebID = it.value();
            } else if (it.key() == QLatin1String("name")) {
                master.JatekosNev = it.value();
            } else if (it.key() == QLatin1String("short")) {
                master.JatekosRovidNev = it.value();
            } else {
                return c.Fail(QStringLiteral("unknown player field '%1'").arg(it.key()));
            }
        }
        if (!kv.contains(QStringLiteral("id")) || !kv.contains(QStringLiteral("jersey")) ||
            !kv.contains(QStringLiteral("name")))
            return c.Fail(QStringLiteral("'addplayer' needs id=, jersey= and name= for every player"));
        if (team.FindPlayerById(master.JatekosID).Player())
            return c.Fail(QStringLiteral("player %1 already plays for the %2 team")
                              .arg(master.JatekosID)
                              .arg(c.Words[1]));
        candidates.append(TAddPlayerLogic::CandidateRecord(master, team));
    }
    if (candidates.isEmpty())
        return c.Fail(QStringLiteral("'addplayer' needs at least one player"));
    TAddPlayerLogic logic(c.Game(), team);
    logic.Fill(candidates);
    for (const TPlayer &candidate : candidates) {
        logic.SelectPlayerById(candidate.JatekosID);
        if (!logic.MoveEnabled())
            return c.Fail(QStringLiteral("the bench takes no more than %1 substitutes")
                              .arg(TAddPlayerLogic::MaxSubstitutes));
        // A refused candidate refuses the command: nobody is added.
        const QString refusal = logic.MoveRefusal();
        if (!refusal.isEmpty())
            return c.Fail(QStringLiteral("%1 (jersey %2): %3")
                              .arg(candidate.JatekosNev)
                              .arg(candidate.JatekosMezSzam)
                              .arg(refusal));
        logic.Move();
    }
    logic.Apply();
    team.KepernyoMezokFeltoltese(c.Screen());
    return true;
}

} // namespace ScriptCommands
