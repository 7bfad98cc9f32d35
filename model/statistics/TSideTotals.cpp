#include "TSideTotals.h"

#include "TEventReplay.h"
#include "model/game/TGame.h"

#include <QSet>

void TSideTotals::PeriodTotals(const TGame &game, int side, int period, bool clear, TTeamTotals &target)
{
    if (clear)
        TEventReplay::ClearTotals(target);
    const TPeriodRule rule = game.Periods();
    for (const TEventList::Entry &e : game.AllEvents.Entries()) {
        const TGameEvent &ev = *e.Event;
        if ((ev.Side == side || ev.Side == side + 2) && TEventReplay::InPeriod(ev, period, rule))
            TEventReplay::Count(target, ev.Kind, ev.Detail);
    }
}

void TSideTotals::PeriodTotals(const TGame &game, int side, int period, bool clear, TTeam &target)
{
    PeriodTotals(game, side, period, clear, target.Data.Totals);
}

void TSideTotals::GroupTotals(const TGame &game, int side, int group, TTeamTotals &target)
{
    const TTeam &team = side == 1 ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
    const bool starters = group == Starters;
    QSet<int> ids;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if ((list->At(i)->Starter != 0) == starters)
                ids.insert(list->At(i)->JatekosID);

    TEventReplay::ClearTotals(target);
    for (const TEventList::Entry &e : game.AllEvents.Entries()) {
        const TGameEvent &ev = *e.Event;
        // Team events carry no player (-1) and so belong to neither group.
        if ((ev.Side == side || ev.Side == side + 2) && ev.PlayerId != -1 && ids.contains(ev.PlayerId))
            TEventReplay::Count(target, ev.Kind, ev.Detail);
    }
}

void TSideTotals::GroupTotals(const TGame &game, int side, int group, TTeam &target)
{
    GroupTotals(game, side, group, target.Data.Totals);
}
