#include "TGameSummary.h"

#include "TDisplayText.h"
#include "TLiveMessage.h"
#include "common/TPeriodRule.h"
#include "common/Win1250.h"

namespace {

// Player event codes and what they stand for.
QString playerEventText(int code)
{
    switch (code) {
    case 1002:
        return QStringLiteral("defensive rebound");
    case 1003:
        return QStringLiteral("offensive rebound");
    case 1004:
        return QStringLiteral("steal");
    case 1005:
        return QStringLiteral("turnover");
    case 1006:
        return QStringLiteral("foul drawn");
    case 1007:
        return QStringLiteral("personal foul");
    case 1008:
        return QStringLiteral("assist");
    case 1009:
        return QStringLiteral("block");
    case 1010:
        return QStringLiteral("shot blocked");
    case 1020:
        return QStringLiteral("technical foul");
    default:
        return {};
    }
}

QString teamEventText(int code)
{
    switch (code) {
    case 2002:
        return QStringLiteral("team defensive rebound");
    case 2003:
        return QStringLiteral("team offensive rebound");
    case 2004:
        return QStringLiteral("team steal");
    case 2005:
        return QStringLiteral("team turnover");
    case 2006:
        return QStringLiteral("team foul drawn");
    case 2007:
        return QStringLiteral("team personal foul");
    case 2008:
        return QStringLiteral("team assist");
    case 2009:
        return QStringLiteral("team block");
    case 2010:
        return QStringLiteral("team ball lost or recovered");
    case 2011:
        return QStringLiteral("timeout");
    case 2020:
        return QStringLiteral("team technical foul");
    case 9999:
        return QStringLiteral("defence mode");
    default:
        return {};
    }
}

// Codes that carry nothing a spectator follows.
bool isHidden(int code)
{
    return code == 1 || code == 2 || code == 1100 || code == 2000 || code == 5000 || code == 7000 ||
           code == 8000 || code == 8001;
}

TGameSummary::Side sideNumber(const std::optional<qint64> &n)
{
    if (n == 1)
        return TGameSummary::Home;
    if (n == 2)
        return TGameSummary::Away;
    return TGameSummary::NoSide;
}

} // namespace

int TGameSummary::shotPoints(int tipus)
{
    switch (tipus) {
    case 1:
    case 2:
    case 5:
        return 2;
    case 3:
        return 3;
    case 4:
        return 1;
    default:
        return 0;
    }
}

QString TGameSummary::shotName(int tipus)
{
    switch (tipus) {
    case 1:
        return QStringLiteral("close shot");
    case 2:
        return QStringLiteral("mid-range shot");
    case 3:
        return QStringLiteral("three-pointer");
    case 4:
        return QStringLiteral("free throw");
    case 5:
        return QStringLiteral("dunk");
    default:
        return QStringLiteral("shot");
    }
}

const TGameSummary::Player *TGameSummary::player(const QByteArray &webId) const
{
    for (const Player &p : m_roster)
        if (p.webId == webId)
            return &p;
    return nullptr;
}

QString TGameSummary::playerText(const QByteArray &webId) const
{
    const Player *p = player(webId);
    if (!p)
        return QStringLiteral("player %1").arg(Win1250::Decode(webId));
    if (p->jersey.isEmpty())
        return p->name;
    return QStringLiteral("#%1 %2").arg(p->jersey, p->name);
}

