#pragma once

#include "TFlagReason.h"
#include "TGameReview.h"

#include <QHash>
#include <QList>

#include <memory>

class TFlagTrack;
class TGame;
class TSideHistory;

// One flagged history line: the side (1 home, 2 away), the line number the
// side's history shows (0 when no history is known), the event, the stretch of
// the game it belongs to, and its reasons in order.
struct TFlag
{
    int Side = 0;
    int Line = 0;
    int EventId = 0;
    int Period = 0;
    QList<TFlagReason> Reasons;
    bool operator==(const TFlag &o) const = default;
};

// The one rule that questions a recorded game: which events do not add up,
// worked out from the game's event log in the order recorded.
class TFlagRule
{
public:
    // The flags the events raise by themselves, in the log's order, without
    // the operator's decisions and without line numbers.
    static QList<TFlag> Raised(const TGame &game);
    // The open flags: the raised ones minus the dismissed reasons, plus the
    // marked lines, with the line numbers of the histories given (either may
    // be null). A line whose reasons are all dismissed is not listed.
    static QList<TFlag> Open(const TGame &game, const TGameReview &review, const TSideHistory *home,
                             const TSideHistory *away);

    // The operator's decisions, kept in game.Review, as the screen and the
    // scripts take them: false with the reason in `error`, a text of section
    // FORM to translate; the game is saved after each. Any line of a team's
    // history but a clock step can be marked.
    static bool Mark(TGame &game, int eventId, QString *error = nullptr);
    // Dismisses an open reason of the event; `user` takes the mark off.
    static bool Dismiss(TGame &game, int eventId, TFlagReason reason, QString *error = nullptr);
    // Confirms the game's score at the end of a period (or overtime) that has ended.
    static bool ConfirmPeriod(TGame &game, int period, QString *error = nullptr);
    // The open flags for the operator at the end of the game, before the
    // closing message: one line a flag with the team, the game clock, the
    // player (or the team), the event and the reasons, translated; empty when
    // no flag is open.
    static QString OpenFlagsText(const TGame &game);
    // The game's score at the end of stretch `period` (TPeriodRule).
    static TScoreConfirmation ScoreAfter(const TGame &game, int period);
};

// The open flags of the current game for a screen: recording only marks the
// board stale (Invalidate), and the flags are brought up to date the first
// time they are asked for after that.
class TFlagBoard
{
public:
    TFlagBoard();
    ~TFlagBoard();

    // The game and the histories the line numbers come from (null: none).
    void Attach(const TGame *game, const TSideHistory *home, const TSideHistory *away);
    // An event was recorded, changed or deleted, or a decision taken.
    void Invalidate() { m_stale = true; }

    const QList<TFlag> &Flags() const;
    // The flag of a side's event; nullptr when the event is not flagged.
    const TFlag *Find(int side, int eventId) const;
    // Find() as of the last recomputation, without catching up with the game.
    const TFlag *Shown(int side, int eventId) const;
    int OpenCount(int side) const;
    // The open flags of a side in one stretch of the game (period or overtime).
    int OpenCount(int side, int period) const;
    QList<TFlag> FlagsOfPeriod(int period) const;
    // The side's first flagged line after `line`, from the first line again
    // when there is none after it; nullptr when the side has no flag.
    const TFlag *NextFlagged(int side, int line) const;
    // Counts up with every recomputation.
    int Revision() const;

private:
    void refresh() const;

    const TGame *m_game = nullptr;
    const TSideHistory *m_home = nullptr;
    const TSideHistory *m_away = nullptr;
    mutable bool m_stale = true;
    mutable int m_revision = 0;
    // Keeps what the last recomputation worked out, so the next one works
    // again only from where the game changed.
    std::unique_ptr<TFlagTrack> m_track;
};
