#pragma once

#include "workflow/gamedata/TGameDataLogic.h"

#include <QDialog>

class ITranslator;
class QLineEdit;
class QSpinBox;
class TGame;
class TGameDataForm;

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
    TGameDataForm *m_form;
    QSpinBox *m_points[2][5] = {};
    QLineEdit *m_totals[2] = {};
};
