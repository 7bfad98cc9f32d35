#include "TfrmNewGame.h"

#include "TfrmUjMezszam.h"

#include "desktop/text/TFormTranslator.h"
#include "model/services/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

void fillList(QListWidget *list, const QStringList &texts, int selected = -1)
{
    list->clear();
    list->addItems(texts);
    if (selected >= 0)
        list->setCurrentRow(selected);
}

} // namespace

TfrmNewGame::TfrmNewGame(const TWizardServices &services, QWidget *parent)
    : TWizardWindow(services.Translator, parent), m_logic(std::make_unique<TNewGameLogic>(services))
{
    setSteps(*m_logic);
    QVBoxLayout *layout = frame("frmNewGame", QStringLiteral("Schedule"));
    m_pages->addWidget(titled(QStringLiteral("Schedule"), schedulePage()));
    m_pages->addWidget(titled(QStringLiteral("Game data"),
                              gameDataPage(m_logic->Referees, m_logic->Coaches, m_logic->Stadiums, true)));
    m_pages->addWidget(titled(QStringLiteral("Home team"), teamPage(1)));
    m_pages->addWidget(titled(QStringLiteral("Away team"), teamPage(2)));
    m_pages->addWidget(titled(QStringLiteral("Begin data"), beginPage()));
    m_pages->addWidget(titled(QStringLiteral("Game"), folderPage()));
    m_pages->addWidget(titled(QStringLiteral("Players min"), playedTimesPage()));
    m_pages->addWidget(titled(QStringLiteral("End game"), endPage()));
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->widget(i)->setObjectName(QStringLiteral("pnlLepes_%1").arg(i + 1));

    auto *buttons = new QHBoxLayout;
    m_roster = new QPushButton(QString::fromUtf8("Nyomtatás"), this);
    m_roster->setObjectName(QStringLiteral("bbNyomtatas"));
    buttons->addWidget(m_roster);
    buttons->addStretch(1);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("bbCancel"));
    buttons->addWidget(m_cancel);
    addNavigation(buttons, QStringLiteral("Vissza"), "bbVissza", QString::fromUtf8("Tovább"), "bbTovabb");
    layout->addLayout(buttons);
    connect(m_roster, &QPushButton::clicked, this, [this] { m_logic->PrintRoster(); });
    connect(m_cancel, &QPushButton::clicked, this, &TfrmNewGame::reject);

    TFormTranslator(m_translator).TranslateForm(this);
    fillSchedule();
    refresh();
}

TfrmNewGame::~TfrmNewGame() = default;

QWidget *TfrmNewGame::schedulePage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    m_league = new QComboBox(page);
    m_league->setObjectName(QStringLiteral("cbLigaValasztas"));
    for (const TLeagueRow &league : m_logic->Leagues())
        m_league->addItem(league.LigaNev, league.LigaID);
    m_league->setCurrentIndex(m_logic->League());
    column->addWidget(m_league);
    m_schedule = new QTableWidget(0, 5, page);
    m_schedule->setObjectName(QStringLiteral("dbgSchedule"));
    m_schedule->setHorizontalHeaderLabels({QStringLiteral("Home team"), QStringLiteral("Away team"),
                                           QStringLiteral("Date"), QStringLiteral("Time"),
                                           QStringLiteral("G. code")});
    m_schedule->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_schedule->setSelectionMode(QAbstractItemView::SingleSelection);
    m_schedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_schedule->verticalHeader()->hide();
    m_schedule->setColumnWidth(0, 150);
    m_schedule->setColumnWidth(1, 150);
    m_schedule->setColumnWidth(2, 90);
    m_schedule->setColumnWidth(3, 60);
    m_schedule->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(m_schedule, 1);
    m_online = new QCheckBox(QStringLiteral("Online game"), page);
    m_online->setObjectName(QStringLiteral("cbOnlineMerkezes"));
    m_online->setChecked(m_logic->Online());
    column->addWidget(m_online);
    connect(m_league, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_refreshing)
            return;
        m_logic->SelectLeague(index);
        fillSchedule();
        refresh();
    });
    connect(m_schedule, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_refreshing)
            m_logic->SelectScheduleRow(row);
        if (!m_refreshing)
            refresh();
    });
    connect(m_schedule, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_logic->NextEnabled())
            next();
    });
    connect(m_online, &QCheckBox::toggled, this, [this](bool on) { m_logic->SetOnline(on); });
    return page;
}

void TfrmNewGame::fillSchedule()
{
    m_refreshing = true;
    const QList<TGameRow> &rows = m_logic->ScheduleRows();
    m_schedule->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QString cells[] = {rows[r].HazaiCsapatNev, rows[r].VendegCsapatNev, rows[r].Datum, rows[r].Ora,
                                 rows[r].MerkozesKod};
        for (int c = 0; c < 5; ++c)
            m_schedule->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (m_logic->ScheduleRow() >= 0)
        m_schedule->selectRow(m_logic->ScheduleRow());
    m_refreshing = false;
}