TGameSummary TGameSummary::build(const QByteArray &game, const QList<TStoredMessage> &messages)
{
    TGameSummary s;
    s.m_game = game;
    s.m_messageCount = messages.size();

    struct LiveEntry
    {
        const TStoredMessage *stored;
        TLiveMessage message;
    };
    QList<LiveEntry> live;
    for (const TStoredMessage &stored : messages) {
        if (!s.m_lastReceived.isValid() || stored.received > s.m_lastReceived)
            s.m_lastReceived = stored.received;
        if (!stored.isLive())
            continue;
        TLiveMessage m = TLiveMessage::parse(stored.query);
        if (m.isValid())
            live.append({&stored, m});
    }

    // The header and roster first, so every event can name its team and player.
    for (const LiveEntry &entry : live) {
        const TLiveMessage &m = entry.message;
        if (m.code() == 1) {
            s.m_homeName = m.name("h");
            s.m_awayName = m.name("v");
        } else if (m.code() == 2) {
            Player p;
            p.webId = m.value("p");
            p.name = m.name("j");
            p.jersey = Win1250::Decode(m.value("mz"));
            p.side = m.value("h") == "1" ? Home : Away;
            bool known = false;
            for (Player &earlier : s.m_roster) {
                if (earlier.webId == p.webId) {
                    earlier = p;
                    known = true;
                }
            }
            if (!known)
                s.m_roster.append(p);
        }
    }

    bool shootersKnown = true;
    for (const LiveEntry &entry : live) {
        const TStoredMessage &stored = *entry.stored;
        const TLiveMessage &m = entry.message;
        const int code = m.code();

        const auto home = m.number("hpont");
        const auto away = m.number("vpont");
        if (home && away) {
            s.m_reportedHome = int(*home);
            s.m_reportedAway = int(*away);
        }

        if (code == 1100) {
            if (const auto ido = m.number("ido"))
                s.m_minutesPlayed = int(*ido);
            s.m_betweenPeriods = false;
        } else if (code == 1101) {
            if (const auto jr = m.number("jr")) {
                s.m_periodsEnded = qMax(s.m_periodsEnded, int(*jr));
                // The first period ends on its length: games of earlier
                // versions had quarters of 10 or 12 minutes.
                if (*jr == 1 && (s.m_minutesPlayed == 10 || s.m_minutesPlayed == 12))
                    s.m_periodLength = s.m_minutesPlayed;
            }
            s.m_betweenPeriods = true;
        } else if (code == 1102) {
            s.m_closed = true;
        }

        Side side = NoSide;
        QString text;
        if (code == 1000 || code == 1001) {
            const int tipus = int(m.number("tipus").value_or(0));
            const QByteArray shooter = m.value("jatekos");
            const Player *p = s.player(shooter);
            side = p ? p->side : NoSide;
            text =
                QStringLiteral("%1: %2 %3")
                    .arg(s.playerText(shooter),
                         code == 1000 ? QStringLiteral("made") : QStringLiteral("missed"), shotName(tipus));
            if (code == 1000) {
                const int points = shotPoints(tipus);
                if (!p || points == 0)
                    shootersKnown = false;
                else if (p->side == Home)
                    s.m_homeScore += points;
                else
                    s.m_awayScore += points;
            }
        } else if (!playerEventText(code).isEmpty()) {
            const QByteArray who = m.value("jatekos");
            const Player *p = s.player(who);
            side = p ? p->side : NoSide;
            text = QStringLiteral("%1: %2").arg(s.playerText(who), playerEventText(code));
        } else if (!teamEventText(code).isEmpty()) {
            side = sideNumber(m.number("csapat"));
            text = teamEventText(code);
            if (code == 9999)
                text += QStringLiteral(" %1").arg(Win1250::Decode(m.value("tipus")));
        } else if (code == 1011) {
            const Player *in = s.player(m.value("jatekosbe"));
            side = in ? in->side : NoSide;
            text = QStringLiteral("substitution: %1 in, %2 out")
                       .arg(s.playerText(m.value("jatekosbe")), s.playerText(m.value("jatekoski")));
        } else if (code == 1101) {
            const auto jr = m.number("jr");
            text = QStringLiteral("end of %1")
                       .arg(jr ? s.periodName(int(*jr)).toLower() : QStringLiteral("period"));
        } else if (code == 1102) {
            text = QStringLiteral("game closed");
        } else if (code == 6001) {
            text = QStringLiteral("game time set to %1").arg(Win1250::Decode(m.value("time")));
        } else if (!isHidden(code)) {
            text = QStringLiteral("message %1").arg(QString::fromLatin1(m.codeText()));
        }
        if (!text.isEmpty())
            s.m_events.append({stored.seq, stored.received, side, text});
    }

    if (!shootersKnown) {
        if (s.m_reportedHome && s.m_reportedAway) {
            s.m_homeScore = *s.m_reportedHome;
            s.m_awayScore = *s.m_reportedAway;
            s.m_scoreSource = QStringLiteral("reported");
        } else {
            s.m_scoreSource = QStringLiteral("incomplete");
        }
    }
    return s;
}

QString TGameSummary::statusText() const
{
    if (m_closed)
        return QStringLiteral("Final");
    if (m_betweenPeriods)
        return QStringLiteral("End of %1").arg(periodName(m_periodsEnded).toLower());
    if (m_minutesPlayed < 0 && m_periodsEnded == 0)
        return QStringLiteral("Not started");
    return QStringLiteral("%1 \u00b7 %2 min played")
        .arg(periodName(m_periodsEnded + 1))
        .arg(qMax(0, m_minutesPlayed));
}

QString TGameSummary::periodName(int stretch) const
{
    const TPeriodRule rule(m_periodLength);
    if (rule.IsOvertime(stretch))
        return QStringLiteral("Overtime %1").arg(rule.OvertimeNumber(stretch));
    return QStringLiteral("Period %1").arg(stretch);
}
