#include "TChangeEventLogic.h"

#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"
#include "model/game/TTeam.h"

#include <algorithm>

TChangeEventLogic::TChangeEventLogic(const TGameEvent &event, const TTeam &team, bool sortByName,
                                     const QString &teamWord, std::function<int(QPoint)> shotKindAt)
    : m_event(event), m_home(TEventCorrection::TeamOfSide(event.Side) == 1),
      m_shotKindAt(std::move(shotKindAt))
{
    const bool teamEvent = event.Side == Side::HomeTeam || event.Side == Side::AwayTeam;
    m_actorText = teamWord;
    if (!teamEvent)
        m_actors.append(Actor{teamWord, -1});
    struct Row
    {
        const TPlayer *Player;
        QString Key;
    };
    QList<Row> others;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench}) {
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer *p = list->At(i);
            if (!teamEvent && p->JatekosID == event.PlayerId) {
                m_actorText = QStringLiteral("%1 %2").arg(p->JatekosMezSzam).arg(p->JatekosNev);
                continue;
            }
            others.append(Row{p, PlayerStats::RosterKey(*p, sortByName)});
        }
    }
    // On court first, then the bench, each in the team's own order.
    for (const Row &r : others)
        m_actors.append(Actor{sortByName ? r.Player->JatekosNev
                                         : QStringLiteral("%1 %2").arg(r.Key, r.Player->JatekosNev),
                              r.Player->JatekosID});
    m_hasOwnPoint = EventKindTable::IsShot(event.Kind) && event.Detail != ShotKind::FreeThrow &&
                    TEventCorrection::PointOf(event.Message, &m_ownPoint.rx(), &m_ownPoint.ry());
    initial();
}

QPoint TChangeEventLogic::turned(QPoint p) const
{
    return m_home ? QPoint(240 - p.x(), 360 - p.y()) : p;
}

void TChangeEventLogic::initial()
{
    m_chosenActor = -1;
    m_kind = m_event.Kind;
    m_detail = m_event.Detail;
    m_pointMoved = false;
    m_okEnabled = false;
    m_courtPoint = m_ownPoint;
    m_picturePoint = turned(m_ownPoint);
    m_markerVisible = m_hasOwnPoint;
    m_frame = Navy;
    if (std::find(ButtonKinds.begin(), ButtonKinds.end(), m_kind) != ButtonKinds.end())
        m_framed = m_kind;
    else if (EventKindTable::IsShot(m_kind) && m_detail == ShotKind::FreeThrow)
        m_framed = FreeThrowButton;
    else
        m_framed = 0;
    if (m_framed == 0)
        m_frame = NoFrame;
}

void TChangeEventLogic::Reset()
{
    initial();
}

void TChangeEventLogic::ChooseActor(int index)
{
    if (index < 0 || index >= m_actors.size())
        return;
    m_chosenActor = index;
    changed();
}

void TChangeEventLogic::PressButton(int kind)
{
    m_kind = kind;
    m_detail = 0;
    m_markerVisible = false;
    changed();
}

void TChangeEventLogic::PressFreeThrow()
{
    m_kind = Kind::ShotMade;
    m_detail = ShotKind::FreeThrow;
    m_markerVisible = false;
    changed();
}

void TChangeEventLogic::ClickPicture(QPoint p, bool leftButton)
{
    if (p.x() <= CourtOffset.x() || p.y() < 20 || p.y() > 198)
        return;
    m_kind = leftButton ? Kind::ShotMade : Kind::ShotMissed;
    m_picturePoint = p - CourtOffset;
    const int shotKind = m_shotKindAt ? m_shotKindAt(m_picturePoint) : 0;
    if (shotKind != 0)
        m_detail = shotKind;
    m_courtPoint = turned(m_picturePoint);
    m_pointMoved = true;
    m_markerVisible = true;
    changed();
}

void TChangeEventLogic::changed()
{
    if (m_kind == m_event.Kind && m_detail == m_event.Detail && m_chosenActor < 0 && !m_pointMoved) {
        initial();
        return;
    }
    const bool toTeam = m_chosenActor >= 0
                            ? m_actors[m_chosenActor].Id == -1
                            : (m_event.Side == Side::HomeTeam || m_event.Side == Side::AwayTeam);
    const bool shot = EventKindTable::IsShot(m_kind);
    // A shot is always a player's, and has a kind the points follow from.
    m_okEnabled = !(shot && (toTeam || ShotKind::Points(m_detail) == 0));
    m_frame = Green;
    if (shot)
        m_framed = m_detail == ShotKind::FreeThrow ? FreeThrowButton : 0;
    else
        m_framed =
            std::find(ButtonKinds.begin(), ButtonKinds.end(), m_kind) != ButtonKinds.end() ? m_kind : 0;
    if (m_framed == 0)
        m_frame = NoFrame;
    if (shot && m_detail == ShotKind::FreeThrow)
        m_markerVisible = false;
}

QRect TChangeEventLogic::MarkerRect() const
{
    if (MarkerMade())
        return QRect(m_picturePoint.x() + 28, m_picturePoint.y() + 15, 8, 8);
    return QRect(m_picturePoint.x() + 27, m_picturePoint.y() + 14, 10, 10);
}

TEventChange TChangeEventLogic::Change() const
{
    TEventChange change;
    change.Kind = m_kind;
    change.Detail = m_detail;
    change.ActorChosen = m_chosenActor >= 0;
    change.ActorId = change.ActorChosen ? m_actors[m_chosenActor].Id : -1;
    change.HasPoint = m_pointMoved;
    change.X = m_courtPoint.x();
    change.Y = m_courtPoint.y();
    return change;
}
