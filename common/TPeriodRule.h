#pragma once

// Which stretch of a game a clock value or a clock step belongs to: the
// regular periods of the period length, then one overtime after another.
// Stretches are numbered from 1 in playing order; the model's replays, the
// reports and the statistics server all count periods by this one rule.
// Clock values are quarter-minutes over the whole game.
class TPeriodRule
{
public:
    // Every game this build sets up has periods of five minutes; games
    // saved by earlier versions keep the length they were recorded with.
    static constexpr int BuildPeriodLength = 5;
    static constexpr int MaxClock = 400;

    explicit constexpr TPeriodRule(int periodLength = BuildPeriodLength)
        : m_length(periodLength > 0 ? periodLength : 10)
    {
    }

    constexpr int PeriodLength() const { return m_length; }
    // Two halves of five minutes, otherwise four quarters.
    constexpr int RegularPeriods() const { return m_length == 5 ? 2 : 4; }
    constexpr int PeriodTicks() const { return 4 * m_length; }
    constexpr int RegulationTicks() const { return PeriodTicks() * RegularPeriods(); }
    // Two minutes after five-minute periods, otherwise five.
    constexpr int OvertimeTicks() const { return m_length == 5 ? 8 : 20; }

    // The stretch n whose span (StretchStart(n), StretchEnd(n)] holds the
    // clock. A clock of 0 or less (before the first step) counts in the
    // first period, so every event of a game lies in some stretch.
    constexpr int StretchOfClock(int clock) const
    {
        if (clock <= RegulationTicks())
            return clock <= 0 ? 1 : (clock - 1) / PeriodTicks() + 1;
        return RegularPeriods() + (clock - RegulationTicks() - 1) / OvertimeTicks() + 1;
    }
    // The step from c to c + 1 belongs to the stretch that holds c + 1.
    constexpr int StretchOfStep(int clockBefore) const { return StretchOfClock(clockBefore + 1); }

    constexpr int StretchStart(int n) const
    {
        if (n <= RegularPeriods())
            return (n - 1) * PeriodTicks();
        return RegulationTicks() + (n - RegularPeriods() - 1) * OvertimeTicks();
    }
    constexpr int StretchEnd(int n) const
    {
        return StretchStart(n) + (n <= RegularPeriods() ? PeriodTicks() : OvertimeTicks());
    }

    constexpr bool IsOvertime(int n) const { return n > RegularPeriods(); }
    // 1 for the first overtime; 0 for a regular period.
    constexpr int OvertimeNumber(int n) const { return IsOvertime(n) ? n - RegularPeriods() : 0; }

    // The stretches a game whose clock stands at clock has had: every regular
    // period (also before they are played), then each overtime begun.
    constexpr int StretchesPlayed(int clock) const
    {
        const int reached = StretchOfClock(clock);
        return reached > RegularPeriods() ? reached : RegularPeriods();
    }
    // Stretches a game can reach at all (the clock stops at MaxClock).
    constexpr int MaxStretches() const { return StretchOfClock(MaxClock); }

private:
    int m_length;
};
