#include "TFlagRule.h"

#include "TFlagTrack.h"
#include "TGameReview.h"
#include "model/events/EventKindTable.h"
#include "model/game/TGame.h"
#include "model/statistics/TEventReplay.h"

namespace {

int sideOf(int eventSide)
{
    if (TEventReplay::IsHomeSide(eventSide))
        return 1;
    if (TEventReplay::IsAwaySide(eventSide))
        return 2;
    return 0;
}

} // namespace

QList<TFlag> TFlagRule::Raised(const TGame &game)
{
    TFlagTrack track;
    track.Raise(game);
    return track.Raised();
}

QList<TFlag> TFlagRule::Open(const TGame &game, const TGameReview &review, const TSideHistory *home,
                             const TSideHistory *away)
{
    return TFlagTrack::Compose(Raised(game), game, review, home, away);
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
