#include "TTeamStateReplay.h"

#include "TEventReplay.h"
#include "model/events/EventKinds.h"
#include "model/events/TGameEvent.h"
#include "model/game/TGame.h"

namespace {

int sideIndex(int side)
{
    if (TEventReplay::IsHomeSide(side))
        return 0;
    if (TEventReplay::IsAwaySide(side))
        return 1;
    return -1;
}

} // namespace

void RestoreTeamState(TGame &game, const QList<TGameEvent> &events)
{
    // The saved format keeps none of these; the event log is replayed with
    // the rules the live recording follows.
    int period = 0;
    int ended = 0;
    int fouls[2] = {0, 0};
    int typed[2] = {-1, -1};
    int defense[2] = {-1, -1};
    for (const TGameEvent &e : events) {
        if (TEventReplay::IsClockStep(e)) {
            // The step was recorded by one of the teams, which one the log
            // does not say; a pending type choice ends for both.
            typed[0] = typed[1] = -1;
            if (ended == period) {
                period += 1;
                // Overtimes go on with the fouls of the last period.
                if (period <= game.PeriodCount())
                    fouls[0] = fouls[1] = 0;
            }
            continue;
        }
        if (e.Kind == Kind::PeriodEnd) {
            ended += 1;
            typed[0] = typed[1] = -1;
            continue;
        }
        const int s = sideIndex(e.Side);
        if (s < 0)
            continue;
        typed[s] = -1;
        const bool player = e.Side == Side::HomePlayer || e.Side == Side::AwayPlayer;
        const bool untyped = e.Message.contains(QLatin1String("&tipus=0"));
        if (e.Kind == Kind::PersonalFoul && player) {
            fouls[s] += 1;
            if (untyped)
                typed[s] = e.Id;
        } else if (e.Kind == Kind::Turnover && untyped) {
            typed[s] = e.Id;
        } else if (e.Kind == Kind::DefenseMode) {
            defense[s] = e.Detail;
        }
    }
    TTeam *teams[2] = {&game.HomeTeam(), &game.AwayTeam()};
    for (int s = 0; s < 2; ++s) {
        teams[s]->TeamFouls = fouls[s];
        teams[s]->LastTypedEvent = typed[s];
        if (defense[s] >= 0 && defense[s] < teams[s]->DefenseModes.size())
            teams[s]->DefenseModeIndex = defense[s];
    }
}
