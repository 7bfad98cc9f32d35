#include "TFlagTrack.h"

#include "TGameReview.h"
#include "model/events/EventKindTable.h"
#include "model/game/TGame.h"
#include "model/statistics/TEventReplay.h"
#include "model/statistics/TSideHistory.h"

#include <algorithm>
#include <climits>

namespace {

// How far from an action its partner may have been entered: operators enter
// pairs one right after the other, in either order, sometimes with the pair
// of the other team (a foul and a foul drawn) in between.
constexpr int PairReach = 3;

using TEntry = TFlagTrack::TEntry;
using TAction = TFlagTrack::TAction;
using TCourt = TFlagTrack::TCourt;
using TRun = TFlagTrack::TRun;

quint32 bit(TFlagReason reason)
{
    return 1u << int(reason);
}

bool isShot(const TAction &a)
{
    return EventKindTable::IsShot(a.Kind);
}
bool fieldGoal(const TAction &a)
{
    return isShot(a) && a.ShotKind != ShotKind::FreeThrow;
}
bool freeThrow(const TAction &a)
{
    return isShot(a) && a.ShotKind == ShotKind::FreeThrow;
}
bool madeFieldGoal(const TAction &a)
{
    return a.Kind == Kind::ShotMade && fieldGoal(a);
}
bool missedFieldGoal(const TAction &a)
{
    return a.Kind == Kind::ShotMissed && fieldGoal(a);
}
bool miss(const TAction &a)
{
    return a.Kind == Kind::ShotMissed;
}
bool rebound(const TAction &a)
{
    return a.Kind == Kind::DefensiveRebound || a.Kind == Kind::OffensiveRebound;
}
bool foul(const TAction &a)
{
    return a.Kind == Kind::PersonalFoul || a.Kind == Kind::TechnicalFoul;
}

int sideOf(int eventSide)
{
    if (TEventReplay::IsHomeSide(eventSide))
        return 1;
    if (TEventReplay::IsAwaySide(eventSide))
        return 2;
    return 0;
}

bool isAction(int kindId, int side)
{
    const TEventKind *kind = EventKindTable::Find(kindId);
    return kind && (kind->Group == TKindGroup::Player || kind->Group == TKindGroup::Shot) &&
           sideOf(side) != 0;
}

bool same(const TEntry &a, const TGameEvent &e)
{
    return a.Id == e.Id && a.Kind == e.Kind && a.Detail == e.Detail && a.Side == e.Side &&
           a.Clock == e.Clock && a.PlayerId == e.PlayerId &&
           (a.Kind != Kind::Substitution || a.Message == e.Message);
}

TEntry entryOf(const TGameEvent &e)
{
    TEntry entry{e.Id, e.Kind, e.Detail, e.Side, e.Clock, e.PlayerId, {}, {}, {}, false};
    if (e.Kind == Kind::Substitution) {
        entry.Message = e.Message;
        entry.Names = TEventReplay::SubstitutionIds(e.Message, &entry.InWeb, &entry.OutWeb);
    }
    return entry;
}

bool isSubstitution(const TEntry &e)
{
    return e.Kind == Kind::Substitution && sideOf(e.Side) != 0;
}

// The two players of a substitution of a side; false (and the side not known
// any more) when the team does not have them.
bool players(const TEntry &e, const QHash<QString, int> (&ids)[2], TCourt &court, int &in, int &out)
{
    const int side = sideOf(e.Side);
    const QHash<QString, int> &known = ids[side - 1];
    const auto inAt = known.constFind(e.InWeb);
    const auto outAt = known.constFind(e.OutWeb);
    if (!e.Names || inAt == known.constEnd() || outAt == known.constEnd()) {
        // Who was on court is not known, so nobody is flagged for it.
        court.Known[side - 1] = false;
        return false;
    }
    in = *inAt;
    out = *outAt;
    return true;
}

void substitute(const TEntry &e, const QHash<QString, int> (&ids)[2], TCourt &court)
{
    int in = 0, out = 0;
    if (!players(e, ids, court, in, out))
        return;
    QSet<int> &on = court.On[sideOf(e.Side) - 1];
    on.remove(out);
    on.insert(in);
}

// The order of possessions, the free throws' foul and who is on court: what
// an action raises by itself and what it leaves for the next one.
void step(TRun &run, TAction &a)
{
    if (a.Period != run.Period) {
        run = TRun{};
        run.Period = a.Period;
    }
    // Free throws come after a foul of the other team in the same stretch of
    // play: the free throws, the fouls and fouls drawn, and the team's own
    // basket and assist of an and-one keep the stretch open.
    if (freeThrow(a) && !run.Fouled[a.Side - 1])
        a.Reasons |= bit(TFlagReason::FreeThrowWithoutFoul);
    for (int side = 1; side <= 2; ++side) {
        bool &fouled = run.Fouled[side - 1];
        if (foul(a) && a.Side != side)
            fouled = true;
        else if (!(freeThrow(a) || foul(a) || a.Kind == Kind::FoulDrawn ||
                   (a.Side == side && (madeFieldGoal(a) || a.Kind == Kind::Assist))))
            fouled = false;
    }

    bool broken = false;
    if (run.LostBy == a.Side &&
        (fieldGoal(a) || a.Kind == Kind::OffensiveRebound || a.Kind == Kind::Turnover))
        broken = true;
    if (a.Kind == Kind::DefensiveRebound && run.MissedBy == a.Side)
        broken = true;
    if (broken) {
        a.Reasons |= bit(TFlagReason::Possession);
        run.LostBy = 0;
    }
    if (run.LostBy != 0 && run.LostBy != a.Side)
        run.LostBy = 0;
    if (madeFieldGoal(a) || a.Kind == Kind::Turnover)
        run.LostBy = a.Side;
    if (miss(a))
        run.MissedBy = a.Side;
    else if (rebound(a) || a.Kind == Kind::ShotMade || a.Kind == Kind::Turnover || a.Kind == Kind::Steal)
        run.MissedBy = 0;
}

// An action of kind `wanted` pairs with the nearest free partner within
// `before` actions before it or `after` after it in the same period; a partner
// serves one action only. An action left without a partner is flagged.
struct TPairing
{
    TFlagReason Reason;
    int Before;
    int After;
    bool (*Wanted)(const TAction &);
    bool (*Partner)(const TAction &, const TAction &);
};

const TPairing Pairings[4] = {
    {TFlagReason::AssistWithoutBasket, PairReach, PairReach,
     [](const TAction &a) { return a.Kind == Kind::Assist; },
     [](const TAction &a, const TAction &b) {
         return madeFieldGoal(b) && b.Side == a.Side && (a.PlayerId < 0 || b.PlayerId != a.PlayerId);
     }},
    // A rebound follows its miss; the one right after it is a rebound entered first.
    {TFlagReason::ReboundWithoutMiss, PairReach, 1, [](const TAction &a) { return rebound(a); },
     [](const TAction &, const TAction &b) { return miss(b); }},
    // The shot a block stopped: a missed field goal or a blocked shot of the other team.
    {TFlagReason::BlockWithoutShot, PairReach, PairReach,
     [](const TAction &a) { return a.Kind == Kind::Block; },
     [](const TAction &a, const TAction &b) {
         return b.Side != a.Side && (missedFieldGoal(b) || b.Kind == Kind::BlockReceived);
     }},
    {TFlagReason::StealWithoutTurnover, PairReach, PairReach,
     [](const TAction &a) { return a.Kind == Kind::Steal; },
     [](const TAction &a, const TAction &b) { return b.Side != a.Side && b.Kind == Kind::Turnover; }},
};

// The furthest an action's flags look ahead: an action's flags are settled
// once the actions this far after it are known.
constexpr int LookAhead = PairReach;

void pairUp(const TPairing &rule, std::vector<TAction> &actions, std::vector<int> &usedBy, int from)
{
    const int n = int(actions.size());
    for (int i = from; i < n; ++i) {
        TAction &a = actions[size_t(i)];
        if (!rule.Wanted(a))
            continue;
        int found = -1;
        for (int d = 1; found < 0 && d <= std::max(rule.Before, rule.After); ++d) {
            for (const int j : {i - d, i + d}) {
                if ((j < i && d > rule.Before) || (j > i && d > rule.After) || j < 0 || j >= n)
                    continue;
                const TAction &b = actions[size_t(j)];
                if (b.Period == a.Period && usedBy[size_t(j)] < 0 && rule.Partner(a, b)) {
                    found = j;
                    break;
                }
            }
        }
        if (found >= 0)
            usedBy[size_t(found)] = i;
        else
            a.Reasons |= bit(rule.Reason);
    }
}

QList<TFlagReason> reasonsOf(quint32 bits)
{
    QList<TFlagReason> reasons;
    for (TFlagReason r : FlagReasons::All())
        if (bits & bit(r))
            reasons.append(r);
    return reasons;
}

QHash<int, int> lineNumbers(const TSideHistory *history)
{
    QHash<int, int> lines;
    if (history)
        for (const TSideHistory::Entry &e : history->Entries())
            lines.insert(e.Event.Id, e.Number);
    return lines;
}

} // namespace

