#pragma once

#include "workflow/wizard/TNewGameLogic.h"

#include "TWizardWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTableWidget;

// "Schedule": the new game wizard's window over TNewGameLogic.
class TfrmNewGame : public TWizardWindow
{
    Q_OBJECT

public:
    TfrmNewGame(const TWizardServices &services, QWidget *parent = nullptr);
    ~TfrmNewGame() override;

    TNewGameLogic &Logic() { return *m_logic; }
    // The schedule row of that game code chosen, as a double click on the
    // main window's list opens the wizard.
    bool SelectGame(const QString &code);

private:
    QWidget *schedulePage();
    QWidget *teamPage(int side);
    QWidget *beginPage();
    QWidget *folderPage();
    void fillSchedule();
    void storePage() override;
    void refresh() override;
    void refreshTeam(int side);
    void setJersey();

    std::unique_ptr<TNewGameLogic> m_logic;
    QPushButton *m_roster = nullptr;
    QPushButton *m_cancel = nullptr;
    // Page 1.
    QComboBox *m_league = nullptr;
    QTableWidget *m_schedule = nullptr;
    QCheckBox *m_online = nullptr;
    // Pages 3 and 4: players, starters, substitute; the four arrows.
    struct TTeamWidgets
    {
        QLineEdit *Name = nullptr;
        QListWidget *Lists[3] = {};
        QPushButton *Arrows[4] = {};
        QPushButton *Add = nullptr;
    } m_teams[2];
    // Page 5.
    QListWidget *m_summary[4] = {};
    // Page 6.
    QLineEdit *m_folder = nullptr;
    QListWidget *m_directories = nullptr;
};
