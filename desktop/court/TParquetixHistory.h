#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>

// The table behind one team's history box: one record per line, a filter
// that hides records, a current record that is the first visible line, and
// the IDs of the nine lines shown. Positions count the visible records.
class TParquetixHistory
{
public:
    static constexpr int VisibleLines = 9;
    static constexpr int CaptionCapacity = 50;

    struct Record
    {
        int ID = 0;
        QString Caption;
        int EventID = 0;
        int PlayerID = -1;
    };
    using Filter = std::function<bool(const Record &)>;

    void Append(int id, const QString &caption, int eventId, int playerId);
    // Sets the caption of the last record; false on an empty table.
    bool SetLastCaption(const QString &caption);
    // Rewrites the record with that ID; false when there is none.
    bool Update(int id, const QString &caption, int eventId, int playerId);
    bool Remove(int id);
    // An empty filter shows every record; the position goes to the end.
    void SetFilter(Filter filter);
    bool Filtered() const { return bool(m_filter); }

    // The last visible record's ID, -1 when none is visible.
    int LastId() const { return m_visible.isEmpty() ? -1 : m_visible.last().ID; }
    int Count() const { return int(m_visible.size()); }
    // 1-based position of the first visible line; 0 on an empty table.
    int Current() const { return m_current; }
    const Record &At(int position) const { return m_visible[position - 1]; }

    // The last nine records visible (all of them when there are fewer).
    void PositionAtEnd();
    // Makes the record with that ID the current one; false when it is not visible.
    bool PositionOn(int id);
    // One record back, not before the first; false when it could not move.
    bool LineUp();
    // One record on, while the last nine are not yet visible.
    bool LineDown();

    // IDs of the visible lines, -1 for an empty line; set by the screen's redraw.
    std::array<int, VisibleLines> Slots{-1, -1, -1, -1, -1, -1, -1, -1, -1};

private:
    void refilter();

    QList<Record> m_records;
    QList<Record> m_visible;
    Filter m_filter;
    int m_current = 0;
};
