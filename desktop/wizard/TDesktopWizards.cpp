#include "TDesktopWizards.h"

#include "TDesktopPlayStep.h"
#include "TfrmLoadPlay.h"
#include "TfrmNewGame.h"

#include "desktop/masterdata/TDialogContext.h"
#include "desktop/masterdata/TfrmJatekos.h"
#include "desktop/reportmenu/TReportLauncher.h"
#include "desktop/text/TMessageBoxPrompter.h"
#include "model/game/TGame.h"
#include "shell/archive/TGameUpload.h"
#include "shell/session/TDesktopSession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

TDesktopWizards::TDesktopWizards(TDesktopSession &session, IPrompter &prompter, TMessageBoxPrompter &boxes,
                                 QWidget *parent)
    : m_session(session), m_prompter(prompter), m_boxes(boxes), m_parent(parent)
{
}

void TDesktopWizards::waitForSender(TGame &game)
{
    // The closing message goes with the game unless it is delivered first;
    // the sender's hand-offs are served meanwhile.
    if (!m_session.Sender() || !game.Online)
        return;
    QTimer tick;
    tick.start(100);
    const QDeadlineTimer deadline(FinishWaitMs);
    while (!game.OutgoingQueue.IsEmpty() && m_session.SendingEnabled() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
}

TWizardServices TDesktopWizards::services(TDesktopPlayStep &play, QWidget *&window)
{
    TDesktopSession &session = m_session;
    TWizardServices s{session.App(),      session.Translation().DataModule(),
                      session.Messages(), session.Translation().Translator(),
                      m_prompter,         session.Store()};
    s.Play = &play;
    s.SetSendingEnabled = [&session](bool on) { session.SetSendingEnabled(on); };
    s.EditNewPlayer = [this, &window](TRowEdit &edit) {
        const TDialogContext context{m_session.Translation().DataModule(),
                                     m_session.Translation().Translator(), m_session.Messages(), m_prompter};
        TfrmJatekos dialog(context, edit, window);
        return dialog.exec() == QDialog::Accepted;
    };
    s.RosterPresentation = [&session, &window] {
        TDesktopPlayStep::ReportLauncher(session, session.App().Game(), window)
            ->RunRosterPresentation(window);
    };
    s.Print = [&session, &window] {
        TDesktopPlayStep::ReportLauncher(session, session.App().Game(), window)->RunReportMenu();
    };
    if (session.Sender())
        s.SendData = [&session] {
            TGameUpload::UploadGame(session.App().Game(), session.Store(), *session.Sender());
        };
    s.Finishing = [this](TGame &game) { waitForSender(game); };
    return s;
}

template <typename TWindow> int TDesktopWizards::run(const std::function<void(TWindow &)> &prepare)
{
    TDesktopPlayStep play(m_session, m_boxes);
    play.Shown = ScreenShown;
    QWidget *window = nullptr;
    QWidget *parent = m_boxes.Parent();
    TWindow wizard(services(play, window), m_parent);
    window = &wizard;
    m_boxes.SetParent(&wizard);
    if (prepare)
        prepare(wizard);
    if (WizardShown)
        QTimer::singleShot(0, &wizard, [this, &wizard] { WizardShown(wizard); });
    const int result = wizard.exec();
    m_boxes.SetParent(parent);
    // Exit on the court screen ends the program; the game stays open.
    if (play.ApplicationEnded() && m_parent)
        m_parent->close();
    return result;
}

int TDesktopWizards::RunNewGame(const QString &code)
{
    return run<TfrmNewGame>([&code](TfrmNewGame &wizard) {
        if (!code.isEmpty())
            wizard.SelectGame(code);
    });
}

int TDesktopWizards::RunLoadPlay()
{
    return run<TfrmLoadPlay>({});
}
