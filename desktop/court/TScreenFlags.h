#pragma once

#include "model/review/TFlagRule.h"
#include "model/services/IScreenLink.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class TGame;
class TScreenHistory;
class TScreenItems;

// The flags of the recorded game as the court screen shows them: a count per
// team, a mark on each flagged history line and the reasons of the line the
// operator went to. Recording only marks them stale; they are worked out again
// once the input that changed the game is done, so a click costs no more than
// before, and a run of events (a loaded game, a completed minute) costs one pass.
class TScreenFlags
{
public:
    TScreenFlags(TGame &game, TScreenItems &items, TScreenHistory &home, TScreenHistory &away,
                 std::function<QString(const QString &)> translate, std::function<void()> changed);

    static QString CountLabel(int side);
    static QString LineMark(int side, int line);
    static QString ReasonLabel() { return QStringLiteral("lblFlagReason"); }
    static constexpr int ReasonSeconds = 10;
    // After the repaint of the input, and once for a run of events.
    static constexpr int RefreshDelayMs = 20;
    static constexpr TColor RuleColour = 0xffc62828;
    static constexpr TColor UserColour = 0xff1565c0;

    // An event was recorded, changed or deleted: the flags follow soon.
    void Invalidate();
    bool RefreshPending() const { return m_refresh.isActive(); }
    // Works the flags out now and shows them.
    void Refresh();
    // Runs a pending refresh now.
    void Flush();
    QTimer &RefreshTimer() { return m_refresh; }
    QTimer &ReasonTimer() { return m_reasonTimer; }

    // The open flags, up to date.
    const QList<TFlag> &Open();
    const TFlag *Find(int side, int eventId);
    int OpenCount(int side);
    QList<TFlag> OpenOfPeriod(int period);

    // The side's history marks its visible lines after a redraw.
    void MarkVisibleLines(int side);

    // Selects the flag's line in its history, scrolled into view, and shows its reasons.
    void GoTo(const TFlag &flag);
    // The open flag after the line the operator was last at, in the order
    // recorded; side 0 over both teams, else that team's only. From the first
    // again after the last; nullptr when there is none.
    const TFlag *Next(int side = 0);
    // The operator selected a line of a side's history: flagged, its reasons show.
    void LineSelected(int side, int eventId);
    // The side and event of the line the operator was last at (0 and -1 when none).
    int CurrentSide() const { return m_side; }
    int CurrentEvent() const { return m_eventId; }

    // "Team, line 12: reason, reason", translated.
    QString Describe(const TFlag &flag) const;
    // One line per flag for a list in a question, at most `limit` and a line
    // saying how many more.
    QStringList DescribeAll(const QList<TFlag> &flags, int limit = 12) const;
    void ShowReason(const QString &text);
    void HideReason();
    QString ReasonShown() const;

private:
    QString tr(const QString &text) const { return m_translate(text); }
    void updateCounts();

    TGame &m_game;
    TScreenItems &m_items;
    TScreenHistory &m_home;
    TScreenHistory &m_away;
    std::function<QString(const QString &)> m_translate;
    std::function<void()> m_changed;
    TFlagBoard m_board;
    QTimer m_refresh;
    QTimer m_reasonTimer;
    int m_side = 0;
    int m_eventId = -1;
};
