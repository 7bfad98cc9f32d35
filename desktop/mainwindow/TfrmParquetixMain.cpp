#include "TfrmParquetixMain.h"

#include "TMyTeamPlays.h"
#include "TScoreboard.h"
#include "TfrmNewOnlineUpdate.h"
#include "TfrmProperties.h"

#include "desktop/masterdata/TDialogContext.h"
#include "desktop/masterdata/TProductPicture.h"
#include "desktop/masterdata/TfrmGameList.h"
#include "desktop/masterdata/TfrmNewLiga.h"
#include "desktop/masterdata/TfrmNewLigaCsapat.h"
#include "desktop/masterdata/TfrmNewLigaCsapatJatekos.h"
#include "desktop/masterdata/TfrmNewPlayer.h"
#include "desktop/masterdata/TfrmNewTeam.h"
#include "desktop/reportmenu/TfrmJatekosKimutatas.h"
#include "desktop/text/TFormTranslator.h"
#include "desktop/text/TMessageBoxPrompter.h"
#include "desktop/wizard/TDesktopWizards.h"
#include "model/services/Services.h"
#include "savegame/TSavedGameList.h"
#include "shell/session/TDesktopSession.h"
#include "shell/settings/TIniFile.h"
#include "shell/settings/TSettingsFile.h"
#include "transmission/TNetworkPresence.h"
#include "transmission/TUpdateDownloader.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <random>

namespace {

const char *const FixedLine = "Parquetix - live basketball statistics";
const char *const EmptyDatabaseQuestion =
    "Every league, club, player, roster and game will be deleted from the database. Empty the database?";

// The fetch on the worker thread asks nobody anything.
class TNoPrompter : public IPrompter
{
public:
    void ShowError(const QString &) override {}
    void ShowInformation(const QString &) override {}
    bool Confirm(const QString &) override { return false; }
};

} // namespace

TfrmParquetixMain::TfrmParquetixMain(const TMainWindowOptions &options, QWidget *parent)
    : QMainWindow(parent), m_session(std::make_unique<TDesktopSession>(options.Home)),
      m_boxes(std::make_unique<TMessageBoxPrompter>(this))
{
    setObjectName(QStringLiteral("frmParquetixMain"));
    m_prompter = options.Prompter ? options.Prompter : m_boxes.get();
    if (!options.Downloader)
        m_ownDownloader = std::make_unique<TUpdateDownloader>();
    m_downloader = options.Downloader ? options.Downloader : m_ownDownloader.get();
    // The game codes drawn later must differ from one start to the next.
    std::srand(unsigned(std::random_device{}()));
    if (options.StartWaitMs > 0)
        QThread::msleep(ulong(options.StartWaitMs));

    m_session->SetPrompter(m_prompter);
    m_problems = m_session->Start();
    m_wizards = std::make_unique<TDesktopWizards>(*m_session, *m_prompter, *m_boxes, this);

    buildWindow();
    buildMenu();
    translate(this);

    m_session->ConnectionStateChanged = [this](const QString &text) { m_connection->setText(text); };
    // The version check asks the same presence test the sender uses.
    IConnectionProbe *probe = options.Probe;
    if (!probe) {
        m_ownProbe = std::make_unique<TNetworkPresence>(
            TDesktopSession::ServerBase(m_session->App().Settings().ServerName()));
        probe = m_ownProbe.get();
    }
    // The sender looks only when it has something to send: until then the
    // panel shows what the start-up test finds.
    m_connection->setText(probe->IsConnected() ? m_session->Messages().MsgConnected
                                               : m_session->Messages().MsgNotConnected);
    if (options.StartSender)
        m_session->StartSender(nullptr, probe);
    m_openUrl = options.OpenUrl;
    if (!m_openUrl)
        m_openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    if (options.Splash)
        options.Splash->hide();
    // The version check waits for the window to show (showEvent).
    m_probe = probe;
    m_launch = options.Launch;
    m_updaterProgram = options.UpdaterProgram;
    RefreshMyTeamPlays();
}

TfrmParquetixMain::~TfrmParquetixMain()
{
    // The check's worker uses the probe and this window's settings.
    if (m_versionWorker)
        m_versionWorker->wait();
    // The sender writes on the status bar: it stops before the widgets go.
    m_session->StopSender();
    m_session->ConnectionStateChanged = nullptr;
}

