#pragma once

#include "TFlagReason.h"

#include <QList>
#include <QString>

// A flag the operator dismissed: the event and the reason.
struct TFlagDismissal
{
    int EventId = 0;
    TFlagReason Reason = TFlagReason::User;
    bool operator==(const TFlagDismissal &o) const = default;
};

// The score the operator confirmed at the end of a period (or overtime).
struct TScoreConfirmation
{
    int Period = 0;
    int Home = 0;
    int Away = 0;
    bool operator==(const TScoreConfirmation &o) const = default;
};

// What the operator decided about the flags of a game: the lines marked to
// look at later, the flags dismissed and the period scores confirmed. Kept
// with the game and saved beside its files; the flags themselves are always
// worked out again from the events.
class TGameReview
{
public:
    // The folder's file that keeps the decisions; a folder without it has none.
    static constexpr const char *FileName = "Review.txt";

    const QList<int> &Marks() const { return m_marks; }
    const QList<TFlagDismissal> &Dismissals() const { return m_dismissals; }
    const QList<TScoreConfirmation> &Confirmations() const { return m_confirmations; }
    bool IsEmpty() const { return m_marks.isEmpty() && m_dismissals.isEmpty() && m_confirmations.isEmpty(); }
    void Clear();

    // False when nothing changed (already so).
    bool Mark(int eventId);
    bool Unmark(int eventId);
    bool IsMarked(int eventId) const { return m_marks.contains(eventId); }
    bool Dismiss(int eventId, TFlagReason reason);
    bool Undismiss(int eventId, TFlagReason reason);
    bool IsDismissed(int eventId, TFlagReason reason) const;

    // A later confirmation of the same period replaces the earlier one.
    void Confirm(int period, int home, int away);
    // nullptr when the period has not been confirmed.
    const TScoreConfirmation *Confirmation(int period) const;

    // Each change made by the calls above counts up, so a screen or a saver
    // can tell that it has something new to show or write.
    int Revision() const { return m_revision; }

    // One decision a line: "mark ID", "dismiss ID KEY", "confirm PERIOD HOME AWAY".
    QString ToText() const;
    // Replaces the decisions with the text's; false with the line and what is
    // wrong in `error` (the decisions are left as they were then).
    bool FromText(const QString &text, QString *error = nullptr);

    bool operator==(const TGameReview &o) const
    {
        return m_marks == o.m_marks && m_dismissals == o.m_dismissals && m_confirmations == o.m_confirmations;
    }

private:
    QList<int> m_marks;
    QList<TFlagDismissal> m_dismissals;
    QList<TScoreConfirmation> m_confirmations;
    int m_revision = 0;
};
