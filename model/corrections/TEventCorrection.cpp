#include "TEventCorrection.h"

#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/messages/LiveMessages.h"

#include <memory>

namespace {

// The number between `from` and the next "&" (or the end).
bool numberAfter(const QString &message, const QString &from, int *value)
{
    const qsizetype at = message.indexOf(from);
    if (at < 0)
        return false;
    const qsizetype start = at + from.size();
    const qsizetype end = message.indexOf(QLatin1Char('&'), start);
    bool ok = false;
    *value = message.mid(start, end < 0 ? -1 : end - start).toInt(&ok);
    return ok;
}

} // namespace

bool TEventCorrection::Deletable(int kind)
{
    const TEventKind *k = EventKindTable::Find(kind);
    return !k || k->Deletable;
}

bool TEventCorrection::Changeable(int kind)
{
    return EventKindTable::Credited(kind);
}

QString TEventCorrection::RefusalReason(int kind)
{
    const TEventKind *k = EventKindTable::Find(kind);
    if (k && k->Refusal)
        return QString::fromUtf8(k->Refusal);
    return QStringLiteral("The change dialog offers no event of this kind; delete it and record it again.");
}

bool TEventCorrection::PointOf(const QString &message, int *x, int *y)
{
    int px = 0;
    int py = 0;
    if (!numberAfter(message, QStringLiteral("&x="), &px) ||
        !numberAfter(message, QStringLiteral("&y="), &py))
        return false;
    *x = px;
    *y = py;
    return true;
}

bool TEventCorrection::Delete(const TGameEvent &recorded)
{
    if (!Deletable(recorded.Kind))
        return false;
    TTeam &team = m_game.Team(TeamOfSide(recorded.Side));
    team.UndoEvent(recorded.Side, recorded.PlayerId, recorded.FastBreak != 0, recorded.SecondChance != 0,
                   recorded.Detail, recorded.Kind);

    // Out of the lists before the deletion is queued, so that no dump
    // written on the way still holds the event.
    const int recordedId = recorded.Id;
    m_game.RemoveEvent(recordedId);
    m_game.EventCounter += 1;
    TGameEvent *deletion = m_game.NewEvent(m_game.EventCounter, Kind::DeleteEvent, 0, team.SideNumber);
    deletion->SetMessage(LiveMessages::EventDeleted(m_game.Settings().ServerName(), deletion->Id,
                                                    m_game.GameCode, recordedId, m_game.Stamp()));
    m_game.QueueEvent(deletion);

    const int r = m_game.RecordedEvents.IndexOf(recordedId);
    if (r >= 0)
        m_game.RecordedEvents.RemoveAt(r);
    m_game.UpdatePassiveLabels();
    return true;
}

bool TEventCorrection::Change(TGameEvent &recorded, const TEventChange &change, QString *error)
{
    auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!Changeable(recorded.Kind))
        return refuse(RefusalText() + QStringLiteral(": ") + RefusalReason(recorded.Kind));
    if (!Changeable(change.Kind))
        return refuse(QStringLiteral("Unknown event code %1").arg(change.Kind));
    if (EventKindTable::IsShot(change.Kind) && ShotKind::Points(change.Detail) == 0)
        return refuse(QStringLiteral("Unknown shot kind %1").arg(change.Detail));

    TTeam &team = m_game.Team(TeamOfSide(recorded.Side));
    const bool toTeam = change.ActorChosen ? change.ActorId == -1 : recorded.Side >= Side::HomeTeam;
    const int playerId = change.ActorChosen ? change.ActorId : recorded.PlayerId;
    const TPlayer *player = toTeam ? nullptr : team.FindPlayerById(playerId).Player();
    if (!toTeam && !player)
        return refuse(QStringLiteral("No player %1 in the team").arg(playerId));
    if (toTeam && EventKindTable::IsShot(change.Kind))
        return refuse(QStringLiteral("A shot belongs to a player"));

    team.UndoEvent(recorded.Side, recorded.PlayerId, recorded.FastBreak != 0, recorded.SecondChance != 0,
                   recorded.Detail, recorded.Kind);

    int x = 0;
    int y = 0;
    if (change.HasPoint) {
        x = change.X;
        y = change.Y;
    } else {
        PointOf(recorded.Message, &x, &y);
    }
    TGameEvent changed = recorded;
    changed.Kind = change.Kind;
    changed.Detail = EventKindTable::IsShot(change.Kind) ? change.Detail : 0;
    // The recorded side follows the actor, so a later deletion reverses the
    // counters where they now are.
    changed.Side = toTeam ? team.TeamSide() : team.SideNumber;
    changed.PlayerId = toTeam ? -1 : player->JatekosID;
    changed.PlayerName = toTeam ? QString() : player->JatekosNev;
    changed.FastBreak = 0;
    changed.SecondChance = 0;
    if (toTeam) {
        changed.SetMessage(team.BuildTeamEventMessage(changed.Kind, changed.Id));
        changed.Text = team.BuildTeamEventText(changed.Kind, changed.Clock);
    } else {
        changed.SetMessage(
            team.BuildEventMessage(changed.Kind, changed.Id, player->WebID, y, x, changed.Detail));
        changed.Text = team.BuildEventText(changed.Kind, changed.Detail, player->JatekosNev,
                                           player->JatekosMezSzam, changed.Clock);
    }
    team.ApplyEvent(changed.Side, changed.PlayerId, false, false, changed.Detail, changed.Kind);
    // As recorded: a player event's message ends with the score after it.
    if (!toTeam && !changed.Message.isEmpty())
        changed.SetMessage(changed.Message + LiveMessages::ScorePair(m_game.HomeTeam().Data.Totals.Points,
                                                                     m_game.AwayTeam().Data.Totals.Points));

    // A new object takes the old one's entries: the sender may still hold the old one.
    TGameEvent *live = m_game.Adopt(std::make_unique<TGameEvent>(changed));
    const int r = m_game.RecordedEvents.IndexOf(changed.Id);
    if (r >= 0)
        m_game.RecordedEvents.SetAt(r, live);
    m_game.ReplaceEvent(live);
    recorded = changed;
    m_game.UpdatePassiveLabels();
    // Secured like a recorded event; the live files show the new counters.
    m_game.WriteDumps();
    m_game.SaveGame();
    return true;
}