QString TfrmParquetixMain::Version()
{
    return QStringLiteral(PARQUETIX_VERSION);
}

TVersionCheckSettings TfrmParquetixMain::VersionCheckSettings()
{
    TParquetixApplication &app = m_session->App();
    const QString updater = TIniFile::ReadString(app.IniPath, QStringLiteral("APPLICATION"),
                                                 QString::fromLatin1(TVersionCheck::UpdaterKey));
    // The updater belongs beside the program; the home is asked first, as
    // for every other file the program uses.
    const QStringList folders{app.ExeFolder, QCoreApplication::applicationDirPath()};
    return {app.Settings().CheckNewVersion(), app.Settings().UpdateServerName(),
            TVersionCheck::RunningVersion(Version()), TVersionCheck::UpdaterPath(updater, folders),
            m_updaterProgram.value_or(PlatformHasUpdater)};
}

void TfrmParquetixMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_versionChecked)
        return;
    m_versionChecked = true;
    // After the window has been painted, so the question stands over it.
    QMetaObject::invokeMethod(this, &TfrmParquetixMain::startVersionCheck, Qt::QueuedConnection);
}

// The server is asked on a worker thread: a slow or dead server delays
// nothing the operator does in the window meanwhile.
void TfrmParquetixMain::startVersionCheck()
{
    const TVersionCheckSettings settings = VersionCheckSettings();
    if (!settings.Enabled) {
        m_versionCheck = TVersionCheck::TOutcome::Disabled;
        m_versionCheckEnded = true;
        return;
    }
    m_versionCheck = TVersionCheck::TOutcome::Running;
    IConnectionProbe *probe = m_probe;
    QPointer<TfrmParquetixMain> self(this);
    m_versionWorker = QThread::create([probe, settings, self] {
        TNoPrompter silent;
        TIdentityTranslator plain;
        TVersionCheck check(silent, plain);
        const TVersionCheck::TFound found = check.Fetch(settings, *probe);
        // Back on the user interface thread, where the window is known to live or not.
        QMetaObject::invokeMethod(
            qApp,
            [self, settings, found] {
                if (self)
                    self->versionFound(settings, found);
            },
            Qt::QueuedConnection);
    });
    connect(m_versionWorker, &QThread::finished, m_versionWorker, &QObject::deleteLater);
    m_versionWorker->start();
}

void TfrmParquetixMain::versionFound(const TVersionCheckSettings &settings,
                                     const TVersionCheck::TFound &found)
{
    m_versionCheck = found.Outcome;
    if (found.Outcome == TVersionCheck::TOutcome::Newer) {
        TVersionCheck check(*m_prompter, m_session->Translation().Translator(), {}, m_launch);
        m_versionCheck = check.Answer(settings, found.ServerVersion);
    }
    m_versionCheckEnded = true;
    // The updater replaces this program.
    if (EndRequested())
        close();
}

void TfrmParquetixMain::buildWindow()
{
    setWindowTitle(QStringLiteral("Parquetix"));
    setCentralWidget(buildCentral());
    m_connection = new QLabel(this);
    m_connection->setObjectName(QStringLiteral("pnlConnection"));
    m_connection->setFixedWidth(250);
    m_fixedLine = new QLabel(QString::fromUtf8(FixedLine), this);
    m_fixedLine->setObjectName(QStringLiteral("pnlFixedLine"));
    m_fixedLine->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(m_connection);
    statusBar()->addWidget(m_fixedLine, 1);
    resize(900, 560);
}

