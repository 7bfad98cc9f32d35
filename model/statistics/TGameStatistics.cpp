#include "TGameStatistics.h"

#include "TEventReplay.h"
#include "model/game/TGame.h"

#include <algorithm>

void TGameStatistics::Compute()
{
    Compute(m_game.RecordedEvents);
}

void TGameStatistics::Compute(const TEventList &recorded)
{
    MaxLead = MinLead = Ties = LeadChanges = MaxHomeRun = MaxAwayRun = 0;
    int home = 0;
    int away = 0;
    int homeRun = 0;
    int awayRun = 0;
    enum class Leader
    {
        None,
        Home,
        Away
    } previous = Leader::None;
    for (const TEventList::Entry &e : recorded.Entries()) {
        const TGameEvent &ev = *e.Event;
        if (ev.Kind != Kind::ShotMade)
            continue;
        const int points = ShotKind::Points(ev.Detail);
        // A made shot entered for the team still belongs to its own side.
        if (TEventReplay::IsHomeSide(ev.Side)) {
            home += points;
            homeRun += points;
            awayRun = 0;
        } else {
            away += points;
            awayRun += points;
            homeRun = 0;
        }
        const int d = home - away;
        MaxLead = std::max(MaxLead, d);
        MinLead = std::min(MinLead, d);
        if (d == 0)
            Ties += 1;
        MaxHomeRun = std::max(MaxHomeRun, homeRun);
        MaxAwayRun = std::max(MaxAwayRun, awayRun);
        // A tie counts as the away team leading.
        const Leader leader = home > away ? Leader::Home : Leader::Away;
        if (leader != previous)
            LeadChanges += 1;
        previous = leader;
    }
}
