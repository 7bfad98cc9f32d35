#pragma once

#include "TFlagRule.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

class TGame;
class TGameEvent;
class TGameReview;
class TSideHistory;

// The flag rule worked out along the event log, kept between updates. An
// update compares the log, the histories' line numbers and the decisions
// with what it saw last time and works again only from where they differ:
// an input at the end of a long game costs about what it costs at its start,
// and the flags are always those a whole recomputation gives.
class TFlagTrack
{
public:
    // Follows the log alone, for Raised().
    void Raise(const TGame &game);
    void Update(const TGame &game, const TGameReview &review, const TSideHistory *home,
                const TSideHistory *away);

    // The open flags in the order of event identifiers.
    const QList<TFlag> &Open() const { return m_open; }
    // The raised flags in the log's order, without decisions or line numbers.
    QList<TFlag> Raised() const;
    // The flag of a side's event in Open(); nullptr when it has none.
    const TFlag *Find(int side, int eventId) const;

    // The open flags from the raised ones, the decisions and the histories,
    // all worked out anew.
    static QList<TFlag> Compose(QList<TFlag> raised, const TGame &game, const TGameReview &review,
                                const TSideHistory *home, const TSideHistory *away);

    // What the rule reads of one log entry.
    struct TEntry
    {
        int Id = 0;
        int Kind = 0;
        int Detail = 0;
        int Side = 0;
        int Clock = 0;
        int PlayerId = -1;
        QString Message; // substitutions only
        QString InWeb;
        QString OutWeb;
        bool Names = false; // the message names both players
    };
    struct TAction
    {
        int Pos = 0; // in the log
        int Id = 0;
        int Side = 0; // 1 home, 2 away
        int Period = 0;
        int Kind = 0;
        int ShotKind = 0;
        int PlayerId = -1;
        quint32 Reasons = 0; // bits of TFlagReason
    };
    // Who is on court; a side whose log substitutes players it does not have is not known.
    struct TCourt
    {
        QSet<int> On[2];
        bool Known[2] = {true, true};
        bool operator==(const TCourt &o) const = default;
    };
    // What the rule carries from one action to the next.
    struct TRun
    {
        int Period = -1;
        int LostBy = 0;
        int MissedBy = 0;
        bool Fouled[2] = {false, false}; // a foul against the side opened the stretch
    };

private:
    // The log followed from the first entry that changed; the log position the
    // flags were worked out again from.
    int follow(const TGame &game, int *changed);
    int raise(const TGame &game, int changed);
    bool lines(int side, const TSideHistory *history, int *changedId);
    void compose(const TGame &game, const TGameReview &review, int from);

    std::vector<TEntry> m_entries;
    // Entries of a team, the only ones flagged: their identifiers grow along
    // the log but for a disorder from position m_disorder on (-1: none).
    std::vector<int> m_sided;
    int m_disorder = -1;
    std::vector<int> m_subs; // positions of the substitutions in the log
    int m_periodLength = -1;
    QHash<QString, int> m_ids[2];
    TCourt m_start;
    std::vector<std::pair<int, TCourt>> m_courtAfter; // after each substitution
    std::vector<TAction> m_actions;
    std::vector<TRun> m_runAfter;
    std::vector<int> m_usedBy[4];                // per pairing: the action that took each one as its partner
    std::vector<std::pair<int, int>> m_lines[2]; // (event id, line number) of each history
    bool m_linesOrdered[2] = {true, true};
    QList<int> m_marks;
    QList<TFlagDismissal> m_dismissals;
    bool m_composed = false; // m_open and m_openPos follow the log's order
    QList<TFlag> m_open;
    std::vector<int> m_openPos;
};
