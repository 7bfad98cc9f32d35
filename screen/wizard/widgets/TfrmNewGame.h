#pragma once

#include "screen/wizard/TNewGameLogic.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QCheckBox;
class TPlayedTimePanel;

// "Schedule": the new game wizard's window over TNewGameLogic.
class TfrmNewGame : public QDialog
{
    Q_OBJECT

public:
    TfrmNewGame(const TWizardServices &services, QWidget *parent = nullptr);
    ~TfrmNewGame() override;

    TNewGameLogic &Logic() { return *m_logic; }
    // The schedule row of that game code chosen, as a double click on the
    // main window's list opens the wizard.
    bool SelectGame(const QString &code);

    QPushButton *NextButton() const { return m_next; }
    QPushButton *BackButton() const { return m_back; }
    QStackedWidget *Pages() const { return m_pages; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QWidget *schedulePage();
    QWidget *gameDataPage();
    QWidget *teamPage(int side);
    QWidget *beginPage();
    QWidget *folderPage();
    QWidget *endPage();
    QWidget *titled(const QString &title, QWidget *content);
    void next();
    void back();
    void fillSchedule();
    void readFields();
    void showFields();
    void refresh();
    void refreshTeam(int side);
    void setJersey();

    ITranslator &m_translator;
    std::unique_ptr<TNewGameLogic> m_logic;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_next = nullptr, *m_back = nullptr, *m_roster = nullptr;
    // Page 1.
    QComboBox *m_league = nullptr;
    QTableWidget *m_schedule = nullptr;
    QCheckBox *m_online = nullptr;
    // Page 2.
    QLineEdit *m_date = nullptr, *m_time = nullptr, *m_attendance = nullptr, *m_income = nullptr;
    QComboBox *m_staff[6] = {};
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
    // Page 7.
    QWidget *m_timesHolder = nullptr;
    TPlayedTimePanel *m_times = nullptr;
    // Page 8.
    QLabel *m_endNames[2] = {}, *m_endPoints[2] = {};
    QPushButton *m_print = nullptr, *m_send = nullptr;
    bool m_refreshing = false;
};
