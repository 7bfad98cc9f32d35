#include "TTrackedSlots.h"

#include "TEventReplay.h"
#include "TGame.h"

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
    QList<TQuintetPlayer> &positions = team.LineupTracking;
    positions.clear();
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count() && positions.size() < TTeam::TrackedPositions; ++i) {
            const TPlayer &p = *list->At(i);
            if (p.Starter != 0)
                positions.append(TQuintetPlayer{p.JatekosNev, p.WebID});
        }
    while (positions.size() < TTeam::TrackedPositions)
        positions.append(TQuintetPlayer{});
    return UntrackedStarters(team);
}

int TTrackedSlots::UntrackedStarters(const TTeam &team)
{
    return std::max(0, starterCount(team) - TTeam::TrackedPositions);
}

bool TTrackedSlots::Substitute(TGame &game, QList<TQuintetPlayer> &positions, const TGameEvent &event)
{
    QString inId;
    QString outId;
    if (!TEventReplay::SubstitutionIds(event.Message, &inId, &outId))
        return false;
    const TPlayer *incoming = game.FindPlayerByWebId(inId);
    const TPlayer *outgoing = game.FindPlayerByWebId(outId);
    if (!incoming || !outgoing)
        return false;
    for (TQuintetPlayer &slot : positions) {
        if (!slot.IsEmpty() && slot.WebID == outgoing->WebID) {
            slot = TQuintetPlayer{incoming->JatekosNev, incoming->WebID};
            return true;
        }
    }
    return false;
}
