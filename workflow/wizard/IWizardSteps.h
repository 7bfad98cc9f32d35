#pragma once

#include <QString>

// What the windows of both wizards ask alike of their logic: the states of
// the Back and Next buttons, the moves, the end page's buttons and closing.
class IWizardSteps
{
public:
    virtual ~IWizardSteps() = default;
    virtual bool NextEnabled() const = 0;
    virtual bool BackEnabled() const = 0;
    virtual QString NextCaption() const = 0;
    // False when the wizard stays where it is.
    virtual bool Next() = 0;
    virtual void Back() = 0;
    virtual bool PrintEnabled() const = 0;
    virtual bool SendDataEnabled() const = 0;
    virtual void Print() = 0;
    virtual void SendData() = 0;
    // A request to close the window; false when it stays open.
    virtual bool RequestClose() = 0;
    virtual bool Finished() const = 0;
    // The court screen's Exit ended the program: the window closes at once.
    virtual bool ApplicationEnded() const { return false; }
};
