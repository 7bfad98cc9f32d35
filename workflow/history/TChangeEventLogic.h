#pragma once

#include "model/corrections/TEventCorrection.h"
#include "model/events/EventKinds.h"
#include "model/events/TGameEvent.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <functional>

class TTeam;

// The "Change event" dialog without its widgets: the actor list, the nine
// event buttons, the free throw button and the half-court picture, which
// button is framed and in which colour, the shot marker, and the change OK
// hands to the history. Picture points are those of the dialog's picture,
// the court drawn 240 x 180 at (30, 19) inside it.
class TChangeEventLogic
{
public:
    struct Actor
    {
        QString Text;
        int Id = -1; // -1: the team
    };
    enum Frame
    {
        NoFrame,
        Navy,  // the event's own kind
        Green, // the kind chosen instead
    };
    static constexpr int FreeThrowButton = -1;
    // The buttons in their places: top row, then bottom row.
    static constexpr std::array<int, 9> ButtonKinds{
        Kind::DefensiveRebound, Kind::Steal,    Kind::FoulDrawn,    Kind::Assist, Kind::BlockReceived,
        Kind::OffensiveRebound, Kind::Turnover, Kind::PersonalFoul, Kind::Block};
    static constexpr QPoint CourtOffset{30, 19};
    static constexpr int CourtWidth = 240;
    static constexpr int CourtHeight = 180;

    // teamWord: the translated "Csapat"; shotKindAt: the shot kind (1101,
    // 1102, 1103, 1105) under a point of the half-court mask, 0 for none.
    TChangeEventLogic(const TGameEvent &event, const TTeam &team, bool sortByName, const QString &teamWord,
                      std::function<int(QPoint)> shotKindAt);

    const TGameEvent &Event() const { return m_event; }
    bool Home() const { return m_home; }
    const QString &ActorText() const { return m_actorText; }
    const QList<Actor> &Actors() const { return m_actors; }

    void ChooseActor(int index);
    void PressButton(int kind);
    void PressFreeThrow();
    // A click on the picture; outside the court nothing happens.
    void ClickPicture(QPoint p, bool leftButton);
    void Reset();

    int ChosenActor() const { return m_chosenActor; }
    int Kind() const { return m_kind; }
    int Detail() const { return m_detail; }
    bool OkEnabled() const { return m_okEnabled; }
    // The framed button: one of ButtonKinds, FreeThrowButton, or 0 for none.
    int FramedButton() const { return m_framed; }
    Frame FrameColour() const { return m_frame; }
    bool MarkerVisible() const { return m_markerVisible; }
    bool MarkerMade() const { return m_kind == Kind::ShotMade; }
    // The marker's place in the picture: made 8 x 8, missed 10 x 10.
    QRect MarkerRect() const;
    // The court point of the shot (the frame the messages use).
    QPoint CourtPoint() const { return m_courtPoint; }

    // What OK applies.
    TEventChange Change() const;

private:
    void initial();
    void changed();
    // Court point and picture point turn the same way: a home shot lies at
    // the far basket of the full court.
    QPoint turned(QPoint p) const;

    TGameEvent m_event;
    bool m_home = true;
    QString m_actorText;
    QList<Actor> m_actors;
    std::function<int(QPoint)> m_shotKindAt;
    bool m_hasOwnPoint = false;
    QPoint m_ownPoint;

    int m_chosenActor = -1;
    int m_kind = 0;
    int m_detail = 0;
    bool m_pointMoved = false;
    QPoint m_courtPoint;
    QPoint m_picturePoint;
    bool m_markerVisible = false;
    bool m_okEnabled = false;
    int m_framed = 0;
    Frame m_frame = NoFrame;
};
