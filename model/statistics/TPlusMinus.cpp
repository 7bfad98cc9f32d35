#include "TPlusMinus.h"

#include "TEventReplay.h"
#include "TTrackedSlots.h"
#include "model/game/TGame.h"

#include <QHash>
#include <array>

namespace {

// The players behind a team's positions, looked up again only when a position changes.
struct TSlotPlayers
{
    std::array<TPlayer *, TTeam::TrackedPositions> Players{};

    void Resolve(TTeam &team)
    {
        for (int i = 0; i < TTeam::TrackedPositions; ++i)
            Players[size_t(i)] = TTrackedSlots::PlayerAt(team, i);
    }
    void Add(QHash<TPlayer *, int> &deltas, int points) const
    {
        for (TPlayer *p : Players)
            if (p)
                deltas[p] += points;
    }
};

} // namespace

void TPlusMinus::UpdatePlusMinus(TGame &game)
{
    TTeam *teams[] = {&game.HomeTeam(), &game.AwayTeam()};
    for (TTeam *team : teams) {
        for (TPlayerList *list : {&team->OnCourt, &team->Bench})
            for (int i = 0; i < list->Count(); ++i)
                PlayerStats::ResetPlusMinus(*list->At(i));
        TTrackedSlots::FillFromStarters(*team);
    }
    TSlotPlayers on[2];
    on[0].Resolve(*teams[0]);
    on[1].Resolve(*teams[1]);

    // Summed first and written once per player: rewriting the extra values
    // text for every basket would cost more than the whole replay.
    QHash<TPlayer *, int> deltas;
    const TEventList &events = game.AllEvents;
    const int count = events.Count();
    for (int i = 0; i < count;) {
        const TGameEvent &ev = *events.At(i);
        if (const int t = TTrackedSlots::FollowSubstitutionRun(game, events, i); t >= 0) {
            on[t].Resolve(*teams[t]);
            continue;
        }
        if (ev.Kind == Kind::ShotMade) {
            const int points = ShotKind::Points(ev.Detail);
            if (TEventReplay::IsHomeSide(ev.Side)) {
                on[0].Add(deltas, points);
                on[1].Add(deltas, -points);
            } else if (TEventReplay::IsAwaySide(ev.Side)) {
                on[1].Add(deltas, points);
                on[0].Add(deltas, -points);
            }
        }
        ++i;
    }
    for (auto it = deltas.cbegin(); it != deltas.cend(); ++it)
        if (it.value() != 0)
            PlayerStats::AddPlusMinus(*it.key(), it.value());
}
