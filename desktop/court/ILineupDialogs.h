#pragma once

class TAddPlayerLogic;
class TSetTimeLogic;
class TSubstitutionsLogic;

// The dialogs that correct the line-ups, the official time and a bench. The
// court screen fills each dialog's logic and carries it out after OK; the
// window shows the dialogs, tests answer for the operator.
class ILineupDialogs
{
public:
    virtual ~ILineupDialogs() = default;
    // Each shows its dialog modally; true when it was closed with OK.
    virtual bool RunSubstitutions(TSubstitutionsLogic &logic) = 0;
    virtual bool RunSetTime(TSetTimeLogic &logic) = 0;
    virtual bool RunAddPlayer(TAddPlayerLogic &logic) = 0;
};
