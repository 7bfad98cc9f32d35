#include "TTrackedSlots.h"

#include "TEventReplay.h"
#include "model/game/TGame.h"

static int starterCount(const TTeam &team)
{
    int n = 0;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            n += list->At(i)->Starter != 0 ? 1 : 0;
    return n;
}

int TTrackedSlots::FillFromStarters(TTeam &team)
{
    QList<int> &ids = team.LineupTracking;
    ids.clear();
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count() && ids.size() < TTeam::TrackedPositions; ++i)
            if (list->At(i)->Starter != 0)
                ids.append(list->At(i)->JatekosID);
    while (ids.size() < TTeam::TrackedPositions)
        ids.append(Empty);
    return UntrackedStarters(team);
}

int TTrackedSlots::UntrackedStarters(const TTeam &team)
{
    return std::max(0, starterCount(team) - TTeam::TrackedPositions);
}

bool TTrackedSlots::Substitute(TGame &game, TTeam &team, const TGameEvent &event)
{
    QString inId;
    QString outId;
    if (!TEventReplay::SubstitutionIds(event.Message, &inId, &outId))
        return false;
    const TPlayer *incoming = game.FindPlayerByWebId(inId);
    const TPlayer *outgoing = game.FindPlayerByWebId(outId);
    if (!incoming || !outgoing)
        return false;
    for (int &id : team.LineupTracking) {
        if (id != Empty && id == outgoing->JatekosID) {
            id = incoming->JatekosID;
            return true;
        }
    }
    return false;
}

int TTrackedSlots::FollowSubstitutionRun(TGame &game, const TEventList &events, int &i)
{
    const TGameEvent &first = *events.At(i);
    if (first.Kind != Kind::Substitution ||
        (first.Side != Side::HomePlayer && first.Side != Side::AwayPlayer))
        return -1;
    const int side = first.Side;
    TTeam &team = game.Team(side);
    for (; i < events.Count() && events.At(i)->Kind == Kind::Substitution && events.At(i)->Side == side; ++i)
        Substitute(game, team, *events.At(i));
    return side - 1;
}

TPlayer *TTrackedSlots::PlayerAt(TTeam &team, int position)
{
    if (position < 0 || position >= team.LineupTracking.size() || team.LineupTracking[position] == Empty)
        return nullptr;
    return team.FindPlayerById(team.LineupTracking[position]).Player();
}

QList<TQuintetPlayer> TTrackedSlots::Positions(TTeam &team)
{
    QList<TQuintetPlayer> positions;
    for (int i = 0; i < team.LineupTracking.size(); ++i) {
        const TPlayer *p = PlayerAt(team, i);
        positions.append(p ? TQuintetPlayer{p->JatekosNev, p->WebID} : TQuintetPlayer{});
    }
    return positions;
}
