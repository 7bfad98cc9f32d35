#pragma once

#include "TParquetixHistory.h"
#include "model/TGameEvent.h"

#include <QList>
#include <QString>
#include <functional>

class TScreenItems;

// One team's event history on the court screen: the numbered entries with a
// copy of each event, the table that is displayed, the selected line and the
// nine line labels it redraws.
class TScreenHistory
{
public:
    struct Entry
    {
        int Number = 0;
        QString Text; // "n: caption"
        TGameEvent Event;
    };

    // side 1 home (label prefix Csapat1, pages of 7 lines), 2 away (pages of 6).
    TScreenHistory(int side, TScreenItems &items, std::function<QString(const QString &)> translate);

    static QString LineLabel(int side, int line);
    int PageLines() const { return m_side == 1 ? 7 : 6; }

    // A recorded event's line; consecutive 15-second ticks share one line.
    void AddLine(const QString &caption, const TGameEvent &event);
    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    // A click on visible line k (1 to 9): selects its event when the line is not empty.
    bool SelectLine(int line);
    void Redraw();

    int SelectedId() const { return m_selectedId; }
    const QList<Entry> &Entries() const { return m_entries; }
    const TParquetixHistory &Table() const { return m_table; }

private:
    int m_side;
    TScreenItems &m_items;
    std::function<QString(const QString &)> m_translate;
    TParquetixHistory m_table;
    QList<Entry> m_entries;
    int m_selectedId = -1;
};
