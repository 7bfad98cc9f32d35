#pragma once

// Event kinds, shot kinds and side codes shared by every part of the system.
namespace Kind {
enum : int
{
    DefensiveRebound = 1001,
    Steal = 1002,
    FoulDrawn = 1003,
    Assist = 1004,
    BlockReceived = 1005,
    OffensiveRebound = 1006,
    Turnover = 1007,
    PersonalFoul = 1008,
    Block = 1009,
    HistoryLineUp = 1010,
    HistoryLineDown = 1011,
    ShotMade = 1012,
    ShotMissed = 1013,
    ClockStep = 1014,
    PeriodEnd = 1015,
    DeleteEvent = 1016,
    Substitution = 1017,
    TechnicalFoul = 1019,
    IndirectSteal = 1020,
    Timeout = 1021,
    MinutesReport = 1023,
    HistoryPageUp = 1024,
    HistoryPageDown = 1025,
    DefenseMode = 1036,
    // Message-only records.
    GameTimeSet = 6001,
    ScreenOpened = 7000,
    ReportsOpened = 8000,
    ReportsClosed = 8001,
    GameClosed = 0,
    Header = -1,
};
}

namespace ShotKind {
enum : int
{
    Close = 1101,
    MidRange = 1102,
    Three = 1103,
    FreeThrow = 1104,
    Dunk = 1105,
};

// Points of a made shot of that kind; 0 for an unknown kind.
inline int Points(int shotKind)
{
    switch (shotKind) {
    case Close:
    case MidRange:
    case Dunk:
        return 2;
    case Three:
        return 3;
    case FreeThrow:
        return 1;
    default:
        return 0;
    }
}

// The "tipus" number of shot messages (1..5); 0 for an unknown kind.
inline int MessageType(int shotKind)
{
    return (shotKind >= Close && shotKind <= Dunk) ? shotKind - Close + 1 : 0;
}
} // namespace ShotKind

namespace Side {
enum : int
{
    None = 0,
    HomePlayer = 1,
    AwayPlayer = 2,
    HomeTeam = 3,
    AwayTeam = 4,
};
}