void TFlagTrack::Raise(const TGame &game)
{
    int changed = 0;
    follow(game, &changed);
    m_composed = false;
}

void TFlagTrack::Update(const TGame &game, const TGameReview &review, const TSideHistory *home,
                        const TSideHistory *away)
{
    int changed = 0;
    const int from = follow(game, &changed);
    const int n = int(m_entries.size());

    // Line numbers: a changed line from the first changed history entry on.
    int changedId = INT_MAX;
    // Both sides are followed, whatever the first one answers.
    const bool homeOrdered = lines(1, home, &changedId);
    const bool awayOrdered = lines(2, away, &changedId);
    const bool ordered = homeOrdered && awayOrdered;
    const bool decided = review.Marks() == m_marks && review.Dismissals() == m_dismissals;
    if (m_disorder >= 0 || !ordered) {
        m_composed = false;
        m_marks = review.Marks();
        m_dismissals = review.Dismissals();
        m_open = Compose(Raised(), game, review, home, away);
        return;
    }
    int recompose = std::min(from, changed);
    if (changedId != INT_MAX) {
        const auto at = std::lower_bound(m_sided.begin(), m_sided.end(), changedId,
                                         [this](int pos, int id) { return m_entries[size_t(pos)].Id < id; });
        recompose = std::min(recompose, at == m_sided.end() ? n : *at);
    }
    if (!decided || !m_composed)
        recompose = 0;
    m_marks = review.Marks();
    m_dismissals = review.Dismissals();
    compose(game, review, std::min(recompose, n));
}

