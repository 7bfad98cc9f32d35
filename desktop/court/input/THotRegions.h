#pragma once

#include "ScreenCodes.h"
#include "THotRegion.h"

#include <QList>
#include <QString>
#include <array>

// The 100 hot regions of the home side, numbered 1 to 100: the fixed event
// and screen-code areas 1 to 37, the panel rows from 50 and the history lines
// 91 to 99.
class THotRegions
{
public:
    static constexpr int Count = HotRegionNumber::Count;
    static constexpr int FirstPanelRecord = HotRegionNumber::FirstPanel;
    static constexpr int FirstHistoryRecord = HotRegionNumber::FirstHistoryLine;

    THotRegions();

    const THotRegion &At(int number) const { return m_records[size_t(number - 1)]; }
    void Set(int number, const THotRegion &region) { m_records[size_t(number - 1)] = region; }
    // Fills the panel record that comes next in creation order; false when the
    // panel records are used up.
    bool AddPanelLabel(int left, int right, int top, int bottom, const QString &name);
    // Numbers of the records containing the point, in ascending order.
    QList<int> RecordsAt(int x, int y) const;

private:
    void setAction(int number, int left, int top, int right, int bottom, int code);

    std::array<THotRegion, Count> m_records;
    int m_nextPanel = FirstPanelRecord;
};
