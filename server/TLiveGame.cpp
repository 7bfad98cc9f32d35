#include "TLiveGame.h"

#include "TGameSummary.h"
#include "TLiveMessage.h"
#include "common/TPeriodRule.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

enum Code : int
{
    Header = 1,
    Roster = 2,
    Made = 1000,
    Missed = 1001,
    Substitution = 1011,
    ClockStep = 1100,
    PeriodEnd = 1101,
    GameClosed = 1102,
    PlayingTimes = 2000,
    Timeout = 2011,
    Deleted = 5000,
};

enum Tipus : int
{
    Close = 1,
    Mid = 2,
    Three = 3,
    FreeThrow = 4,
    Dunk = 5
};

// What a player event (10xx) or a team event (20xx) adds: the program's
// counters of the event kind behind each code.
void count(TLiveGame::Line &l, int code)
{
    switch (code % 1000) {
    case 2:
        l.defRebounds += 1;
        break;
    case 3:
        l.offRebounds += 1;
        break;
    case 4:
        l.steals += 1;
        break;
    case 5:
        l.turnovers += 1;
        break;
    case 6:
        l.foulsDrawn += 1;
        break;
    case 7:
        l.personalFouls += 1;
        break;
    case 8:
        l.assists += 1;
        break;
    case 9:
        l.blocks += 1;
        break;
    case 10:
        l.blocksReceived += 1;
        break;
    case 20:
        l.technicalFouls += 1;
        l.personalFouls += 1;
        break;
    default:
        break;
    }
}

void countShot(TLiveGame::Line &l, int tipus, bool made)
{
    if (made)
        l.points += TLiveGame::shotPoints(tipus);
    switch (tipus) {
    case Close:
        (made ? l.closeMade : l.closeMissed) += 1;
        break;
    case Dunk:
        (made ? l.closeMade : l.closeMissed) += 1;
        if (made)
            l.dunksMade += 1;
        break;
    case Mid:
        (made ? l.midMade : l.midMissed) += 1;
        break;
    case Three:
        (made ? l.threeMade : l.threeMissed) += 1;
        break;
    case FreeThrow:
        (made ? l.freeThrowsMade : l.freeThrowsMissed) += 1;
        break;
    default:
        break;
    }
}

bool isPlayerEvent(int code)
{
    return (code >= 1002 && code <= 1010) || code == 1020;
}

bool isTeamEvent(int code)
{
    return (code >= 2002 && code <= 2010) || code == 2020;
}

} // namespace

std::optional<TLiveGame::Edition> TLiveGame::editionOf(const QString &id)
{
    static const QHash<QString, Edition> ids{{QStringLiteral("HUN"), Edition::Hungarian},
                                             {QStringLiteral("ENG"), Edition::English},
                                             {QStringLiteral("HEB"), Edition::Hebrew},
                                             {QStringLiteral("ITA"), Edition::Italian},
                                             {QStringLiteral("FRA"), Edition::French}};
    const auto it = ids.constFind(id.toUpper());
    if (it == ids.cend())
        return std::nullopt;
    return *it;
}

int TLiveGame::shotPoints(int tipus)
{
    switch (tipus) {
    case FreeThrow:
        return 1;
    case Three:
        return 3;
    case Close:
    case Mid:
    case Dunk:
        return 2;
    default:
        return 0;
    }
}

int TLiveGame::Line::valuation(Edition edition) const
{
    const int missedShots = closeMissed + midMissed + threeMissed;
    if (edition == Edition::French)
        return 3 * threeMade + 2 * twoMade() + freeThrowsMade - missedShots - freeThrowsMissed + defRebounds +
               offRebounds + blocks + assists + steals - turnovers;
    const int index = points + defRebounds + offRebounds + assists + steals + blocks + foulsDrawn -
                      (missedShots + freeThrowsMissed + turnovers + blocksReceived + personalFouls);
    // The Hungarian edition shows the rating it stores, which gives fouls back.
    return edition == Edition::Hungarian ? index + personalFouls : index;
}

