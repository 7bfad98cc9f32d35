#pragma once

#include "common/TPeriodRule.h"
#include "model/events/EventKinds.h"
#include "model/events/TGameEvent.h"
#include "model/game/TTeamData.h"

#include <QString>

// What every replay of the event lists shares: the stretch an event belongs
// to, the counting of one event into a record or a totals block, and the two
// players named by a substitution.
class TEventReplay
{
public:
    // The stretch of the game (regular period or overtime, TPeriodRule) an
    // event belongs to: a clock step stores the clock before the step, so
    // the step from c to c + 1 counts in the stretch that holds c + 1; any
    // other event in the stretch that holds its clock.
    static int PeriodOf(const TGameEvent &event, const TPeriodRule &rule)
    {
        return event.Kind == Kind::ClockStep ? rule.StretchOfStep(event.Clock)
                                             : rule.StretchOfClock(event.Clock);
    }
    static bool InPeriod(const TGameEvent &event, int period, const TPeriodRule &rule)
    {
        return period >= 1 && PeriodOf(event, rule) == period;
    }

    // A step the clock really took. A refused step (overtime declined, the
    // clock at its end) stays in the log with the caller's side and moved
    // nothing, so it gives no playing time.
    static bool IsClockStep(const TGameEvent &event)
    {
        return event.Kind == Kind::ClockStep && event.Side == Side::None;
    }
    static bool IsHomeSide(int side) { return side == Side::HomePlayer || side == Side::HomeTeam; }
    static bool IsAwaySide(int side) { return side == Side::AwayPlayer || side == Side::AwayTeam; }

    // Counts one event into the counters with the replay mapping. Missed
    // points, the valuation and playing time are never counted; a technical
    // foul counts as a personal foul only.
    template <class Counters> static void Count(Counters &c, int kind, int shotKind);

    // Clears the replayed totals (1 to 20, 22, 23, 24); indirect steals and
    // the fast-break and second-chance points keep their values.
    static void ClearTotals(TTeamTotals &totals);

    // The incoming ("jatekosbe=") and outgoing ("jatekoski=") web identifiers
    // of a substitution's message; false when either is missing.
    static bool SubstitutionIds(const QString &message, QString *incoming, QString *outgoing);

private:
    static QString queryValue(const QString &message, const QString &name, bool *found);
};

template <class Counters> void TEventReplay::Count(Counters &c, int kind, int shotKind)
{
    switch (kind) {
    case Kind::DefensiveRebound:
        c.DefRebounds += 1;
        break;
    case Kind::Steal:
        c.Steals += 1;
        break;
    case Kind::FoulDrawn:
        c.FoulsDrawn += 1;
        break;
    case Kind::Assist:
        c.Assists += 1;
        break;
    case Kind::BlockReceived:
        c.BlocksReceived += 1;
        break;
    case Kind::OffensiveRebound:
        c.OffRebounds += 1;
        break;
    case Kind::Turnover:
        c.Turnovers += 1;
        break;
    case Kind::PersonalFoul:
    case Kind::TechnicalFoul:
        c.PersonalFouls += 1;
        break;
    case Kind::ShotMade:
        switch (shotKind) {
        case ShotKind::Close:
            c.CloseMade += 1;
            break;
        case ShotKind::MidRange:
            c.MidMade += 1;
            break;
        case ShotKind::Three:
            c.ThreeMade += 1;
            break;
        case ShotKind::FreeThrow:
            c.FreeThrowsMade += 1;
            break;
        case ShotKind::Dunk:
            c.CloseMade += 1;
            c.DunksMade += 1;
            break;
        }
        c.Points += ShotKind::Points(shotKind);
        break;
    case Kind::ShotMissed:
        switch (shotKind) {
        case ShotKind::Close:
            c.CloseMissed += 1;
            break;
        case ShotKind::MidRange:
            c.MidMissed += 1;
            break;
        case ShotKind::Three:
            c.ThreeMissed += 1;
            break;
        case ShotKind::FreeThrow:
            c.FreeThrowsMissed += 1;
            break;
        case ShotKind::Dunk:
            c.CloseMissed += 1;
            c.DunksMissed += 1;
            break;
        }
        break;
    case Kind::Block:
        c.Blocks += 1;
        break;
    }
}
