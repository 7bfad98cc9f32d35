#include "TNewGameLogic.h"

#include "IPlayStep.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "masterdata/editing/TRowEdit.h"
#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/review/TFlagRule.h"
#include "model/services/Services.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameStore.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

TNewGameLogic::TNewGameLogic(const TWizardServices &services) : m_services(services)
{
    TdmMain &dm = m_services.Dm;
    m_leagues = dm.Leagues();
    std::stable_sort(m_leagues.begin(), m_leagues.end(), [](const TLeagueRow &a, const TLeagueRow &b) {
        return QString::compare(a.LigaNev, b.LigaNev, Qt::CaseInsensitive) < 0;
    });
    if (!m_leagues.isEmpty())
        SelectLeague(0);
    const QDir saveRoot(m_services.App.SaveRoot);
    for (const QString &name : saveRoot.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        m_directories.append(saveRoot.absoluteFilePath(name));
    Referees = dm.StaffNames(QStringLiteral("B"));
    Coaches = dm.StaffNames(QStringLiteral("E"));
    Stadiums = dm.StaffNames(QStringLiteral("H"));
    showPage();
}

TNewGameLogic::~TNewGameLogic()
{
    // With DELETE_DATA_DUMP off the graphics software keeps the final figures.
    if (game().Settings().DeleteDataDump())
        m_services.Store.DeleteDumps(game());
}

TGame &TNewGameLogic::game() const
{
    return m_services.App.Game();
}

void TNewGameLogic::SelectLeague(int index)
{
    m_league = (index >= 0 && index < m_leagues.size()) ? index : -1;
    m_schedule.clear();
    if (m_league >= 0)
        for (const TGameRow &row : m_services.Dm.Schedule())
            if (row.LigaID == m_leagues[m_league].LigaID)
                m_schedule.append(row);
    m_row = m_schedule.isEmpty() ? -1 : 0;
}

void TNewGameLogic::SelectScheduleRow(int index)
{
    m_row = (index >= 0 && index < m_schedule.size()) ? index : -1;
}

bool TNewGameLogic::SelectGame(const QString &code)
{
    for (int l = 0; l < m_leagues.size(); ++l) {
        SelectLeague(l);
        for (int r = 0; r < m_schedule.size(); ++r)
            if (m_schedule[r].MerkozesKod == code) {
                m_row = r;
                return true;
            }
    }
    SelectLeague(m_leagues.isEmpty() ? -1 : 0);
    return false;
}

const TGameRow *TNewGameLogic::SelectedGame() const
{
    return m_row >= 0 ? &m_schedule[m_row] : nullptr;
}

bool TNewGameLogic::Online() const
{
    return game().Online;
}

void TNewGameLogic::SetOnline(bool online)
{
    game().Online = online;
}

void TNewGameLogic::ChooseDirectory(int index)
{
    if (index >= 0 && index < m_directories.size())
        FolderName = QFileInfo(m_directories[index]).fileName();
}

bool TNewGameLogic::AddNewPlayer(int side)
{
    TTeamPick *pick = Pick(side);
    const TGameRow *row = SelectedGame();
    if (!pick || !row || !m_services.EditNewPlayer)
        return false;
    TRowEdit edit(m_services.Dm, TMasterKind::Player);
    edit.SetClock([this] { return game().Now(); });
    edit.StartInsert();
    if (!m_services.EditNewPlayer(edit))
        return false;
    const std::optional<TPlayerRow> saved = m_services.Dm.PlayerById(edit.Id());
    if (!saved)
        return false;
    const int csapatId = side == 1 ? row->HazaiCsapatID : row->VendegCsapatID;
    std::unique_ptr<TPlayer> p = TTeamPick::RosterPlayer(*saved, row->LigaID, csapatId);
    const TTeamData &team = pick->Team().Data;
    m_services.Dm.UpsertTeamPlayer(row->LigaID, csapatId, saved->JatekosID,
                                   m_services.Dm.LeagueWebId(row->LigaID), team.WebID, saved->WebID);
    pick->AddNewPlayer(std::move(p));
    return true;
}

bool TNewGameLogic::NextEnabled() const
{
    switch (m_page) {
    case Schedule:
        return m_nextEnabled && m_row >= 0;
    case HomeTeam:
        return m_home && m_home->Complete();
    case AwayTeam:
        return m_away && m_away->Complete();
    default:
        return m_nextEnabled;
    }
}

QString TNewGameLogic::NextCaption() const
{
    return m_services.Translator.Translate(
        m_page == EndGame ? QStringLiteral("Befejezés") : QStringLiteral("Tovább"), QStringLiteral("FORM"));
}

void TNewGameLogic::showPage()
{
    const TGameRow *row = SelectedGame();
    switch (m_page) {
    case HomeTeam:
    case AwayTeam: {
        const int side = m_page == HomeTeam ? 1 : 2;
        auto pick = std::make_unique<TTeamPick>(game(), side, m_services.Prompter, m_services.Messages);
        if (row) {
            (side == 1 ? m_homeName : m_awayName) = side == 1 ? row->HazaiCsapatNev : row->VendegCsapatNev;
            pick->Load(m_services.Dm, row->LigaID, side == 1 ? row->HazaiCsapatID : row->VendegCsapatID);
        } else {
            pick->Team().ClearRoster();
        }
        (side == 1 ? m_home : m_away) = std::move(pick);
        // Every new game has periods of five minutes, whatever the settings say.
        if (side == 1)
            game().SetPeriodLength(TPeriodRule::BuildPeriodLength);
        break;
    }
    case BeginData: {
        struct
        {
            QStringList *Texts;
            TPlayerList *List;
        } lists[] = {{&HomeStarters, &game().HomeTeam().OnCourt},
                     {&HomeBench, &game().HomeTeam().Bench},
                     {&AwayStarters, &game().AwayTeam().OnCourt},
                     {&AwayBench, &game().AwayTeam().Bench}};
        for (auto &l : lists) {
            TPickList sorted;
            for (int i = 0; i < l.List->Count(); ++i) {
                if (l.List == &game().HomeTeam().OnCourt || l.List == &game().AwayTeam().OnCourt)
                    l.List->At(i)->Starter = 1;
                sorted.Add(TPickList::PlainText(*l.List->At(i)), nullptr);
            }
            *l.Texts = sorted.Texts();
        }
        break;
    }
    case PlayersMin:
        m_playedTimes = std::make_unique<TPlayedTimePage>(game(), m_services.Prompter, m_services.Messages);
        break;
    default:
        break;
    }
}

bool TNewGameLogic::leaveSchedule()
{
    const TGameRow *row = SelectedGame();
    if (!row)
        return false;
    // The teams' pages work on the game being replaced.
    m_home.reset();
    m_away.reset();
    m_services.App.ResetGame();
    if (!game().Online) {
        if (!m_services.Prompter.Confirm(m_services.Messages.MsgNotOnlineNewGame))
            return false;
        if (m_services.SetSendingEnabled)
            m_services.SetSendingEnabled(false);
    }
    game().GameCode = row->MerkozesKod;
    Fields.Referee1 = row->Biro1;
    Fields.Referee2 = row->Biro2;
    Fields.Referee3 = row->Biro3;
    Fields.GameDate = row->Datum;
    Fields.GameTime = row->Ora;
    // A scheduled game is played in its home team's hall; the field stays editable.
    const std::optional<TTeamRow> home = m_services.Dm.TeamById(row->HazaiCsapatID);
    Fields.Stadium = home ? home->EgyesuletCsarnok : QString();
    return true;
}

bool TNewGameLogic::leaveFolder()
{
    static const QString forbidden = QStringLiteral(";:'/\\");
    if (std::any_of(FolderName.begin(), FolderName.end(), [](QChar c) { return forbidden.contains(c); })) {
        m_services.Prompter.ShowError(m_services.Messages.MsgDirectoryInvalid);
        return false;
    }
    if (FolderName.isEmpty()) {
        m_services.Prompter.ShowError(m_services.Messages.MsgSaveFolderRequired);
        return false;
    }
    TParquetixApplication &app = m_services.App;
    const QString folder = QDir(app.SaveRoot).absoluteFilePath(FolderName);
    if (QFileInfo::exists(folder)) {
        if (!m_services.Prompter.Confirm(m_services.Messages.MsgFolderMayHoldGame))
            return false;
    }
    if (!QDir().mkpath(folder)) {
        m_services.Prompter.ShowError(m_services.Messages.MsgDirectoryInvalid);
        return false;
    }
    app.GameFolder = folder;
    game().GameFolder = folder;
    if (game().Online && m_services.SetSendingEnabled)
        m_services.SetSendingEnabled(true);
    app.LoadReferenceLists();
    if (m_services.Play) {
        m_services.Play->Prepare(game());
        if (!m_services.Play->Play(game(), &m_error) || ApplicationEnded())
            return false;
    }
    End.Fill(game());
    return true;
}

bool TNewGameLogic::ApplicationEnded() const
{
    return m_services.Play && m_services.Play->ApplicationEnded();
}

void TNewGameLogic::finish()
{
    TGame &current = game();
    // The operator sees what is still open before the game is closed on the server.
    const QString open = TFlagRule::OpenFlagsText(current);
    if (!open.isEmpty())
        m_services.Prompter.ShowInformation(open);
    current.SendGameClosed();
    current.SaveGame();
    m_services.Store.DeleteTemporaryEventDumps();
    if (m_services.Finishing)
        m_services.Finishing(current);
    m_services.App.ResetGame();
    m_finished = true;
}

bool TNewGameLogic::Next()
{
    if (!NextEnabled() || m_finished)
        return false;
    m_nextEnabled = false;
    m_error.clear();
    bool stay = false;
    switch (m_page) {
    case Schedule:
        stay = !leaveSchedule();
        break;
    case GameData: {
        TGameDataLogic data(game(), {});
        data.Fields = Fields;
        data.Ok();
        break;
    }
    case BeginData: {
        const QDate today = game().Now().date();
        FolderName = game().GameCode.toLower() + today.toString(QStringLiteral("_ddMM"));
        break;
    }
    case Game:
        stay = !leaveFolder();
        break;
    case PlayersMin:
        m_playedTimes->Store(true, false);
        break;
    case EndGame:
        finish();
        return true;
    default:
        break;
    }
    m_nextEnabled = true;
    if (stay)
        return false;
    if (m_page == PlayersMin)
        m_playedTimes.reset();
    m_page = TPage(std::min(int(m_page) + 1, int(EndGame)));
    showPage();
    return true;
}

void TNewGameLogic::Back()
{
    if (!BackEnabled())
        return;
    m_page = TPage(int(m_page) - 1);
    showPage();
}

void TNewGameLogic::PrintRoster()
{
    if (RosterPrintEnabled())
        m_services.RosterPresentation();
}

void TNewGameLogic::Print()
{
    if (PrintEnabled())
        m_services.Print();
}

void TNewGameLogic::SendData()
{
    if (SendDataEnabled())
        m_services.SendData();
}

bool TNewGameLogic::RequestClose()
{
    if (m_page == PlayersMin && !m_finished) {
        m_services.Prompter.ShowInformation(
            m_services.Translator.Translate(QStringLiteral("Use the Next button"), QStringLiteral("FORM")));
        return false;
    }
    return true;
}