int TFlagTrack::follow(const TGame &game, int *changedAt)
{
    const QList<TEventList::Entry> &log = game.AllEvents.Entries();
    const int n = int(log.size());
    const int oldCount = int(m_entries.size());

    // The first log entry that differs from what the last update saw.
    int changed = 0;
    const int common = std::min(oldCount, n);
    while (changed < common && same(m_entries[size_t(changed)], *log[changed].Event))
        ++changed;
    m_entries.resize(size_t(changed));
    if (m_disorder >= changed)
        m_disorder = -1;
    while (!m_subs.empty() && m_subs.back() >= changed)
        m_subs.pop_back();
    while (!m_sided.empty() && m_sided.back() >= changed)
        m_sided.pop_back();
    for (int p = changed; p < n; ++p) {
        m_entries.push_back(entryOf(*log[p].Event));
        const TEntry &e = m_entries.back();
        if (isSubstitution(e))
            m_subs.push_back(p);
        if (sideOf(e.Side) == 0)
            continue;
        if (m_disorder < 0 && !m_sided.empty() && e.Id <= m_entries[size_t(m_sided.back())].Id)
            m_disorder = p;
        m_sided.push_back(p);
    }

    // Who was on court at the start: the lists as they stand now, walked back
    // through the substitutions. A change there changes every action after it.
    QHash<QString, int> ids[2];
    TCourt start;
    for (int side = 1; side <= 2; ++side) {
        const TTeam &team = side == 1 ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
        for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
            for (int i = 0; i < list->Count(); ++i)
                ids[side - 1].insert(list->At(i)->WebID, list->At(i)->JatekosID);
        for (int i = 0; i < team.OnCourt.Count(); ++i)
            start.On[side - 1].insert(team.OnCourt.At(i)->JatekosID);
    }
    for (auto at = m_subs.rbegin(); at != m_subs.rend(); ++at) {
        int in = 0, out = 0;
        const TEntry &e = m_entries[size_t(*at)];
        if (!players(e, ids, start, in, out))
            continue;
        start.On[sideOf(e.Side) - 1].remove(in);
        start.On[sideOf(e.Side) - 1].insert(out);
    }
    if (game.PeriodLength() != m_periodLength || !(start == m_start) || ids[0] != m_ids[0] ||
        ids[1] != m_ids[1]) {
        m_periodLength = game.PeriodLength();
        m_start = start;
        m_ids[0] = ids[0];
        m_ids[1] = ids[1];
        changed = 0;
    }
    *changedAt = changed;
    return changed < std::max(oldCount, n) ? raise(game, changed) : n;
}

