#pragma once

#include "model/game/TPlayer.h"

#include <QList>
#include <QString>
#include <QStringList>

class TGame;
class TTeam;

// The add-player dialog without widgets: the candidates, the team's players
// on court and its bench growing in the dialog, the duplicate checks of the
// roster order, and OK, which puts the new players on the bench and
// announces each to the server. Nothing of the game changes before OK.
class TAddPlayerLogic
{
public:
    // The bench may grow to this many entries in one dialog.
    static constexpr int MaxSubstitutes = 7;
    static const QString SameNameMessage;
    static const QString SameJerseyMessage;

    struct TEntry
    {
        QString Text;
        TPlayer Player;
    };

    TAddPlayerLogic(TGame &game, TTeam &team);

    // " 7 : NAME"; the jersey right-aligned in two characters, 123 as "23".
    static QString EntryText(int jersey, const QString &name);
    // A candidate record: the master data of a player for the team, with its
    // league and team, texts cut to the record's widths and every counter 0.
    static TPlayer CandidateRecord(const TPlayer &master, const TTeam &team);

    // The team's players, then the candidates the team does not hold yet.
    void Fill(const QList<TPlayer> &candidates);
    // A player made with "I" joins the candidates.
    void AddCandidate(const TPlayer &candidate);

    TTeam &Team() const { return m_team; }
    const QStringList &StartingPlayers() const { return m_starting; }
    const QList<TEntry> &Players() const { return m_players; }
    const QList<TEntry> &Substitutes() const { return m_substitutes; }
    const QStringList &SubstituteJerseys() const { return m_jerseys; }
    int BenchAtOpening() const { return m_benchAtOpening; }

    int SelectedPlayer() const { return m_selectedPlayer; }
    int SelectedSubstitute() const { return m_selectedSubstitute; }
    void SelectPlayer(int row);
    void SelectSubstitute(int row);
    // The candidate with that identifier; false (nothing selected) when absent.
    bool SelectPlayerById(int jatekosId);

    // ">": at most six substitutes yet and a candidate selected.
    bool MoveEnabled() const;
    // "<": the selected substitute was added in this dialog.
    bool RemoveEnabled() const;

    // Why the selected candidate cannot join the team (translated): a jersey
    // the team wears, or a name it has when the lists are in name order.
    QString MoveRefusal() const;
    // ">": the selected candidate goes to the substitutes unless it is
    // refused (the operator is told why); true when it moved.
    bool Move();
    void DoubleClickPlayer(int row);
    // "<": an added player goes back to the candidates.
    bool Remove();

    // OK: every added player onto the team's bench with its 0002 message, in
    // the order of the substitutes; the game is saved. Returns how many.
    int Apply();

private:
    bool added(const TPlayer &p) const;
    QString duplicateOf(const TPlayer &p) const;
    static void insert(QList<TEntry> &list, TEntry entry, int *selected);

    TGame &m_game;
    TTeam &m_team;
    QStringList m_starting;
    QList<TEntry> m_players;
    QList<TEntry> m_substitutes;
    QStringList m_jerseys;
    int m_benchAtOpening = 0;
    int m_selectedPlayer = -1;
    int m_selectedSubstitute = -1;
};
