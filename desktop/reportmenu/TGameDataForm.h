#pragma once

#include "workflow/gamedata/TGameDataLogic.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

// The game's data as the operator fills them in: date, time, attendance and
// income, the referees, the coaches and the venue. The game data dialog and
// the wizards' game data page show this one form.
class TGameDataForm : public QWidget
{
    Q_OBJECT

public:
    struct TOptions
    {
        // No staff name is chosen until the operator picks or types one.
        bool StaffStartsEmpty = false;
        // A name typed and confirmed with Enter joins its box's list.
        bool TypedStaffJoinsList = false;
    };

    TGameDataForm(const QStringList &referees, const QStringList &coaches, const QStringList &stadiums,
                  const TOptions &options, QWidget *parent = nullptr);

    void Show(const TGameDataLogic::TFields &fields);
    void Read(TGameDataLogic::TFields &fields) const;

private:
    QLineEdit *m_date, *m_time, *m_attendance, *m_income;
    QComboBox *m_staff[6] = {};
};
