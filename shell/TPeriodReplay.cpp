#include "TPeriodReplay.h"

#include "model/EventKinds.h"
#include "model/TGame.h"

#include <QList>

namespace {

// The counters a replayed event adds to; points of made shots included,
// technical fouls as personal fouls only, nothing for any other kind.
template <typename T> void countEvent(T &c, int kind, int detail)
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
    case Kind::Block:
        c.Blocks += 1;
        break;
    case Kind::ShotMade:
        switch (detail) {
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
        default:
            return;
        }
        c.Points += ShotKind::Points(detail);
        break;
    case Kind::ShotMissed:
        switch (detail) {
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
    }
}

QString messageValue(const QString &message, const QString &name)
{
    const qsizetype at = message.indexOf(name);
    if (at < 0)
        return {};
    const qsizetype from = at + name.size();
    const qsizetype end = message.indexOf(QLatin1Char('&'), from);
    return message.mid(from, end < 0 ? -1 : end - from);
}

} // namespace

bool TPeriodReplay::InPeriod(int clock, int period, int periodTicks)
{
    return period >= 1 && period <= 5 && clock > periodTicks * (period - 1) && clock <= periodTicks * period;
}

TPlayer *TPeriodReplay::copyOf(int sideIndex, const TPlayer &player)
{
    QMap<QString, TPlayer> &players = m_sides[sideIndex].Players;
    const QString key = QString::number(player.JatekosMezSzam);
    auto it = players.find(key);
    if (it == players.end()) {
        TPlayer copy;
        copy.JatekosMezSzam = player.JatekosMezSzam;
        copy.JatekosNev = player.JatekosNev;
        copy.JatekosRovidNev = player.JatekosRovidNev;
        copy.JatekosID = player.JatekosID;
        copy.WebID = player.WebID;
        copy.Starter = player.Starter;
        it = players.insert(key, copy);
    }
    return &*it;
}

TPlayer *TPeriodReplay::playerCopy(int sideIndex, int jatekosId)
{
    TTeam &team = m_game.Team(sideIndex + 1);
    const TPlayer *player = team.FindPlayerById(jatekosId).Player();
    return player ? copyOf(sideIndex, *player) : nullptr;
}

const TPlayer *TPeriodReplay::Copy(int sideNumber, const TPlayer &player) const
{
    const QMap<QString, TPlayer> &players = Side(sideNumber).Players;
    const auto it = players.constFind(QString::number(player.JatekosMezSzam));
    return it == players.constEnd() ? nullptr : &*it;
}

TPeriodReplay::TPeriodReplay(TGame &game, int period) : m_game(game)
{
    // Who is on court, as report copies; copies are never removed from the
    // maps, so the pointers stay valid.
    QList<TPlayer *> current[2];
    for (int s = 0; s < 2; ++s) {
        TTeam &team = game.Team(s + 1);
        for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
            for (int i = 0; i < list->Count(); ++i) {
                TPlayer *copy = copyOf(s, *list->At(i));
                if (list->At(i)->Starter)
                    current[s].append(copy);
            }
    }

    const int ticks = game.PeriodTicks();
    const QList<TEventList::Entry> &events = game.AllEvents.Entries();
    for (int index = 0; index < events.size(); ++index) {
        const TGameEvent &e = *events[index].Event;
        const int s = (e.Side == Side::HomePlayer || e.Side == Side::HomeTeam) ? 0 : 1;
        if (e.Kind == Kind::Substitution) {
            const TPlayer in =
                game.GamePlayerRecordByWebId(messageValue(e.Message, QStringLiteral("jatekosbe=")));
            const TPlayer out =
                game.GamePlayerRecordByWebId(messageValue(e.Message, QStringLiteral("jatekoski=")));
            for (TPlayer *&slot : current[s])
                if (slot->WebID == out.WebID) {
                    if (TPlayer *copy = playerCopy(s, in.JatekosID))
                        slot = copy;
                }
        }
        if (!InPeriod(e.Clock, period, ticks))
            continue;
        if (e.Kind == Kind::ClockStep)
            for (QList<TPlayer *> &list : current)
                for (TPlayer *p : list)
                    p->PlayingTime += 1;
        if (e.PlayerId == -1) {
            countEvent(m_sides[s].TeamLine, e.Kind, e.Detail);
        } else if (TPlayer *copy = playerCopy(s, e.PlayerId)) {
            countEvent(*copy, e.Kind, e.Detail);
        } else {
            m_errors.append(index);
            continue;
        }
        countEvent(m_sides[s].Totals, e.Kind, e.Detail);
    }
}
