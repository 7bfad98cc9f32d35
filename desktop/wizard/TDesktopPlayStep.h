#pragma once

#include "workflow/wizard/IPlayStep.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class ISendingSwitch;
class QWidget;
class TAddPlayerRoster;
class TDesktopSession;
class TMessageBoxPrompter;
class TReportLauncher;
class TfrmParquetixScreenNew;

// The court screen as the desktop runs it, for the wizards and for the
// program's --game and --script: created with its report launcher, the
// sending switch and the reporting of save failures, then shown modally.
class TDesktopPlayStep : public IPlayStep
{
public:
    TDesktopPlayStep(TDesktopSession &session, TMessageBoxPrompter &boxes);
    ~TDesktopPlayStep() override;
    TDesktopPlayStep(const TDesktopPlayStep &) = delete;
    TDesktopPlayStep &operator=(const TDesktopPlayStep &) = delete;

    // Creates the screen on the game (again when called again).
    void Prepare(TGame &game) override;
    // Opens the prepared screen (preparing it first when needed), shows it
    // maximized and modally until the operator closes it; then the game no
    // longer reports to it.
    bool Play(TGame &game, QString *error) override;
    bool ApplicationEnded() const override { return m_applicationEnded; }

    // The report commands of a game as the desktop offers them: the master
    // data's staff, native names and jerseys, the home's pictures.
    static std::unique_ptr<TReportLauncher> ReportLauncher(TDesktopSession &session, TGame &game,
                                                           QWidget *parent);

    // The screen between Prepare and the end of Play; null otherwise.
    TfrmParquetixScreenNew *Screen() { return m_screen.get(); }
    // While true a failed save shows only in the status area (a script runs).
    bool Quiet = false;
    // Called once the screen is shown, before it runs modally (tests record
    // through it and close it).
    std::function<void(TfrmParquetixScreenNew &screen)> Shown;

private:
    void release();

    TDesktopSession &m_session;
    TMessageBoxPrompter &m_boxes;
    std::unique_ptr<ISendingSwitch> m_sending;
    // A bench grows from the home's roster table and its player edit dialog.
    std::unique_ptr<TAddPlayerRoster> m_roster;
    std::unique_ptr<TReportLauncher> m_reports;
    std::unique_ptr<TfrmParquetixScreenNew> m_screen;
    // The window the message boxes belonged to before the screen.
    QPointer<QWidget> m_parent;
    bool m_applicationEnded = false;
};
