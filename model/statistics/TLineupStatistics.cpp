#include "TLineupStatistics.h"

#include "TEventReplay.h"
#include "TTrackedSlots.h"
#include "model/game/TGame.h"

#include <algorithm>

QList<TQuintetPlayer> TLineupStatistics::Members(const QList<TQuintetPlayer> &positions)
{
    QList<TQuintetPlayer> members = positions;
    std::stable_sort(members.begin(), members.end(),
                     [](const TQuintetPlayer &a, const TQuintetPlayer &b) { return a.WebID < b.WebID; });
    return members;
}

ToCsereSorok *TLineupStatistics::FindOrAddLineup(TLineupList &list, const QList<TQuintetPlayer> &members)
{
    const QString key = ToCsereSorok::KeyOf(members);
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->Key() == key)
            return list.At(i);
    auto record = std::make_unique<ToCsereSorok>();
    for (int i = 0; i < ToCsereSorok::MemberCount && i < members.size(); ++i)
        record->Members[size_t(i)] = members[i];
    return list.Append(std::move(record));
}

void TLineupStatistics::SorokEredmenyeProcessEsemeny(int kind, int shotKind, ToCsereSorok *record)
{
    if (!record) {
        m_game.Prompter().ShowError(QStringLiteral("Error on: SorokEredmenyeProcessEsemeny"));
        return;
    }
    if (kind == Kind::ClockStep)
        record->PlayingTime += 1;
    else if (kind != Kind::TechnicalFoul)
        TEventReplay::Count(*record, kind, shotKind);
}

void TLineupStatistics::LineupStatistics(TLineupList &home, TLineupList &away)
{
    TTeam *teams[] = {&m_game.HomeTeam(), &m_game.AwayTeam()};
    TLineupList *lists[] = {&home, &away};
    ToCsereSorok *current[2] = {};
    for (int t = 0; t < 2; ++t) {
        TTrackedSlots::FillFromStarters(*teams[t]);
        current[t] = FindOrAddLineup(*lists[t], Members(TTrackedSlots::Positions(*teams[t])));
    }

    const TEventList &events = m_game.AllEvents;
    const int count = events.Count();
    for (int i = 0; i < count;) {
        const TGameEvent &ev = *events.At(i);
        // A run of changes made at one stoppage forms one new line-up; the
        // line-ups in between never played.
        if (const int t = TTrackedSlots::FollowSubstitutionRun(m_game, events, i); t >= 0) {
            current[t] = FindOrAddLineup(*lists[t], Members(TTrackedSlots::Positions(*teams[t])));
            continue;
        }
        if (ev.Kind == Kind::ClockStep) {
            if (TEventReplay::IsClockStep(ev)) {
                SorokEredmenyeProcessEsemeny(ev.Kind, ev.Detail, current[0]);
                SorokEredmenyeProcessEsemeny(ev.Kind, ev.Detail, current[1]);
            }
        } else if (TEventReplay::IsHomeSide(ev.Side)) {
            SorokEredmenyeProcessEsemeny(ev.Kind, ev.Detail, current[0]);
        } else if (TEventReplay::IsAwaySide(ev.Side)) {
            SorokEredmenyeProcessEsemeny(ev.Kind, ev.Detail, current[1]);
        }
        ++i;
    }
}
