#include "TFlagRule.h"

#include "TGameReview.h"
#include "model/events/EventKindTable.h"
#include "model/game/TGame.h"
#include "model/statistics/TEventReplay.h"
#include "model/statistics/TSideHistory.h"

#include <QSet>

namespace {

// How far from an action its partner may have been entered: operators enter
// pairs one right after the other, in either order, sometimes with the pair
// of the other team (a foul and a foul drawn) in between.
constexpr int PairReach = 3;

// One action of the log: a player's or team's event that the box score counts.
struct TAction
{
    const TGameEvent *Event = nullptr;
    int Side = 0; // 1 home, 2 away
    int Period = 0;
    int Kind = 0;
    int ShotKind = 0;
    int PlayerId = -1;

    bool FieldGoal() const { return EventKindTable::IsShot(Kind) && ShotKind != ShotKind::FreeThrow; }
    bool FreeThrow() const { return EventKindTable::IsShot(Kind) && ShotKind == ShotKind::FreeThrow; }
    bool MadeFieldGoal() const { return Kind == Kind::ShotMade && FieldGoal(); }
    bool MissedFieldGoal() const { return Kind == Kind::ShotMissed && FieldGoal(); }
    bool Miss() const { return Kind == Kind::ShotMissed; }
    bool Rebound() const { return Kind == Kind::DefensiveRebound || Kind == Kind::OffensiveRebound; }
    bool Foul() const { return Kind == Kind::PersonalFoul || Kind == Kind::TechnicalFoul; }
};

int sideOf(int eventSide)
{
    if (TEventReplay::IsHomeSide(eventSide))
        return 1;
    if (TEventReplay::IsAwaySide(eventSide))
        return 2;
    return 0;
}

bool isAction(const TGameEvent &e)
{
    const TEventKind *kind = EventKindTable::Find(e.Kind);
    return kind && (kind->Group == TKindGroup::Player || kind->Group == TKindGroup::Shot) &&
           sideOf(e.Side) != 0;
}

// Flags by position in the action list.
using TReasons = QList<QSet<TFlagReason>>;

// Each action of kind `wanted` pairs with the nearest free partner within
// `before` actions before it or `after` after it in the same period; a partner
// serves one action only. An action left without a partner is flagged.
template <class Wanted, class Partner>
void pairUp(const QList<TAction> &actions, TReasons &reasons, TFlagReason reason, int before, int after,
            Wanted wanted, Partner partner)
{
    QSet<int> used;
    for (int i = 0; i < actions.size(); ++i) {
        const TAction &a = actions[i];
        if (!wanted(a))
            continue;
        int found = -1;
        for (int d = 1; found < 0 && d <= std::max(before, after); ++d) {
            for (const int j : {i - d, i + d}) {
                if ((j < i && d > before) || (j > i && d > after) || j < 0 || j >= actions.size())
                    continue;
                if (actions[j].Period == a.Period && !used.contains(j) && partner(a, actions[j])) {
                    found = j;
                    break;
                }
            }
        }
        if (found >= 0)
            used.insert(found);
        else
            reasons[i].insert(reason);
    }
}

void possession(const QList<TAction> &actions, TReasons &reasons)
{
    int period = -1;
    int lostBy = 0;   // the side that scored or turned the ball over last
    int missedBy = 0; // the side whose shot missed last, until the ball is taken
    for (int i = 0; i < actions.size(); ++i) {
        const TAction &a = actions[i];
        if (a.Period != period) {
            period = a.Period;
            lostBy = 0;
            missedBy = 0;
        }
        bool broken = false;
        if (lostBy == a.Side &&
            (a.FieldGoal() || a.Kind == Kind::OffensiveRebound || a.Kind == Kind::Turnover))
            broken = true;
        if (a.Kind == Kind::DefensiveRebound && missedBy == a.Side)
            broken = true;
        if (broken) {
            reasons[i].insert(TFlagReason::Possession);
            lostBy = 0;
        }
        if (lostBy != 0 && lostBy != a.Side)
            lostBy = 0;
        if (a.MadeFieldGoal() || a.Kind == Kind::Turnover)
            lostBy = a.Side;
        if (a.Miss())
            missedBy = a.Side;
        else if (a.Rebound() || a.Kind == Kind::ShotMade || a.Kind == Kind::Turnover || a.Kind == Kind::Steal)
            missedBy = 0;
    }
}

// The free throws of a side come after a foul of the other team in the same
// stretch of play: looking back over the free throws, the fouls and fouls
// drawn, and the team's own basket and assist of an and-one.
void freeThrows(const QList<TAction> &actions, TReasons &reasons)
{
    for (int i = 0; i < actions.size(); ++i) {
        const TAction &a = actions[i];
        if (!a.FreeThrow())
            continue;
        bool fouled = false;
        for (int j = i - 1; j >= 0 && actions[j].Period == a.Period; --j) {
            const TAction &b = actions[j];
            if (b.Foul() && b.Side != a.Side) {
                fouled = true;
                break;
            }
            const bool sameStretch = b.FreeThrow() || b.Foul() || b.Kind == Kind::FoulDrawn ||
                                     (b.Side == a.Side && (b.MadeFieldGoal() || b.Kind == Kind::Assist));
            if (!sameStretch)
                break;
        }
        if (!fouled)
            reasons[i].insert(TFlagReason::FreeThrowWithoutFoul);
    }
}

// Who is on court: the lists as they stand now, walked back through the
// substitutions to the start, then forward with the log.
class TCourtReplay
{
public:
    explicit TCourtReplay(const TGame &game)
    {
        for (int side = 1; side <= 2; ++side) {
            const TTeam &team = side == 1 ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
            for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
                for (int i = 0; i < list->Count(); ++i)
                    m_ids[side - 1].insert(list->At(i)->WebID, list->At(i)->JatekosID);
            for (int i = 0; i < team.OnCourt.Count(); ++i)
                m_court[side - 1].insert(team.OnCourt.At(i)->JatekosID);
        }
        const QList<TEventList::Entry> &log = game.AllEvents.Entries();
        for (qsizetype i = log.size() - 1; i >= 0; --i) {
            int side = 0, in = 0, out = 0;
            if (!substitution(*log[i].Event, side, in, out))
                continue;
            m_court[side - 1].remove(in);
            m_court[side - 1].insert(out);
        }
    }

