#pragma once

#include "screen/wizard/TLoadPlayLogic.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class TPlayedTimePanel;

// "Load game": the load wizard's window over TLoadPlayLogic.
class TfrmLoadPlay : public QDialog
{
    Q_OBJECT

public:
    TfrmLoadPlay(const TWizardServices &services, QWidget *parent = nullptr);
    ~TfrmLoadPlay() override;

    TLoadPlayLogic &Logic() { return *m_logic; }
    QPushButton *NextButton() const { return m_next; }
    QPushButton *BackButton() const { return m_back; }
    QStackedWidget *Pages() const { return m_pages; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QWidget *selectionPage();
    QWidget *gameDataPage();
    QWidget *endPage();
    void next();
    void back();
    void refresh();

    ITranslator &m_translator;
    std::unique_ptr<TLoadPlayLogic> m_logic;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_next = nullptr, *m_back = nullptr;
    QTableWidget *m_games = nullptr;
    QCheckBox *m_online = nullptr;
    QRadioButton *m_resendAll = nullptr, *m_resendMissing = nullptr;
    QLineEdit *m_date = nullptr, *m_time = nullptr, *m_attendance = nullptr, *m_income = nullptr;
    QComboBox *m_staff[6] = {};
    QWidget *m_timesHolder = nullptr;
    TPlayedTimePanel *m_times = nullptr;
    QLabel *m_endNames[2] = {}, *m_endPoints[2] = {};
    QPushButton *m_print = nullptr, *m_send = nullptr;
    bool m_refreshing = false;
};
