#pragma once

#include "IWizardSteps.h"
#include "TPlayedTimePage.h"
#include "TTeamPick.h"
#include "TWizardServices.h"

#include "masterdata/TGameRow.h"
#include "masterdata/TLeagueRow.h"
#include "workflow/gamedata/TGameDataLogic.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// The new game wizard without widgets: eight pages from the schedule to the
// end of the game. The widget shows what this holds and calls the buttons.
class TNewGameLogic : public IWizardSteps
{
public:
    enum TPage
    {
        Schedule = 1,
        GameData,
        HomeTeam,
        AwayTeam,
        BeginData,
        Game,
        PlayersMin,
        EndGame
    };

    explicit TNewGameLogic(const TWizardServices &services);
    // The dump clean-up runs when the wizard goes.
    ~TNewGameLogic() override;
    TNewGameLogic(const TNewGameLogic &) = delete;
    TNewGameLogic &operator=(const TNewGameLogic &) = delete;

    // Page 1: the leagues in their order, the schedule of the chosen league.
    const QList<TLeagueRow> &Leagues() const { return m_leagues; }
    int League() const { return m_league; }
    void SelectLeague(int index);
    const QList<TGameRow> &ScheduleRows() const { return m_schedule; }
    int ScheduleRow() const { return m_row; }
    void SelectScheduleRow(int index);
    // The league and row of the game with that code; false when none has it.
    bool SelectGame(const QString &code);
    const TGameRow *SelectedGame() const;
    bool Online() const;
    // "Online game" sets the game's flag at once.
    void SetOnline(bool online);
    // "Prevous games' folders": the full path of every folder of the save root.
    const QStringList &Directories() const { return m_directories; }
    // A folder of the list is reused by its name, which the name check passes.
    void ChooseDirectory(int index);

    // Page 2.
    TGameDataLogic::TFields Fields;
    QStringList Referees, Coaches, Stadiums;

    // Pages 3 and 4 (null before the page was shown): side 1 home, 2 away.
    TTeamPick *Pick(int side) { return side == 1 ? m_home.get() : m_away.get(); }
    QString TeamName(int side) const { return side == 1 ? m_homeName : m_awayName; }
    // "I": a new player through the player editing dialog into the team's roster.
    bool AddNewPlayer(int side);

    // Page 5: the texts of the four summary lists.
    QStringList HomeStarters, HomeBench, AwayStarters, AwayBench;

    // Page 6.
    QString FolderName;

    // Page 7 (null on other pages) and page 8.
    TPlayedTimePage *PlayedTimes() { return m_playedTimes.get(); }
    TEndPage End;

    TPage Page() const { return m_page; }
    bool NextEnabled() const override;
    bool BackEnabled() const override { return m_page >= GameData && m_page <= Game; }
    // "Cancel" leaves the wizard while the game is being set up, before it is recorded.
    bool CancelVisible() const { return m_page <= Game && !m_finished; }
    // "Nyomtatás", shown on page 5; enabled when a roster presentation is given.
    bool RosterPrintVisible() const { return m_page == BeginData; }
    bool RosterPrintEnabled() const { return RosterPrintVisible() && bool(m_services.RosterPresentation); }
    bool PrintEnabled() const override { return m_page == EndGame && bool(m_services.Print); }
    bool SendDataEnabled() const override { return m_page == EndGame && bool(m_services.SendData); }
    // "Befejezés" on page 8, "Tovább" elsewhere, translated.
    QString NextCaption() const override;

    // "Tovább": false when the wizard stays on its page.
    bool Next() override;
    // "Vissza".
    void Back() override;
    void PrintRoster();
    void Print() override;
    void SendData() override;
    // A request to close the window: refused on page 7.
    bool RequestClose() override;
    // The last page completed: the wizard closes with OK.
    bool Finished() const override { return m_finished; }
    bool ApplicationEnded() const override;
    // Why the recording step could not run; empty otherwise.
    const QString &LastError() const { return m_error; }

private:
    void showPage();
    bool leaveSchedule();
    bool leaveFolder();
    void finish();
    TGame &game() const;

    TWizardServices m_services;
    QList<TLeagueRow> m_leagues;
    int m_league = -1;
    QList<TGameRow> m_schedule;
    int m_row = -1;
    QStringList m_directories;
    std::unique_ptr<TTeamPick> m_home, m_away;
    QString m_homeName, m_awayName;
    std::unique_ptr<TPlayedTimePage> m_playedTimes;
    TPage m_page = Schedule;
    bool m_nextEnabled = true;
    bool m_finished = false;
    QString m_error;
};