    void Follow(const TGameEvent &event)
    {
        int side = 0, in = 0, out = 0;
        if (!substitution(event, side, in, out))
            return;
        m_court[side - 1].remove(out);
        m_court[side - 1].insert(in);
    }

    // Whether a player of the side is known to be off the court.
    bool OnBench(int side, int playerId) const
    {
        return m_known[side - 1] && !m_court[side - 1].contains(playerId);
    }

private:
    bool substitution(const TGameEvent &event, int &side, int &in, int &out)
    {
        if (event.Kind != Kind::Substitution || (side = sideOf(event.Side)) == 0)
            return false;
        QString inWeb, outWeb;
        const QHash<QString, int> &ids = m_ids[side - 1];
        if (!TEventReplay::SubstitutionIds(event.Message, &inWeb, &outWeb) || !ids.contains(inWeb) ||
            !ids.contains(outWeb)) {
            // A substitution of players the team does not have: who was on
            // court is not known, so nobody is flagged for it.
            m_known[side - 1] = false;
            return false;
        }
        in = ids.value(inWeb);
        out = ids.value(outWeb);
        return true;
    }

    QHash<QString, int> m_ids[2];
    QSet<int> m_court[2];
    bool m_known[2] = {true, true};
};

QHash<int, int> lineNumbers(const TSideHistory *history)
{
    QHash<int, int> lines;
    if (history)
        for (const TSideHistory::Entry &e : history->Entries())
            lines.insert(e.Event.Id, e.Number);
    return lines;
}

} // namespace

QList<TFlag> TFlagRule::Raised(const TGame &game)
{
    const TPeriodRule rule = game.Periods();
    QList<TAction> actions;
    TReasons reasons;
    TCourtReplay court(game);
    for (const TEventList::Entry &entry : game.AllEvents.Entries()) {
        const TGameEvent &e = *entry.Event;
        court.Follow(e);
        if (!isAction(e))
            continue;
        TAction a{&e, sideOf(e.Side), TEventReplay::PeriodOf(e, rule), e.Kind, e.Detail, e.PlayerId};
        actions.append(a);
        reasons.append(QSet<TFlagReason>());
        if ((e.Side == Side::HomePlayer || e.Side == Side::AwayPlayer) && e.PlayerId >= 0 &&
            court.OnBench(a.Side, e.PlayerId))
            reasons.last().insert(TFlagReason::NotOnCourt);
    }

    possession(actions, reasons);
    freeThrows(actions, reasons);
    pairUp(
        actions, reasons, TFlagReason::AssistWithoutBasket, PairReach, PairReach,
        [](const TAction &a) { return a.Kind == Kind::Assist; },
        [](const TAction &a, const TAction &b) {
            return b.MadeFieldGoal() && b.Side == a.Side && (a.PlayerId < 0 || b.PlayerId != a.PlayerId);
        });
    // A rebound follows its miss; the one right after it is a rebound entered first.
    pairUp(
        actions, reasons, TFlagReason::ReboundWithoutMiss, PairReach, 1,
        [](const TAction &a) { return a.Rebound(); },
        [](const TAction &, const TAction &b) { return b.Miss(); });
    // The shot a block stopped: a missed field goal or a blocked shot of the other team.
    pairUp(
        actions, reasons, TFlagReason::BlockWithoutShot, PairReach, PairReach,
        [](const TAction &a) { return a.Kind == Kind::Block; },
        [](const TAction &a, const TAction &b) {
            return b.Side != a.Side && (b.MissedFieldGoal() || b.Kind == Kind::BlockReceived);
        });
    pairUp(
        actions, reasons, TFlagReason::StealWithoutTurnover, PairReach, PairReach,
        [](const TAction &a) { return a.Kind == Kind::Steal; },
        [](const TAction &a, const TAction &b) { return b.Side != a.Side && b.Kind == Kind::Turnover; });

    QList<TFlag> flags;
    for (int i = 0; i < actions.size(); ++i) {
        if (reasons[i].isEmpty())
            continue;
        TFlag flag{actions[i].Side, 0, actions[i].Event->Id, actions[i].Period, {}};
        for (TFlagReason r : FlagReasons::All())
            if (reasons[i].contains(r))
                flag.Reasons.append(r);
        flags.append(flag);
    }
    return flags;
}

