#pragma once

// Commands of the court screen itself, which a hot region carries in place of
// an event kind; they record nothing.
namespace ScreenCode {
enum : int
{
    Save = 1026,
    ReportMenu = 1027,
    HistoryPlayerFilter = 1029,
    HistoryEventFilter = 1030,
    VariableColumn = 1031,
    TurnCourt = 1032,
    HistoryGoTo = 1033,
    Exit = 1035,
};
}

// Numbers of the home pointer's hot regions. The fixed ones are the event
// buttons and screen commands; the rest are filled from the panels.
namespace HotRegionNumber {
enum : int
{
    DefensiveRebound = 1,
    OffensiveRebound = 2,
    Steal = 3,
    Turnover = 4,
    FoulDrawn = 5,
    PersonalFoul = 6,
    Assist = 7,
    TechnicalFoul = 8,
    BlockReceived = 9,
    Block = 10,
    ClockStep = 11,
    CompleteMinute = 12,
    IndirectSteal = 13,
    Save = 14,
    ReportMenu = 15,
    // 16 stays empty.
    Timeout = 17,
    HistoryPageUp = 18,
    HistoryPageDown = 19,
    DeleteEvent = 20,
    HistoryLineUp = 21,
    HistoryLineDown = 22,
    HistoryPlayerFilter = 23,
    HistoryEventFilter = 24,
    VariableColumnOnCourt = 25,
    VariableColumnBench = 26,
    TurnCourtBelow = 27,
    TurnCourtLeft = 28,
    HistoryGoTo = 29,
    Exit = 30,
    DefenseMode = 31,
    // The six additional type labels, 32 to 37.
    FirstAdditionalType = 32,
    FirstPanel = 50,
    // The nine history lines, 91 to 99.
    FirstHistoryLine = 91,
    Count = 100,
};
}
