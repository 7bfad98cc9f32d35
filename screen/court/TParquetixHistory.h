#pragma once

#include <QList>
#include <QString>
#include <array>

// The table behind one team's history box: one record per line, a current
// record that is the first visible line, and the IDs of the nine lines shown.
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

    void Append(int id, const QString &caption, int eventId, int playerId);
    // Sets the caption of the last record; false on an empty table.
    bool SetLastCaption(const QString &caption);
    int LastId() const { return m_records.isEmpty() ? -1 : m_records.last().ID; }
    int Count() const { return int(m_records.size()); }
    // 1-based position of the first visible line; 0 on an empty table.
    int Current() const { return m_current; }
    const Record &At(int position) const { return m_records[position - 1]; }

    // The last nine records visible (all of them when there are fewer).
    void PositionAtEnd();
    // One record back, not before the first; false when it could not move.
    bool LineUp();
    // One record on, while the last nine are not yet visible.
    bool LineDown();

    // IDs of the visible lines, -1 for an empty line; set by the screen's redraw.
    std::array<int, VisibleLines> Slots{-1, -1, -1, -1, -1, -1, -1, -1, -1};

private:
    QList<Record> m_records;
    int m_current = 0;
};