bool TfrmNewGame::SelectGame(const QString &code)
{
    const bool found = m_logic->SelectGame(code);
    m_refreshing = true;
    m_league->setCurrentIndex(m_logic->League());
    m_refreshing = false;
    fillSchedule();
    refresh();
    return found;
}

void TfrmNewGame::storePage()
{
    if (m_logic->Page() == TNewGameLogic::GameData)
        readFields(m_logic->Fields);
    else if (m_logic->Page() == TNewGameLogic::Game)
        m_logic->FolderName = m_folder->text();
}

QWidget *TfrmNewGame::teamPage(int side)
{
    TTeamWidgets &w = m_teams[side - 1];
    const QString n = QString::number(side);
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    w.Name = new QLineEdit(page);
    w.Name->setObjectName(side == 1 ? QStringLiteral("edHazaiCsapat") : QStringLiteral("edVendegCsapat"));
    w.Name->setReadOnly(true);
    grid->addWidget(w.Name, 0, 0, 1, 3);
    const QString listNames[] = {QStringLiteral("lbNevezettJatekosokCsapat"),
                                 QStringLiteral("lbKezdoJatekosokCsapat"),
                                 QStringLiteral("lbCsereJatekosokCsapat")};
    const QString captions[] = {QStringLiteral("Players"), QStringLiteral("Starting players"),
                                side == 1 ? QStringLiteral("Substitute palyers")
                                          : QStringLiteral("Substitute players")};
    for (int i = 0; i < 3; ++i) {
        auto *list = new QListWidget(page);
        list->setObjectName(listNames[i] + n);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        w.Lists[i] = list;
        const TTeamPick::TListId id = TTeamPick::TListId(i);
        connect(list, &QListWidget::currentRowChanged, this, [this, side, id](int row) {
            if (m_refreshing || !m_logic->Pick(side))
                return;
            m_logic->Pick(side)->List(id).Select(row);
            m_logic->Pick(side)->SetClickedList(id);
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, side, id] {
            if (m_logic->Pick(side) && m_logic->Pick(side)->DoubleClick(id))
                refresh();
        });
        connect(list, &QListWidget::customContextMenuRequested, this,
                [this, side, id, list](const QPoint &at) {
                    if (!m_logic->Pick(side))
                        return;
                    m_logic->Pick(side)->SetClickedList(id);
                    QMenu menu(this);
                    menu.setObjectName(QStringLiteral("pmMezszam"));
                    QAction *set = menu.addAction(
                        m_translator.Translate(QStringLiteral("Set jersey"), QStringLiteral("FORM")));
                    if (menu.exec(list->viewport()->mapToGlobal(at)) == set)
                        setJersey();
                });
    }
    grid->addWidget(new QLabel(captions[0], page), 1, 0);
    grid->addWidget(w.Lists[0], 2, 0, 4, 1);
    grid->addWidget(new QLabel(captions[1], page), 1, 2);
    grid->addWidget(w.Lists[1], 2, 2);
    grid->addWidget(new QLabel(captions[2], page), 4, 2);
    grid->addWidget(w.Lists[2], 5, 2);
    const QString arrowNames[] = {
        QStringLiteral("sbJatekosAddCsapat"), QStringLiteral("sbJatekosRemoveCsapat"),
        QStringLiteral("sbCsereJatekosAddCsapat"), QStringLiteral("sbCsereJatekosRemoveCsapat")};
    auto *upper = new QVBoxLayout;
    auto *lower = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *arrow = new QPushButton(i % 2 == 0 ? QStringLiteral(">") : QStringLiteral("<"), page);
        arrow->setObjectName(arrowNames[i] + n);
        arrow->setFixedWidth(40);
        w.Arrows[i] = arrow;
        (i < 2 ? upper : lower)->addWidget(arrow);
        connect(arrow, &QPushButton::clicked, this, [this, side, i] {
            TTeamPick *pick = m_logic->Pick(side);
            if (!pick)
                return;
            switch (i) {
            case 0:
                pick->AddStarter();
                break;
            case 1:
                pick->RemoveStarter();
                break;
            case 2:
                pick->AddSubstitute();
                break;
            default:
                pick->RemoveSubstitute();
                break;
            }
            refresh();
        });
    }
    grid->addLayout(upper, 2, 1);
    grid->addLayout(lower, 5, 1);
    w.Add = new QPushButton(QStringLiteral("New player..."), page);
    w.Add->setObjectName(side == 1 ? QStringLiteral("spHomeTeamAddPlayer")
                                   : QStringLiteral("spAwayTeamAddPlayer"));
    w.Add->setToolTip(QStringLiteral("Records a new player in the master data and in this team's roster"));
    grid->addWidget(w.Add, 6, 0, Qt::AlignLeft);
    connect(w.Add, &QPushButton::clicked, this, [this, side] {
        if (m_logic->AddNewPlayer(side))
            refresh();
    });
    return page;
}

