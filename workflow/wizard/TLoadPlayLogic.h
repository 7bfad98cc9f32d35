#pragma once

#include "IWizardSteps.h"
#include "TPlayedTimePage.h"
#include "TWizardServices.h"

#include "savegame/TSavedGameList.h"
#include "shell/store/TGameLoader.h"
#include "workflow/gamedata/TGameDataLogic.h"

#include <QList>
#include <QString>
#include <memory>

// The load wizard without widgets: the saved games, the game data, the
// rebuild and the court screen, the played times and the end of the game.
// Its steps are 1, 3, 4 and 5.
class TLoadPlayLogic : public IWizardSteps
{
public:
    enum TStep
    {
        Selection = 1,
        GameData = 3,
        PlayedTimes = 4,
        EndGame = 5
    };

    explicit TLoadPlayLogic(const TWizardServices &services);
    // The dumps are deleted when DELETE_DATA_DUMP is set.
    ~TLoadPlayLogic() override;
    TLoadPlayLogic(const TLoadPlayLogic &) = delete;
    TLoadPlayLogic &operator=(const TLoadPlayLogic &) = delete;

    // Step 1: the saved games of the save root.
    const QList<TSavedGameRow> &Rows() const { return m_rows; }
    // The untranslated state a row shows: damaged, closed or still open.
    static QString StateOf(const TSavedGameRow &row);
    // The score a row shows, "home - away".
    static QString ScoreOf(const TSavedGameRow &row);
    int Selected() const { return m_selected; }
    void Select(int index);
    // The row of a folder, by its name or its path; false when none.
    bool SelectFolder(const QString &folder);
    bool Online() const;
    // Marking the game online selects "Resend the missing data".
    void SetOnline(bool online);
    bool ResendEnabled() const { return Online(); }
    bool ResendAll() const { return m_resendAll; }
    void SetResendAll(bool all) { m_resendAll = all; }
    // Load a folder whose files differ from the last completed save without
    // asking; otherwise the operator is warned and asked.
    bool LoadDamaged = false;

    // Step 3.
    TGameDataLogic::TFields Fields;
    QStringList Referees, Coaches, Stadiums;

    // Step 4 (null on other steps) and step 5.
    TPlayedTimePage *PlayedTimesPage() { return m_playedTimes.get(); }
    TEndPage End;

    TStep Step() const { return m_step; }
    bool NextEnabled() const override;
    bool BackEnabled() const override { return m_step == GameData; }
    bool PrintEnabled() const override { return m_step == EndGame && bool(m_services.Print); }
    bool SendDataEnabled() const override { return m_step == EndGame && bool(m_services.SendData); }
    QString NextCaption() const override;

    // "&Next": false when the wizard stays on its step; a damaged folder is
    // shown to the operator, naming the file.
    bool Next() override;
    void Back() override;
    void Print() override;
    void SendData() override;
    bool RequestClose() override;
    bool Finished() const override { return m_finished; }
    bool ApplicationEnded() const override;
    // The loader's warning of a damaged folder loaded as it stands.
    const QString &Warning() const { return m_warning; }
    const QString &LastError() const { return m_error; }

private:
    QString translate(const char *text) const;
    bool leaveSelection();
    bool leaveGameData();
    TGame &game() const;

    TWizardServices m_services;
    QList<TSavedGameRow> m_rows;
    int m_selected = -1;
    bool m_resendAll = false;
    // The operator chose to load the damaged folder as it stands.
    bool m_damagedAccepted = false;
    TGameLoader m_loader;
    std::unique_ptr<TPlayedTimePage> m_playedTimes;
    TStep m_step = Selection;
    bool m_finished = false;
    QString m_warning;
    QString m_error;
};
