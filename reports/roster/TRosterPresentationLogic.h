#pragma once

#include "model/game/TPlayer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class TGame;
class TTeam;

// One entry of the roster presentation: the record that gives its name,
// jersey and note. Player entries are the model's own records, so their
// notes stay with the game; the team and coach entries own a new record.
struct TRosterPresentation
{
    TPlayer *Record = nullptr;
    std::shared_ptr<TPlayer> Own;
};

// The notes dialog without widgets: per team the team entry, every player
// of its lists in list order, and the coach entry. The team's and the
// coach's notes are kept in the team line, so they are saved with the game
// like the players' and the dialog opens with the notes last stored.
class TRosterPresentationLogic
{
public:
    static constexpr int MaxNote = 255;
    static constexpr int MaxName = 60;

    explicit TRosterPresentationLogic(TGame &game);

    const QList<TRosterPresentation> &Entries(bool home) const { return home ? m_home : m_away; }
    // The notes as the dialog opens: the stored ones of the team, its players and its coach.
    QStringList Notes(bool home) const;
    // OK: every entry's note from the list (cut to 255 characters); a list of
    // another length changes nothing.
    bool StoreNotes(bool home, const QStringList &notes);

    // A player of a team by jersey number; null when none wears it.
    static TPlayer *PlayerByJersey(TTeam &team, int jersey);

private:
    static QList<TRosterPresentation> build(TTeam &team, const QString &coach);

    TTeam &m_homeTeam;
    TTeam &m_awayTeam;
    QList<TRosterPresentation> m_home;
    QList<TRosterPresentation> m_away;
};
