#include "TDesktopPlayStep.h"

#include "desktop/court/IReportLauncher.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/masterdata/TAddPlayerRoster.h"
#include "desktop/reportmenu/TReportLauncher.h"
#include "desktop/text/TMessageBoxPrompter.h"
#include "shell/session/TDesktopSession.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

// The court screen pauses and restarts the session's sender through this.
class TSessionSending : public ISendingSwitch
{
public:
    explicit TSessionSending(TDesktopSession &session) : m_session(session) {}
    bool SendingEnabled() const override { return m_session.SendingEnabled(); }
    void SetSendingEnabled(bool enabled) override { m_session.SetSendingEnabled(enabled); }
    void RestartSending() override { m_session.RestartSending(); }

private:
    TDesktopSession &m_session;
};

} // namespace

TDesktopPlayStep::TDesktopPlayStep(TDesktopSession &session, TMessageBoxPrompter &boxes)
    : m_session(session), m_boxes(boxes), m_sending(std::make_unique<TSessionSending>(session)),
      m_roster(std::make_unique<TAddPlayerRoster>(TDialogContext{
          session.Translation().DataModule(), session.Translation().Translator(), session.Messages(), boxes}))
{
}

TDesktopPlayStep::~TDesktopPlayStep()
{
    release();
}

void TDesktopPlayStep::release()
{
    // The game outlives the window: it must not report to it any more.
    m_session.GuardedStore().Report = nullptr;
    m_session.SetCourtScreen(nullptr);
    if (m_screen)
        m_session.App().SetScreen(nullptr);
    m_reports.reset();
    m_screen.reset();
}

std::unique_ptr<TReportLauncher> TDesktopPlayStep::ReportLauncher(TDesktopSession &session, TGame &game,
                                                                  QWidget *parent)
{
    auto reports = std::make_unique<TReportLauncher>(game, session.Translation().Translator());
    reports->SetParent(parent);
    reports->SetImageFolder(session.App().ExeFolder);
    TdmMain &dm = session.Translation().DataModule();
    reports->SetStaffSource([&dm](const QString &type) { return dm.StaffNames(type); });
    reports->SetNativeNames({[&dm](const QString &webId) { return dm.PlayerNativeName(webId); },
                             [&dm](const QString &webId) { return dm.TeamNativeName(webId); }});
    reports->SetJerseyLookup([&dm](const QString &webId, QString *error) {
        return dm.PlayerRecordByWebId(webId, error).JatekosMezSzam;
    });
    return reports;
}

void TDesktopPlayStep::Prepare(TGame &game)
{
    release();
    TParquetixApplication &app = m_session.App();
    m_screen = std::make_unique<TfrmParquetixScreenNew>(game, app.LibraryFolder());
    m_parent = m_boxes.Parent();
    m_boxes.SetParent(m_screen.get());
    app.SetScreen(&m_screen->Screen());
    m_session.SetCourtScreen(&m_screen->Screen());
    m_reports = ReportLauncher(m_session, game, m_screen.get());
    m_screen->Screen().SetReportLauncher(m_reports.get());
    m_screen->Screen().SetSendingSwitch(m_sending.get());
    m_screen->Screen().SetRosterSource(m_roster.get());
    // A disk failure never stops the recording: it is shown in the status
    // area, and in a message box when it starts.
    m_session.GuardedStore().Report = [this](const QString &problem) {
        if (!m_screen)
            return;
        m_screen->Screen().ShowStatus(problem.isEmpty() ? QString()
                                                        : QStringLiteral("Not saved: ") + problem);
        if (!problem.isEmpty() && !Quiet)
            m_boxes.ShowError(QStringLiteral("The game could not be saved; recording goes on and every "
                                             "event saves again.\n\n") +
                              problem);
    };
}

bool TDesktopPlayStep::Play(TGame &game, QString *)
{
    if (!m_screen)
        Prepare(game);
    m_screen->Open();
    m_session.CourtScreenOpened();
    // Modal before it is shown: a window shown first is blocked by the wizard
    // that opened it, and exec() does not change that for a visible window.
    m_screen->setWindowModality(Qt::ApplicationModal);
    // Without a window manager a maximized window keeps its size: fill the screen.
    if (const QScreen *display = QGuiApplication::primaryScreen())
        m_screen->setGeometry(display->availableGeometry());
    m_screen->showMaximized();
    if (Shown) {
        TfrmParquetixScreenNew *screen = m_screen.get();
        QTimer::singleShot(0, screen, [this, screen] { Shown(*screen); });
    }
    m_screen->exec();
    m_applicationEnded = m_screen->ApplicationEnded();
    release();
    m_boxes.SetParent(m_parent);
    return true;
}
