#pragma once

#include "TMainMenu.h"
#include "TVersionCheck.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class IConnectionProbe;
class IPrompter;
class QLabel;
class QPushButton;
class QThread;
class QTreeWidget;
class TDesktopSession;
class TDesktopWizards;
class TMessageBoxPrompter;

class IUpdateDownloader;
class QUrl;

struct TMainWindowOptions
{
    QString Home;                       // the application home; empty: the default one
    int StartWaitMs = 1000;             // the pause at creation while the splash shows
    bool StartSender = true;            // tests run without the background sender
    IPrompter *Prompter = {};           // null: message boxes over the window
    IUpdateDownloader *Downloader = {}; // null: the master data download over HTTP
    IConnectionProbe *Probe = {};       // null: the network presence test of the sender
    TVersionCheck::TLaunch Launch;      // empty: the updater starts as a detached process
    // Whether a newer version is installed by an updater program; empty:
    // the platform's way (a package outside Windows).
    std::optional<bool> UpdaterProgram;
    // Opens a page in the desktop's browser; empty: QDesktopServices.
    std::function<bool(const QUrl &)> OpenUrl;
    // The splash window of the program; hidden before the version check,
    // whose question it would otherwise cover.
    QWidget *Splash = {};
};

// The application's main window. Its lifetime is the program's: creating it
// starts the session (settings, translator, message table, sender), closing
// it stops the sender and waits for it.
class TfrmParquetixMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmParquetixMain(const TMainWindowOptions &options = {}, QWidget *parent = nullptr);
    ~TfrmParquetixMain() override;

    // The problems met at start-up; the window works on with defaults.
    const QStringList &StartProblems() const { return m_problems; }
    TDesktopSession &Session() { return *m_session; }
    // The new game and load wizards ("Schedule", "Load game", a double click on a game).
    TDesktopWizards &Wizards() { return *m_wizards; }

    // The upcoming games of MY_TEAM into the list.
    void RefreshMyTeamPlays();
    // The menu item of a command; null for separators.
    QAction *Action(TMainCommand command) const { return m_actions.value(command); }
    // False for the items whose windows the program does not have yet.
    static bool Available(TMainCommand command);
    void Run(TMainCommand command);

    QTreeWidget *MyTeamPlaysList() const { return m_myTeamPlays; }
    QLabel *ConnectionPanel() const { return m_connection; }
    QPushButton *OnlineUpdateButton() const { return m_onlineUpdate; }

    // "Parquetix" and the version of this build.
    static QString Version();
    // The version check, made once the window shows, and how it ended
    // (Running while the server is asked; Disabled before the window shows).
    TVersionCheck::TOutcome VersionCheckOutcome() const { return m_versionCheck; }
    // True when the updater was started: the window closes and the program ends.
    bool EndRequested() const { return m_versionCheck == TVersionCheck::TOutcome::UpdaterStarted; }
    bool VersionCheckEnded() const { return m_versionCheckEnded; }
    // The version check's view of the settings: CHECK_NEW_VERSION, the address,
    // this build's version and the updater (key UPDATER, beside the program).
    TVersionCheckSettings VersionCheckSettings();

signals:
    // A double click on a row of "My team plays": the new game wizard is
    // to open for that game.
    void ScheduledGameChosen(const QString &gameCode);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();
    QWidget *buildCentral();
    void retranslate();
    void showProperties();
    void buildMenu();
    void translate(QWidget *form);
    void showDialog(QDialog &dialog);
    void openMasterData(TMainCommand command);
    void emptyDatabase();
    void showMyTeamPlays();
    void showAbout();
    void showIndividualStats();
    void showOnlineUpdate(bool atOnce);
    void showScoreboard();
    void startVersionCheck();
    void versionFound(const TVersionCheckSettings &settings, const TVersionCheck::TFound &found);

    std::unique_ptr<TDesktopSession> m_session;
    std::unique_ptr<TMessageBoxPrompter> m_boxes;
    std::unique_ptr<TDesktopWizards> m_wizards;
    std::unique_ptr<IUpdateDownloader> m_ownDownloader;
    IUpdateDownloader *m_downloader = nullptr;
    IPrompter *m_prompter = nullptr;
    QStringList m_problems;
    QHash<TMainCommand, QAction *> m_actions;
    QTreeWidget *m_myTeamPlays = nullptr;
    QPushButton *m_onlineUpdate = nullptr;
    QLabel *m_connection = nullptr;
    QLabel *m_fixedLine = nullptr;
    std::unique_ptr<IConnectionProbe> m_ownProbe;
    std::function<bool(const QUrl &)> m_openUrl;
    TVersionCheck::TOutcome m_versionCheck = TVersionCheck::TOutcome::Disabled;
    bool m_versionChecked = false;
    bool m_versionCheckEnded = false;
    IConnectionProbe *m_probe = nullptr;
    TVersionCheck::TLaunch m_launch;
    std::optional<bool> m_updaterProgram;
    QPointer<QThread> m_versionWorker;
};
