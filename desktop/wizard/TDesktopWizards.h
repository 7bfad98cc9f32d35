#pragma once

#include "workflow/wizard/TWizardServices.h"

#include <QString>
#include <functional>

class IPrompter;
class QWidget;
class TDesktopPlayStep;
class TDesktopSession;
class TMessageBoxPrompter;
class TfrmParquetixScreenNew;

// Opens the two wizards of the desktop program over its session: the court
// screen step, the player dialog, the report menu, the upload and the wait
// for the sender at the end of a game.
class TDesktopWizards
{
public:
    TDesktopWizards(TDesktopSession &session, IPrompter &prompter, TMessageBoxPrompter &boxes,
                    QWidget *parent);

    // The new game wizard, on the schedule row of that code when given;
    // QDialog::Accepted when it ran to its end.
    int RunNewGame(const QString &code = {});
    int RunLoadPlay();

    // Called with the court screen once shown (tests record through it).
    std::function<void(TfrmParquetixScreenNew &screen)> ScreenShown;
    // Called with each wizard window once shown, before it runs modally.
    std::function<void(QWidget &wizard)> WizardShown;
    // How long the end of a game waits for the sender to deliver the queue.
    int FinishWaitMs = 15000;

private:
    TWizardServices services(TDesktopPlayStep &play, QWidget *&window);
    void waitForSender(TGame &game);
    // Runs a wizard window modally, the message boxes over it; prepare sees
    // the window before it is shown.
    template <typename TWindow> int run(const std::function<void(TWindow &)> &prepare);

    TDesktopSession &m_session;
    IPrompter &m_prompter;
    TMessageBoxPrompter &m_boxes;
    QWidget *m_parent;
};
