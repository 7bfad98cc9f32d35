#pragma once

#include "masterdata/editing/TMasterKind.h"

#include <QList>
#include <QString>
#include <QStringList>

class TdmMain;

// The rows of a list dialog as a column of row panels, a page of panels at
// a time: the dataset's order set when the list opens, the texts each panel
// shows, the current row and the first panel in view.
class TMasterList
{
public:
    TMasterList(TdmMain &dm, TMasterKind kind) : m_dm(dm), m_kind(kind) {}

    static int PanelsPerPage(TMasterKind kind);
    // The captions of a panel's labels (translation keys), one per cell.
    static QStringList Labels(TMasterKind kind);
    // The column whose value a league panel shows as its "Online league" box.
    static bool IsCheckColumn(TMasterKind kind, int cell) { return kind == TMasterKind::League && cell == 1; }

    // Sets the order of the list's dataset (the league list leaves tblLiga
    // in LigaID order), reads the rows and goes to the first.
    bool Open();
    // Reads the rows again and goes to the row with that identifier (the
    // first row when it is gone).
    bool Refresh(int currentId);

    TMasterKind Kind() const { return m_kind; }
    int Count() const { return int(m_rows.size()); }
    QStringList Cells(int row) const { return m_rows.at(row).cells; }
    int Id(int row) const { return m_rows.at(row).id; }

    int Current() const { return m_current; }
    int CurrentId() const { return m_current < 0 ? 0 : m_rows.at(m_current).id; }
    // Moves the current row, scrolling so it stays in view.
    void SetCurrent(int row);
    int Top() const { return m_top; }
    // Scrolls without moving the current row; clamped to whole rows in view.
    void ScrollTo(int top);
    int MaxTop() const;
    // The panel (0 to PanelsPerPage - 1) showing that row, -1 when out of view.
    int PanelOf(int row) const;

    QString LastError() const { return m_error; }

private:
    struct TRow
    {
        int id = 0;
        QStringList cells;
    };

    bool read();

    TdmMain &m_dm;
    TMasterKind m_kind;
    QList<TRow> m_rows;
    int m_current = -1;
    int m_top = 0;
    QString m_error;
};
