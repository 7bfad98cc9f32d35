#include "TGameDataForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

TGameDataForm::TGameDataForm(const QStringList &referees, const QStringList &coaches,
                             const QStringList &stadiums, const TOptions &options, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGameDataFields"));
    auto *grid = new QGridLayout(this);
    auto edit = [&](const char *name, int maxLength, bool digits) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        if (digits)
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), e));
        return e;
    };
    m_date = edit("edMerkozesDatum", 15, false);
    m_time = edit("edMerkozesIdoPont", 15, false);
    // Attendance and income are whole numbers the saved record holds in 32 bits:
    // a letter or a tenth digit would be stored as 0 without a word.
    m_attendance = edit("edNezokSzama", 9, true);
    m_income = edit("edBevetel", 9, true);
    const std::pair<const char *, QLineEdit *> edits[] = {
        {"Date of game", m_date}, {"Time of game", m_time}, {"Croud", m_attendance}, {"Income", m_income}};
    int row = 0;
    for (const auto &[label, e] : edits) {
        grid->addWidget(new QLabel(QLatin1String(label), this), row, 0);
        grid->addWidget(e, row++, 1);
    }
    const char *names[] = {"cbStaffReferee1", "cbStaffReferee2", "cbStaffReferee3",
                           "cbStaffCoach1",   "cbStaffCoach2",   "cbStaffStadium"};
    const char *labels[] = {"Referee", "Referee", "Referee", "Home coach", "Away coach", "Stadium"};
    const QStringList *choices[] = {&referees, &referees, &referees, &coaches, &coaches, &stadiums};
    for (int i = 0; i < 6; ++i) {
        auto *box = new QComboBox(this);
        box->setObjectName(QLatin1String(names[i]));
        box->setEditable(true);
        if (!options.TypedStaffJoinsList)
            box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(*choices[i]);
        if (options.StaffStartsEmpty)
            box->setCurrentIndex(-1);
        m_staff[i] = box;
        grid->addWidget(new QLabel(QLatin1String(labels[i]), this), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->setRowStretch(row, 1);
}

void TGameDataForm::Show(const TGameDataLogic::TFields &f)
{
    m_date->setText(f.GameDate);
    m_time->setText(f.GameTime);
    m_attendance->setText(f.Attendance);
    m_income->setText(f.Income);
    const QString staff[] = {f.Referee1, f.Referee2, f.Referee3, f.HomeCoach, f.AwayCoach, f.Stadium};
    for (int i = 0; i < 6; ++i)
        m_staff[i]->setCurrentText(staff[i]);
}

void TGameDataForm::Read(TGameDataLogic::TFields &f) const
{
    f.GameDate = m_date->text();
    f.GameTime = m_time->text();
    f.Attendance = m_attendance->text();
    f.Income = m_income->text();
    QString *staff[] = {&f.Referee1, &f.Referee2, &f.Referee3, &f.HomeCoach, &f.AwayCoach, &f.Stadium};
    for (int i = 0; i < 6; ++i)
        *staff[i] = m_staff[i]->currentText();
}
