#pragma once

#include "TGameDataLogic.h"

#include <QDialog>

class ITranslator;
class QComboBox;
class QLineEdit;
class QSpinBox;
class TGame;

// "Game data": the game's date, time, attendance, income, referees, coaches
// and venue, and the points per period; OK stores the first page only.
class TfrmGameData : public QDialog
{
    Q_OBJECT

public:
    TfrmGameData(TGame &game, const TGameDataLogic::TStaffSource &staff, ITranslator &translator,
                 QWidget *parent = nullptr);

    TGameDataLogic &Logic() { return m_logic; }

private:
    void totals();
    void ok();

    TGameDataLogic m_logic;
    QLineEdit *m_date, *m_time, *m_attendance, *m_income;
    QComboBox *m_staff[6] = {};
    QSpinBox *m_points[2][5] = {};
    QLineEdit *m_totals[2] = {};
};