void TLiveGame::Line::add(const Line &o)
{
    points += o.points;
    closeMade += o.closeMade;
    closeMissed += o.closeMissed;
    midMade += o.midMade;
    midMissed += o.midMissed;
    threeMade += o.threeMade;
    threeMissed += o.threeMissed;
    freeThrowsMade += o.freeThrowsMade;
    freeThrowsMissed += o.freeThrowsMissed;
    dunksMade += o.dunksMade;
    defRebounds += o.defRebounds;
    offRebounds += o.offRebounds;
    steals += o.steals;
    turnovers += o.turnovers;
    personalFouls += o.personalFouls;
    technicalFouls += o.technicalFouls;
    foulsDrawn += o.foulsDrawn;
    assists += o.assists;
    blocks += o.blocks;
    blocksReceived += o.blocksReceived;
    playingTime += o.playingTime;
}

int TLiveGame::playerIndex(const QByteArray &webId) const
{
    for (qsizetype i = 0; i < m_players.size(); ++i)
        if (m_players[i].webId == webId)
            return int(i);
    return -1;
}

TLiveGame TLiveGame::build(const QByteArray &game, const QList<TStoredMessage> &messages)
{
    TLiveGame g;
    g.m_game = game;
    const TGameSummary summary = TGameSummary::build(game, messages);
    g.m_home.name = summary.homeName();
    g.m_away.name = summary.awayName();
    g.m_periodLength = summary.periodLength();
    const TPeriodRule rule(g.m_periodLength);

    // The clock when each event id first arrived: a corrected event keeps
    // its place in the game.
    QHash<qint64, int> clockOfId;
    int periodsEnded = 0;
    bool betweenPeriods = false;
    bool started = false;
    QList<Play> plays;
    static const QRegularExpression pair(QStringLiteral("^[pi]\\[(\\d+)\\]$"));

    for (const TStoredMessage &stored : messages) {
        g.m_version = qMax(g.m_version, stored.seq);
        if (stored.eventId && !clockOfId.contains(*stored.eventId))
            clockOfId.insert(*stored.eventId, g.m_clock);
        if (!stored.isLive())
            continue;
        const TLiveMessage m = TLiveMessage::parse(stored.query);
        if (!m.isValid())
            continue;
        const int code = m.code();
        switch (code) {
        case Roster: {
            const QByteArray webId = m.value("p");
            if (webId.isEmpty())
                break;
            int i = g.playerIndex(webId);
            if (i < 0) {
                g.m_players.append(Player{});
                i = int(g.m_players.size() - 1);
                g.m_players[i].webId = webId;
            }
            Player &p = g.m_players[i];
            const Side side = m.value("h") == "1" ? Home : Away;
            if (p.side != side) {
                if (p.side != NoSide)
                    g.teamOf(p.side).players.removeAll(i);
                g.teamOf(side).players.append(i);
            }
            p.side = side;
            p.name = m.name("j");
            p.jersey = int(m.number("mz").value_or(0));
            // Players added during the game come to the bench.
            p.onCourt = m.value("k") == "1";
            p.starter = p.onCourt && !started;
            break;
        }
        case ClockStep:
            started = true;
            if (betweenPeriods) {
                betweenPeriods = false;
                // The fouls of a regular period start again; overtimes go on counting.
                if (periodsEnded < rule.RegularPeriods()) {
                    g.m_home.teamFouls = 0;
                    g.m_away.teamFouls = 0;
                }
            }
            g.m_clock += 1;
            for (Player &p : g.m_players)
                if (p.onCourt)
                    p.line.playingTime += 1;
            break;
        case PeriodEnd:
            periodsEnded = int(m.number("jr").value_or(periodsEnded + 1));
            betweenPeriods = true;
            break;
        case GameClosed:
            g.m_status = Status::Closed;
            break;
        case PlayingTimes:
            // The program's own figures, corrections by the operator included.
            for (const TLiveMessage::Field &f : m.fields()) {
                const QRegularExpressionMatch match = pair.match(QString::fromLatin1(f.first));
                if (!match.hasMatch() || !f.first.startsWith('p'))
                    continue;
                const int i = g.playerIndex(TLiveMessage::decode(f.second));
                const std::optional<qint64> time = m.number("i[" + match.captured(1).toLatin1() + "]");
                if (i >= 0 && time)
                    g.m_players[i].line.playingTime = int(*time);
            }
            break;
        case Substitution: {
            const int in = g.playerIndex(m.value("jatekosbe"));
            const int out = g.playerIndex(m.value("jatekoski"));
            if (in >= 0)
                g.m_players[in].onCourt = true;
            if (out >= 0)
                g.m_players[out].onCourt = false;
            Play play;
            play.id = m.id().value_or(0);
            play.code = code;
            play.playerIn = in;
            play.playerOut = out;
            play.side = in >= 0 ? g.m_players[in].side : out >= 0 ? g.m_players[out].side : NoSide;
            plays.append(play);
            break;
        }
        default:
            break;
        }

        const bool shot = code == Made || code == Missed;
        if (shot || isPlayerEvent(code)) {
            const int i = g.playerIndex(m.value("jatekos"));
            if (i < 0 || g.m_players[i].side == NoSide) {
                g.m_unattributed += 1;
                continue;
            }
            Player &p = g.m_players[i];
            Play play;
            play.id = m.id().value_or(0);
            play.code = code;
            play.side = p.side;
            play.player = i;
            if (shot) {
                play.tipus = int(m.number("tipus").value_or(0));
                countShot(p.line, play.tipus, code == Made);
                if (code == Made)
                    play.points = shotPoints(play.tipus);
                if (play.tipus != FreeThrow && m.has("x") && m.has("y"))
                    g.m_shots.append(Shot{play.id, p.side, i, play.tipus, code == Made,
                                          int(m.number("x").value_or(0)), int(m.number("y").value_or(0))});
            } else {
                count(p.line, code);
                if (code == 1007)
                    g.teamOf(p.side).teamFouls += 1;
            }
            plays.append(play);
        } else if (isTeamEvent(code) || code == Timeout) {
            const std::optional<qint64> side = m.number("csapat");
            if (side != 1 && side != 2)
                continue;
            Play play;
            play.id = m.id().value_or(0);
            play.code = code;
            play.side = side == 1 ? Home : Away;
            if (code == Timeout)
                g.teamOf(play.side).timeouts += 1;
            else
                count(g.teamOf(play.side).teamLine, code);
            plays.append(play);
        }
    }

    for (Team *t : {&g.m_home, &g.m_away}) {
        t->totals = t->teamLine;
        for (int i : t->players)
            t->totals.add(g.m_players[i].line);
        // The totals' playing time is the team's, not the sum of its players'.
        t->totals.playingTime = g.m_clock;
    }

    if (g.m_status != Status::Closed)
        g.m_status = !started         ? Status::NotStarted
                     : betweenPeriods ? Status::BetweenPeriods
                                      : Status::Running;
    g.m_stretch = betweenPeriods ? qMax(1, periodsEnded) : rule.StretchOfClock(g.m_clock);

    // The play-by-play in the order the events were recorded, with the
    // score as it stood after each.
    std::stable_sort(plays.begin(), plays.end(), [](const Play &a, const Play &b) { return a.id < b.id; });
    int home = 0;
    int away = 0;
    g.m_graph.append(ScorePoint{0, 0, 0});
    for (Play &p : plays) {
        p.clock = clockOfId.value(p.id, g.m_clock);
        p.stretch = rule.StretchOfClock(p.clock);
        (p.side == Home ? home : away) += p.points;
        p.home = home;
        p.away = away;
        if (p.points > 0)
            g.m_graph.append(ScorePoint{p.clock, home, away});
    }
    g.m_plays = plays;
    std::stable_sort(g.m_shots.begin(), g.m_shots.end(),
                     [](const Shot &a, const Shot &b) { return a.id < b.id; });
    return g;
}