QWidget *TfrmParquetixMain::buildCentral()
{
    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    auto *picture = new TProductPicture(central);
    picture->setFixedWidth(140);
    row->addWidget(picture);

    auto *column = new QVBoxLayout;
    auto *caption = new QLabel(QStringLiteral("My team palys"), central);
    caption->setObjectName(QStringLiteral("lblMyTeamPlays"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    column->addWidget(caption);

    m_myTeamPlays = new QTreeWidget(central);
    m_myTeamPlays->setObjectName(QStringLiteral("lvMyTeamPlays"));
    m_myTeamPlays->setRootIsDecorated(false);
    m_myTeamPlays->setHeaderLabels(TMyTeamPlays::Columns());
    m_myTeamPlays->setColumnWidth(0, 200);
    m_myTeamPlays->setColumnWidth(1, 200);
    connect(m_myTeamPlays, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const QString code = item ? item->text(int(TMyTeamPlays::Columns().size()) - 1) : QString();
        if (!code.isEmpty())
            emit ScheduledGameChosen(code);
    });
    column->addWidget(m_myTeamPlays, 1);
    // A double click opens the new game wizard on that game.
    connect(this, &TfrmParquetixMain::ScheduledGameChosen, this,
            [this](const QString &code) { m_wizards->RunNewGame(code); });

    m_onlineUpdate = new QPushButton(QStringLiteral("Online &Update"), central);
    m_onlineUpdate->setObjectName(QStringLiteral("btnOnlineUpdate"));
    m_onlineUpdate->setEnabled(Available(TMainCommand::Updates));
    connect(m_onlineUpdate, &QPushButton::clicked, this, [this] { showOnlineUpdate(true); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_onlineUpdate);
    column->addLayout(buttons);
    row->addLayout(column, 1);
    return central;
}

// The translator keys on the text shown, so the window is rebuilt from its
// untranslated captions rather than translated a second time.
void TfrmParquetixMain::retranslate()
{
    menuBar()->clear();
    m_actions.clear();
    buildMenu();
    setCentralWidget(buildCentral());
    setWindowTitle(QStringLiteral("Parquetix"));
    m_fixedLine->setText(QString::fromUtf8(FixedLine));
    const QString state = m_connection->text();
    m_connection->clear();
    translate(this);
    m_connection->setText(state);
    RefreshMyTeamPlays();
}

void TfrmParquetixMain::showProperties()
{
    TParquetixApplication &app = m_session->App();
    TfrmProperties dialog(app.Settings(), m_session->Translation().DataModule(), this);
    dialog.SetTranslator(&m_session->Translation().Translator());
    translate(&dialog);
    m_boxes->SetParent(&dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_boxes->SetParent(this);
    if (!accepted)
        return;
    QString error;
    if (!TSettingsFile(app.IniPath, app.DatastoreFolder).SaveDialogKeys(app.Settings(), &error))
        m_prompter->ShowError(error);
    // The connection state is shown again in the new language.
    const bool connected = m_connection->text() == m_session->Messages().MsgConnected;
    m_session->ApplyLanguage();
    retranslate();
    m_connection->setText(connected ? m_session->Messages().MsgConnected
                                    : m_session->Messages().MsgNotConnected);
}

void TfrmParquetixMain::buildMenu()
{
    QHash<QString, QMenu *> menus;
    for (const TMenuEntry &entry : MainMenu()) {
        if (entry.Path.size() == 1) {
            // An item of the menu bar itself.
            QAction *action = menuBar()->addAction(entry.Path.first());
            m_actions.insert(entry.Command, action);
            connect(action, &QAction::triggered, this, [this, c = entry.Command] { Run(c); });
            continue;
        }
        QMenu *menu = nullptr;
        QString key;
        for (qsizetype level = 0; level + 1 < entry.Path.size(); ++level) {
            key += entry.Path.at(level) + QLatin1Char('/');
            QMenu *&found = menus[key];
            if (!found)
                found = menu ? menu->addMenu(entry.Path.at(level)) : menuBar()->addMenu(entry.Path.at(level));
            menu = found;
        }
        if (entry.IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(entry.Path.last());
        action->setEnabled(Available(entry.Command));
        m_actions.insert(entry.Command, action);
        connect(action, &QAction::triggered, this, [this, c = entry.Command] { Run(c); });
    }
}

void TfrmParquetixMain::translate(QWidget *form)
{
    // Every text not yet in the translate table is added to it: one commit
    // for the whole window instead of one per text.
    TdmMain &dm = m_session->Translation().DataModule();
    const bool batched = dm.IsOpen() && dm.BeginTransaction();
    TFormTranslator(m_session->Translation().Translator()).TranslateForm(form);
    if (batched && !dm.Commit())
        dm.Rollback();
}

bool TfrmParquetixMain::Available(TMainCommand command)
{
    switch (command) {
    case TMainCommand::Properties:
    case TMainCommand::Exit:
    case TMainCommand::MyTeamPlays:
    case TMainCommand::EditLeague:
    case TMainCommand::EditClub:
    case TMainCommand::EditPlayer:
    case TMainCommand::EditGames:
    case TMainCommand::JoinLeagueTeam:
    case TMainCommand::JoinLeagueTeamPlayer:
    case TMainCommand::EmptyDatabase:
    case TMainCommand::About:
    case TMainCommand::Updates:
    case TMainCommand::OtherGames:
    case TMainCommand::Schedule:
    case TMainCommand::LoadGame:
    case TMainCommand::IndividualStats:
        return true;
    default:
        return false;
    }
}

void TfrmParquetixMain::Run(TMainCommand command)
{
    switch (command) {
    case TMainCommand::Properties:
        showProperties();
        break;
    case TMainCommand::Exit:
        close();
        break;
    case TMainCommand::MyTeamPlays:
        showMyTeamPlays();
        break;
    case TMainCommand::EditLeague:
    case TMainCommand::EditClub:
    case TMainCommand::EditPlayer:
    case TMainCommand::EditGames:
    case TMainCommand::JoinLeagueTeam:
    case TMainCommand::JoinLeagueTeamPlayer:
        openMasterData(command);
        break;
    case TMainCommand::EmptyDatabase:
        emptyDatabase();
        break;
    case TMainCommand::About:
        showAbout();
        break;
    case TMainCommand::IndividualStats:
        showIndividualStats();
        break;
    case TMainCommand::Updates:
        showOnlineUpdate(false);
        break;
    case TMainCommand::OtherGames:
        showScoreboard();
        break;
    case TMainCommand::Schedule:
        m_wizards->RunNewGame();
        break;
    case TMainCommand::LoadGame:
        m_wizards->RunLoadPlay();
        break;
    default:
        break;
    }
}

void TfrmParquetixMain::showDialog(QDialog &dialog)
{
    m_boxes->SetParent(&dialog);
    dialog.exec();
    m_boxes->SetParent(this);
    // A dialog that closes right after a message box of its own (the online
    // update's report) leaves a window manager with no window to focus: the
    // keyboard comes back here.
    activateWindow();
}

void TfrmParquetixMain::openMasterData(TMainCommand command)
{
    const TDialogContext context{m_session->Translation().DataModule(), m_session->Translation().Translator(),
                                 m_session->Messages(), *m_prompter};
    std::unique_ptr<QDialog> dialog;
    switch (command) {
    case TMainCommand::EditLeague:
        dialog = std::make_unique<TfrmNewLiga>(context, this);
        break;
    case TMainCommand::EditClub:
        dialog = std::make_unique<TfrmNewTeam>(context, this);
        break;
    case TMainCommand::EditPlayer:
        dialog = std::make_unique<TfrmNewPlayer>(context, this);
        break;
    case TMainCommand::EditGames:
        dialog = std::make_unique<TfrmGameList>(context, this);
        break;
    case TMainCommand::JoinLeagueTeam:
        dialog = std::make_unique<TfrmNewLigaCsapat>(context, this);
        break;
    case TMainCommand::JoinLeagueTeamPlayer:
        dialog = std::make_unique<TfrmNewLigaCsapatJatekos>(context, this);
        break;
    default:
        return;
    }
    showDialog(*dialog);
    // The schedule and the teams may have changed.
    RefreshMyTeamPlays();
}

void TfrmParquetixMain::emptyDatabase()
{
    ITranslator &translator = m_session->Translation().Translator();
    if (!m_prompter->Confirm(
            translator.Translate(QString::fromUtf8(EmptyDatabaseQuestion), QStringLiteral("FORM"))))
        return;
    TdmMain &dm = m_session->Translation().DataModule();
    if (!dm.EmptyDatabase())
        m_prompter->ShowError(dm.LastError());
    RefreshMyTeamPlays();
}

void TfrmParquetixMain::RefreshMyTeamPlays()
{
    m_myTeamPlays->clear();
    const QList<QStringList> rows = TMyTeamPlays::Rows(
        m_session->Translation().DataModule(), m_session->App().Settings().MyTeam(), QDate::currentDate());
    for (const QStringList &row : rows)
        m_myTeamPlays->addTopLevelItem(new QTreeWidgetItem(row));
}

void TfrmParquetixMain::showMyTeamPlays()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmMyTeamPlays"));
    dialog.setWindowTitle(QStringLiteral("My Team plays"));
    auto *row = new QHBoxLayout(&dialog);
    row->addWidget(new TProductPicture(&dialog));
    auto *column = new QVBoxLayout;
    auto *grid = new QTableWidget(&dialog);
    grid->setObjectName(QStringLiteral("grdMyTeamPlays"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->hide();
    const QStringList columns = TMyTeamPlays::Columns();
    grid->setColumnCount(int(columns.size()));
    grid->setHorizontalHeaderLabels(columns);
    const QList<QStringList> rows = TMyTeamPlays::Rows(
        m_session->Translation().DataModule(), m_session->App().Settings().MyTeam(), QDate::currentDate());
    grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows.at(r).size(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(rows.at(r).at(c)));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    column->addWidget(grid, 1);
    auto *exit = new QPushButton(QString::fromUtf8("Kilépés"), &dialog);
    exit->setObjectName(QStringLiteral("btnExit"));
    connect(exit, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exit);
    column->addLayout(buttons);
    row->addLayout(column, 1);
    dialog.resize(720, 360);
    translate(&dialog);
    showDialog(dialog);
}

void TfrmParquetixMain::showAbout()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmAbout"));
    dialog.setWindowTitle(QStringLiteral("About Parquetix"));
    auto *row = new QHBoxLayout(&dialog);
    row->addWidget(new TProductPicture(&dialog));
    auto *column = new QVBoxLayout;
    auto *name = new QLabel(QStringLiteral("Parquetix"), &dialog);
    name->setObjectName(QStringLiteral("lblProductName"));
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version:"), &dialog);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("btnOK"));
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    column->addStretch(1);
    column->addWidget(name);
    column->addWidget(version);
    column->addStretch(1);
    column->addWidget(ok, 0, Qt::AlignRight);
    row->addLayout(column, 1);
    translate(&dialog);
    // The number itself is no text to translate.
    version->setText(version->text() + QLatin1Char(' ') + Version());
    dialog.resize(380, 300);
    showDialog(dialog);
}

void TfrmParquetixMain::showOnlineUpdate(bool atOnce)
{
    const TSettings &settings = m_session->App().Settings();
    TUpdateSource source;
    source.BaseAddress = QString::fromLatin1(TDesktopSession::ServerBase(settings.ServerName()));
    // The edition identifies the installation to the server.
    source.CustomerCode = TSettings::EditionId(settings.Edition());
    source.Proxy = {settings.ProxyServer(), settings.ProxyPort(), settings.ProxyUser(),
                    settings.ProxyPassword()};
    TfrmNewOnlineUpdate dialog(
        m_session->Translation().DataModule(), m_session->Translation().Translator(), m_session->Messages(),
        *m_prompter, *m_downloader, source,
        atOnce ? TfrmNewOnlineUpdate::TMode::StartAtOnce : TfrmNewOnlineUpdate::TMode::Wait, this);
    translate(&dialog);
    showDialog(dialog);
    // The schedule may have changed.
    RefreshMyTeamPlays();
}

void TfrmParquetixMain::showScoreboard()
{
    const QUrl url = TScoreboard::Url(m_session->App().Settings().ServerName());
    // Without an embedded browser the desktop's one shows the page; when the
    // desktop has none, the window names the address at least.
    if (!TScoreboard::Embedded() && m_openUrl(url))
        return;
    TfrmScoreboard dialog(url, this);
    translate(&dialog);
    dialog.Load();
    showDialog(dialog);
}

void TfrmParquetixMain::closeEvent(QCloseEvent *event)
{
    m_session->StopSender();
    QMainWindow::closeEvent(event);
}

void TfrmParquetixMain::showIndividualStats()
{
    TParquetixApplication &app = m_session->App();
    TdmMain &dm = m_session->Translation().DataModule();
    // The game lines name the teams of scheduled games.
    const TScheduleLookup lookup = [&dm](const QString &code) {
        TScheduledGame game;
        const std::optional<TGameRow> row = dm.GameByCode(code);
        if (!row)
            return game;
        game.Found = true;
        if (const std::optional<TTeamRow> team = dm.TeamById(row->HazaiCsapatID))
            game.HomeName = team->EgyesuletNev;
        if (const std::optional<TTeamRow> team = dm.TeamById(row->VendegCsapatID))
            game.AwayName = team->EgyesuletNev;
        return game;
    };
    TfrmJatekosKimutatas dialog(app.SaveRoot, lookup, m_session->Translation().Translator(), this,
                                &TSavedGameList::Problem);
    dialog.SetTemplateFolder(QDir(app.ExeFolder).filePath(QStringLiteral("Template")));
    dialog.SetEdition(app.Settings().Edition());
    dialog.exec();
}
