#pragma once

#include "TParquetixHistory.h"
#include "model/statistics/TSideHistory.h"

#include <QList>
#include <QString>
#include <functional>

class TGame;
class TScreenItems;
struct TEventChange;
struct TFilterArgument;

// One team's event history on the court screen: the numbered entries with a
// copy of each event, the table that is displayed, the selected line and the
// nine line labels it redraws.
class TScreenHistory
{
public:
    using Entry = TSideHistory::Entry;

    // side 1 home (label prefix Csapat1, pages of 7 lines), 2 away (pages of 6).
    TScreenHistory(int side, TScreenItems &items, std::function<QString(const QString &)> translate);

    static QString LineLabel(int side, int line);
    int PageLines() const { return m_side == 1 ? 7 : 6; }

    // A recorded event's line; consecutive 15-second ticks share one line.
    void AddLine(const QString &caption, const TGameEvent &event);
    // A loaded game's line of an event deleted later, and its removal.
    void Hold(int id);
    void Drop(int id);
    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    // A click on visible line k (1 to 9): selects its event when the line is not empty.
    bool SelectLine(int line);
    void Redraw();

    // Corrections. Each redraws.
    // Deletes the selected event; false when nothing was deleted.
    bool DeleteSelected(TGame &game);
    // Selects the last visible line's event (for deleting the last event).
    void SelectLast();
    // Selects the entries of that line number and shows the selected one first.
    bool GoTo(int number);
    // Selects an entry's event and shows its line first; false when no entry holds it.
    bool SelectId(int id);
    void ApplyFilter(const TFilterArgument &filter);
    bool Change(TGame &game, int id, const TEventChange &change, QString *error = nullptr);
    // The event's line shows a new caption under its number.
    void SetCaption(int id, const QString &caption);

    int SelectedId() const { return m_log.SelectedId; }
    const QList<Entry> &Entries() const { return m_log.Entries(); }
    const TSideHistory &Log() const { return m_log; }
    TSideHistory &Log() { return m_log; }
    const TParquetixHistory &Table() const { return m_table; }
    // Called after each redraw, for what the screen draws beside the lines.
    void SetRedrawn(std::function<void()> redrawn) { m_redrawn = std::move(redrawn); }

private:
    int m_side;
    TScreenItems &m_items;
    std::function<QString(const QString &)> m_translate;
    TParquetixHistory m_table;
    TSideHistory m_log;
    std::function<void()> m_redrawn;
};