int TFlagTrack::raise(const TGame &game, int changed)
{
    const QList<TEventList::Entry> &log = game.AllEvents.Entries();
    const TPeriodRule rule = game.Periods();
    // The actions before the change keep their flags unless their partners
    // could have been among the changed ones.
    const auto firstChanged = std::lower_bound(m_actions.begin(), m_actions.end(), changed,
                                               [](const TAction &a, int pos) { return a.Pos < pos; });
    const int changedAction = int(firstChanged - m_actions.begin());
    const int keep = std::max(0, changedAction - LookAhead);
    const int from = keep < int(m_actions.size()) ? std::min(m_actions[size_t(keep)].Pos, changed) : changed;
    m_actions.resize(size_t(keep));
    m_runAfter.resize(size_t(keep));
    for (std::vector<int> &usedBy : m_usedBy) {
        usedBy.resize(std::min(usedBy.size(), size_t(changedAction)));
        for (size_t j = size_t(std::max(0, keep - PairReach)); j < usedBy.size(); ++j)
            if (usedBy[j] >= keep)
                usedBy[j] = -1;
    }
    while (!m_courtAfter.empty() && m_courtAfter.back().first >= from)
        m_courtAfter.pop_back();

    TCourt court = m_courtAfter.empty() ? m_start : m_courtAfter.back().second;
    TRun run = keep > 0 ? m_runAfter.back() : TRun{};
    for (int p = from; p < int(m_entries.size()); ++p) {
        const TEntry &e = m_entries[size_t(p)];
        if (isSubstitution(e)) {
            substitute(e, m_ids, court);
            m_courtAfter.emplace_back(p, court);
        }
        if (!isAction(e.Kind, e.Side))
            continue;
        TAction a{p,      e.Id,     sideOf(e.Side), TEventReplay::PeriodOf(*log[p].Event, rule),
                  e.Kind, e.Detail, e.PlayerId,     0};
        if ((e.Side == Side::HomePlayer || e.Side == Side::AwayPlayer) && e.PlayerId >= 0 &&
            court.Known[a.Side - 1] && !court.On[a.Side - 1].contains(e.PlayerId))
            a.Reasons |= bit(TFlagReason::NotOnCourt);
        step(run, a);
        m_actions.push_back(a);
        m_runAfter.push_back(run);
    }
    for (int k = 0; k < 4; ++k) {
        m_usedBy[k].resize(m_actions.size(), -1);
        pairUp(Pairings[k], m_actions, m_usedBy[k], keep);
    }
    return from;
}

bool TFlagTrack::lines(int side, const TSideHistory *history, int *changedId)
{
    std::vector<std::pair<int, int>> &cached = m_lines[side - 1];
    static const QList<TSideHistory::Entry> none;
    const QList<TSideHistory::Entry> &entries = history ? history->Entries() : none;
    const size_t n = size_t(entries.size());
    size_t h = 0;
    while (h < std::min(n, cached.size()) && cached[h].first == entries[qsizetype(h)].Event.Id &&
           cached[h].second == entries[qsizetype(h)].Number)
        ++h;
    if (h < cached.size())
        *changedId = std::min(*changedId, cached[h].first);
    if (h < n)
        *changedId = std::min(*changedId, entries[qsizetype(h)].Event.Id);
    if (h == cached.size() && h == n)
        return m_linesOrdered[side - 1];
    cached.resize(h);
    for (size_t i = h; i < n; ++i)
        cached.emplace_back(entries[qsizetype(i)].Event.Id, entries[qsizetype(i)].Number);
    // Identifiers that grow along the history give each flag its line by a search.
    bool &ordered = m_linesOrdered[side - 1];
    const size_t check = ordered ? std::max<size_t>(h, 1) : 1;
    ordered = true;
    for (size_t i = check; i < cached.size() && ordered; ++i)
        ordered = cached[i].first > cached[i - 1].first;
    return ordered;
}