void TfrmNewGame::setJersey()
{
    const int side = m_logic->Page() == TNewGameLogic::AwayTeam ? 2 : 1;
    TTeamPick *pick = m_logic->Pick(side);
    const TPlayer *player = pick ? pick->JerseyTarget() : nullptr;
    if (!player)
        return;
    TfrmUjMezszam dialog(player->JatekosMezSzam, player->JatekosNev, m_translator, this);
    if (dialog.exec() == QDialog::Accepted && pick->SetJersey(dialog.NewNumber()))
        refresh();
}

void TfrmNewGame::refreshTeam(int side)
{
    TTeamPick *pick = m_logic->Pick(side);
    TTeamWidgets &w = m_teams[side - 1];
    if (!pick)
        return;
    w.Name->setText(m_logic->TeamName(side));
    TPickList *lists[] = {&pick->Players, &pick->Starters, &pick->Substitute};
    for (int i = 0; i < 3; ++i)
        fillList(w.Lists[i], lists[i]->Texts(), lists[i]->Selected());
    w.Arrows[0]->setEnabled(pick->CanAddStarter());
    w.Arrows[1]->setEnabled(pick->CanRemoveStarter());
    w.Arrows[2]->setEnabled(pick->CanAddSubstitute());
    w.Arrows[3]->setEnabled(pick->CanRemoveSubstitute());
}

QWidget *TfrmNewGame::beginPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    const char *names[] = {"lbHazaiKezdoCsapat", "lbHazaiCsereCsapat", "lbVendegKezdoCsapat",
                           "lbVendegCsereCsapat"};
    const char *captions[] = {"Home starters", "Home bench players", "Away starters", "Away bench players"};
    for (int i = 0; i < 4; ++i) {
        m_summary[i] = new QListWidget(page);
        m_summary[i]->setObjectName(QLatin1String(names[i]));
        m_summary[i]->setSelectionMode(QAbstractItemView::NoSelection);
        grid->addWidget(new QLabel(QLatin1String(captions[i]), page), (i % 2) * 2, i / 2);
        grid->addWidget(m_summary[i], (i % 2) * 2 + 1, i / 2);
    }
    return page;
}

QWidget *TfrmNewGame::folderPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QStringLiteral("Games' directory"), page));
    m_folder = new QLineEdit(page);
    m_folder->setObjectName(QStringLiteral("edSaveDirectoryName"));
    column->addWidget(m_folder);
    column->addWidget(new QLabel(QStringLiteral("Prevous games' folders"), page));
    m_directories = new QListWidget(page);
    m_directories->setObjectName(QStringLiteral("lbDirectories"));
    m_directories->addItems(m_logic->Directories());
    column->addWidget(m_directories, 1);
    connect(m_directories, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing)
            return;
        m_logic->ChooseDirectory(row);
        m_folder->setText(m_logic->FolderName);
    });
    return page;
}

void TfrmNewGame::refresh()
{
    m_refreshing = true;
    const TNewGameLogic::TPage page = m_logic->Page();
    m_pages->setCurrentIndex(int(page) - 1);
    switch (page) {
    case TNewGameLogic::GameData:
        showFields(m_logic->Fields);
        break;
    case TNewGameLogic::HomeTeam:
    case TNewGameLogic::AwayTeam:
        refreshTeam(page == TNewGameLogic::HomeTeam ? 1 : 2);
        break;
    case TNewGameLogic::BeginData: {
        const QStringList *texts[] = {&m_logic->HomeStarters, &m_logic->HomeBench, &m_logic->AwayStarters,
                                      &m_logic->AwayBench};
        for (int i = 0; i < 4; ++i)
            fillList(m_summary[i], *texts[i]);
        break;
    }
    case TNewGameLogic::Game:
        m_folder->setText(m_logic->FolderName);
        break;
    case TNewGameLogic::PlayersMin:
        openPlayedTimes(m_logic->PlayedTimes());
        break;
    case TNewGameLogic::EndGame:
        showEnd(m_logic->End);
        break;
    default:
        break;
    }
    showNavigation();
    m_cancel->setVisible(m_logic->CancelVisible());
    m_roster->setVisible(m_logic->RosterPrintVisible());
    m_roster->setEnabled(m_logic->RosterPrintEnabled());
    m_refreshing = false;
}
