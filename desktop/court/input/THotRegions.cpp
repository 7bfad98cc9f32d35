#include "THotRegions.h"

#include "model/events/EventKinds.h"

THotRegions::THotRegions()
{
    setAction(HotRegionNumber::DefensiveRebound, 19, 177, 50, 222, Kind::DefensiveRebound);
    setAction(HotRegionNumber::OffensiveRebound, 19, 228, 50, 273, Kind::OffensiveRebound);
    setAction(HotRegionNumber::Steal, 57, 177, 88, 222, Kind::Steal);
    setAction(HotRegionNumber::Turnover, 57, 228, 88, 273, Kind::Turnover);
    setAction(HotRegionNumber::FoulDrawn, 95, 177, 126, 222, Kind::FoulDrawn);
    setAction(HotRegionNumber::PersonalFoul, 95, 228, 126, 273, Kind::PersonalFoul);
    setAction(HotRegionNumber::Assist, 133, 177, 164, 222, Kind::Assist);
    setAction(HotRegionNumber::TechnicalFoul, 133, 228, 164, 273, Kind::TechnicalFoul);
    setAction(HotRegionNumber::BlockReceived, 171, 177, 202, 222, Kind::BlockReceived);
    setAction(HotRegionNumber::Block, 171, 228, 202, 273, Kind::Block);
    setAction(HotRegionNumber::ClockStep, 210, 177, 241, 222, Kind::ClockStep);
    setAction(HotRegionNumber::CompleteMinute, 210, 228, 241, 273, 0);
    setAction(HotRegionNumber::IndirectSteal, 247, 177, 278, 222, Kind::IndirectSteal);
    setAction(HotRegionNumber::Save, 247, 228, 278, 273, ScreenCode::Save);
    setAction(HotRegionNumber::ReportMenu, 558, 501, 590, 553, ScreenCode::ReportMenu);
    setAction(HotRegionNumber::Timeout, 572, 476, 611, 485, Kind::Timeout);
    setAction(HotRegionNumber::HistoryPageUp, 264, 4, 279, 17, Kind::HistoryPageUp);
    setAction(HotRegionNumber::HistoryPageDown, 264, 151, 279, 164, Kind::HistoryPageDown);
    setAction(HotRegionNumber::DeleteEvent, 213, 151, 262, 164, Kind::DeleteEvent);
    setAction(HotRegionNumber::HistoryLineUp, 264, 19, 279, 32, Kind::HistoryLineUp);
    setAction(HotRegionNumber::HistoryLineDown, 264, 136, 279, 149, Kind::HistoryLineDown);
    setAction(HotRegionNumber::HistoryPlayerFilter, 18, 151, 94, 164, ScreenCode::HistoryPlayerFilter);
    setAction(HotRegionNumber::HistoryEventFilter, 96, 151, 170, 164, ScreenCode::HistoryEventFilter);
    setAction(HotRegionNumber::VariableColumnOnCourt, 261, 288, 286, 301, ScreenCode::VariableColumn);
    setAction(HotRegionNumber::VariableColumnBench, 261, 395, 286, 408, ScreenCode::VariableColumn);
    setAction(HotRegionNumber::TurnCourtBelow, 492, 468, 502, 482, ScreenCode::TurnCourt);
    setAction(HotRegionNumber::TurnCourtLeft, 307, 278, 317, 292, ScreenCode::TurnCourt);
    setAction(HotRegionNumber::HistoryGoTo, 172, 151, 211, 164, ScreenCode::HistoryGoTo);
    setAction(HotRegionNumber::Exit, 320, 109, 343, 132, ScreenCode::Exit);
    setAction(HotRegionNumber::DefenseMode, 335, 500, 378, 522, Kind::DefenseMode);

    // The six additional type labels: left column 1, 3, 5 and right column 2, 4, 6.
    const int tops[] = {631, 647, 663};
    for (int pair = 0; pair < 3; ++pair) {
        for (int column = 0; column < 2; ++column) {
            THotRegion r;
            // The bullet and the caption are one target.
            r.Left = column == 0 ? 14 : 134;
            r.Right = column == 0 ? 132 : 251;
            r.Top = tops[pair];
            r.Bottom = tops[pair] + 13;
            r.Type = THotRegion::LabelClick;
            r.Code = 0;
            r.Name = QStringLiteral("lblHomeTeamAdditionalType%1").arg(2 * pair + column + 1);
            Set(HotRegionNumber::FirstAdditionalType + 2 * pair + column, r);
        }
    }

    // The nine history lines.
    for (int k = 1; k <= 9; ++k) {
        THotRegion r;
        r.Left = 22;
        r.Right = 236;
        r.Top = 6 + 16 * (k - 1);
        r.Bottom = r.Top + 13;
        r.Type = THotRegion::LabelClick;
        r.Name = QStringLiteral("lblHistoryViewCsapat1Label_%1").arg(k);
        Set(FirstHistoryRecord + k - 1, r);
    }
}

void THotRegions::setAction(int number, int left, int top, int right, int bottom, int code)
{
    THotRegion r;
    r.Left = left;
    r.Top = top;
    r.Right = right;
    r.Bottom = bottom;
    r.Type = THotRegion::Action;
    r.Code = code;
    Set(number, r);
}

bool THotRegions::AddPanelLabel(int left, int right, int top, int bottom, const QString &name)
{
    if (m_nextPanel >= FirstHistoryRecord)
        return false;
    THotRegion r;
    r.Left = left;
    r.Right = right;
    r.Top = top;
    r.Bottom = bottom;
    r.Type = THotRegion::LabelClick;
    r.Name = name;
    Set(m_nextPanel++, r);
    return true;
}

QList<int> THotRegions::RecordsAt(int x, int y) const
{
    QList<int> numbers;
    for (int n = 1; n <= Count; ++n)
        if (At(n).Contains(x, y))
            numbers.append(n);
    return numbers;
}