QList<TFlag> TFlagRule::Open(const TGame &game, const TGameReview &review, const TSideHistory *home,
                             const TSideHistory *away)
{
    QList<TFlag> raised = Raised(game);
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

bool TFlagRule::Mark(TGame &game, int eventId, QString *error)
{
    const TGameEvent *event = game.AllEvents.Find(eventId);
    if (!event || sideOf(event->Side) == 0) {
        if (error)
            *error = QStringLiteral("This line cannot be marked");
        return false;
    }
    if (!game.Review.Mark(eventId)) {
        if (error)
            *error = QStringLiteral("This line is marked already");
        return false;
    }
    game.SaveGame();
    return true;
}

bool TFlagRule::Dismiss(TGame &game, int eventId, TFlagReason reason, QString *error)
{
    bool open = false;
    if (reason == TFlagReason::User) {
        open = game.Review.Unmark(eventId);
    } else if (!game.Review.IsDismissed(eventId, reason)) {
        for (const TFlag &flag : Raised(game))
            if (flag.EventId == eventId && flag.Reasons.contains(reason))
                open = true;
        if (open)
            game.Review.Dismiss(eventId, reason);
    }
    if (!open) {
        if (error)
            *error = QStringLiteral("The line has no such open flag");
        return false;
    }
    game.SaveGame();
    return true;
}

TScoreConfirmation TFlagRule::ScoreAfter(const TGame &game, int period)
{
    TScoreConfirmation score{period, 0, 0};
    for (const TGame::Score &s : game.PeriodScores(period)) {
        score.Home += s.Home;
        score.Away += s.Away;
    }
    return score;
}

bool TFlagRule::ConfirmPeriod(TGame &game, int period, QString *error)
{
    if (period < 1 || period > game.PeriodsEnded) {
        if (error)
            *error = QStringLiteral("The period has not ended yet");
        return false;
    }
    const TScoreConfirmation score = ScoreAfter(game, period);
    game.Review.Confirm(period, score.Home, score.Away);
    game.SaveGame();
    return true;
}

QString TFlagRule::OpenFlagsText(const TGame &game)
{
    const QList<TFlag> flags = Open(game, game.Review, nullptr, nullptr);
    if (flags.isEmpty())
        return {};
    QStringList lines{game.Translate(QStringLiteral("Open flags:"))};
    for (const TFlag &flag : flags) {
        const TGameEvent *event = game.AllEvents.Find(flag.EventId);
        QStringList reasons;
        for (TFlagReason r : flag.Reasons)
            reasons.append(game.Translate(FlagReasons::Text(r)));
        const TTeam &team = flag.Side == 1 ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
        if (!event)
            continue;
        // The team, the game clock, the player (or the team) and the event:
        // each a name or a translated word.
        const QString clock = QStringLiteral("%1:%2")
                                  .arg(event->Clock / 4, 2, 10, QLatin1Char('0'))
                                  .arg(event->Clock % 4 * 15, 2, 10, QLatin1Char('0'));
        const QString actor =
            event->PlayerId >= 0 ? event->PlayerName : game.Translate(QStringLiteral("Csapat"));
        const QString what = EventKindTable::HistoryWord(event->Kind, event->Detail);
        lines.append(QStringLiteral("%1, %2, %3: %4 (%5)")
                         .arg(team.Data.EgyesuletNev, clock, actor,
                              what.isEmpty() ? what : game.Translate(what),
                              reasons.join(QStringLiteral(", "))));
    }
    return lines.join(QLatin1Char('\n'));
}