void TFlagTrack::compose(const TGame &game, const TGameReview &review, int from)
{
    const QList<TEventList::Entry> &log = game.AllEvents.Entries();
    const TPeriodRule rule = game.Periods();
    if (!m_composed) {
        m_open.clear();
        m_openPos.clear();
        m_composed = true;
    }
    while (!m_openPos.empty() && m_openPos.back() >= from) {
        m_openPos.pop_back();
        m_open.removeLast();
    }
    auto action = std::lower_bound(m_actions.begin(), m_actions.end(), from,
                                   [](const TAction &a, int pos) { return a.Pos < pos; });
    for (int p = from; p < int(m_entries.size()); ++p) {
        const TEntry &e = m_entries[size_t(p)];
        const bool isAct = action != m_actions.end() && action->Pos == p;
        const quint32 raised = isAct ? action->Reasons : 0;
        if (isAct)
            ++action;
        const int side = sideOf(e.Side);
        if (side == 0 || (raised == 0 && (m_marks.isEmpty() || !review.IsMarked(e.Id))))
            continue;
        QList<TFlagReason> reasons = reasonsOf(raised);
        if (review.IsMarked(e.Id))
            reasons.append(TFlagReason::User);
        if (!m_dismissals.isEmpty())
            reasons.removeIf([&](TFlagReason r) { return review.IsDismissed(e.Id, r); });
        if (reasons.isEmpty())
            continue;
        const std::vector<std::pair<int, int>> &lines = m_lines[side - 1];
        const auto line = std::lower_bound(lines.begin(), lines.end(), e.Id,
                                           [](const std::pair<int, int> &l, int id) { return l.first < id; });
        const int period = isAct ? (action - 1)->Period : TEventReplay::PeriodOf(*log[p].Event, rule);
        m_open.append(
            {side, line != lines.end() && line->first == e.Id ? line->second : 0, e.Id, period, reasons});
        m_openPos.push_back(p);
    }
}

QList<TFlag> TFlagTrack::Raised() const
{
    QList<TFlag> flags;
    for (const TAction &a : m_actions)
        if (a.Reasons != 0)
            flags.append({a.Side, 0, a.Id, a.Period, reasonsOf(a.Reasons)});
    return flags;
}

const TFlag *TFlagTrack::Find(int side, int eventId) const
{
    auto at = std::lower_bound(m_open.begin(), m_open.end(), eventId,
                               [](const TFlag &f, int id) { return f.EventId < id; });
    const TFlag *found = nullptr;
    for (; at != m_open.end() && at->EventId == eventId; ++at)
        if (at->Side == side)
            found = &*at;
    return found;
}

QList<TFlag> TFlagTrack::Compose(QList<TFlag> raised, const TGame &game, const TGameReview &review,
                                 const TSideHistory *home, const TSideHistory *away)
{
    QHash<int, int> at; // event id -> position in raised
    for (int i = 0; i < raised.size(); ++i)
        at.insert(raised[i].EventId, i);
    if (!review.Marks().isEmpty()) {
        const TPeriodRule rule = game.Periods();
        for (const TEventList::Entry &entry : game.AllEvents.Entries()) {
            const TGameEvent &e = *entry.Event;
            if (!review.IsMarked(e.Id) || sideOf(e.Side) == 0)
                continue;
            if (!at.contains(e.Id)) {
                // Marks go between the flags of the log's order.
                at.insert(e.Id, -1);
                raised.append({sideOf(e.Side), 0, e.Id, TEventReplay::PeriodOf(e, rule), {}});
            }
        }
    }
    const QHash<int, int> lines[2] = {lineNumbers(home), lineNumbers(away)};
    QList<TFlag> open;
    for (TFlag flag : raised) {
        if (review.IsMarked(flag.EventId))
            flag.Reasons.append(TFlagReason::User);
        flag.Reasons.removeIf([&](TFlagReason r) { return review.IsDismissed(flag.EventId, r); });
        if (flag.Reasons.isEmpty())
            continue;
        flag.Line = lines[flag.Side - 1].value(flag.EventId, 0);
        open.append(flag);
    }
    // In the order of the log: an event's identifier is its place in it.
    std::stable_sort(open.begin(), open.end(),
                     [](const TFlag &a, const TFlag &b) { return a.EventId < b.EventId; });
    return open;
}
