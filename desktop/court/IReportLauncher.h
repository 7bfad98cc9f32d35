#pragma once

// The report commands of the court screen. The report menu and the printing
// live in a library above the screen, so the program that owns both passes
// them in.
class IReportLauncher
{
public:
    virtual ~IReportLauncher() = default;
    // Shows the report menu modally; true when it was closed with OK.
    virtual bool RunReportMenu() = 0;
    // Prints the full report set on the default printer, without a preview.
    virtual void PrintAll() = 0;
    // The quick box score: printed at once (previewed in some editions).
    virtual void PrintBoxScore() = 0;
};

// The live sender's switch, as the court screen needs it: a report pauses
// the sending and the packet label restarts it after a failure.
class ISendingSwitch
{
public:
    virtual ~ISendingSwitch() = default;
    // False after a send failure until the operator restarts sending.
    virtual bool SendingEnabled() const = 0;
    virtual void SetSendingEnabled(bool enabled) = 0;
    // The packet label's click; the sender decides whether it applies.
    virtual void RestartSending() = 0;
};
