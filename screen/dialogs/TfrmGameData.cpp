#include "TfrmGameData.h"

#include "screen/text/TFormTranslator.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

QLabel *label(const QString &text, QWidget *page, int x, int y, int width = 150)
{
    auto *l = new QLabel(text, page);
    l->setGeometry(x, y, width, 24);
    return l;
}

QLineEdit *edit(const QString &name, const QString &text, int maxLength, QWidget *page, int x, int y)
{
    auto *e = new QLineEdit(text, page);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setGeometry(x, y, 200, 24);
    return e;
}

} // namespace

TfrmGameData::TfrmGameData(TGame &game, const TGameDataLogic::TStaffSource &staff, ITranslator &translator,
                           QWidget *parent)
    : QDialog(parent), m_logic(game, staff)
{
    setObjectName(QStringLiteral("frmGameData"));
    setWindowTitle(QStringLiteral("Game data"));
    setFixedSize(660, 453);
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pcGameData"));
    tabs->setGeometry(8, 8, 644, 392);

    auto *data = new QWidget;
    data->setObjectName(QStringLiteral("tsGameData"));
    tabs->addTab(data, QStringLiteral("Game data"));
    const TGameDataLogic::TFields &f = m_logic.Fields;
    const int lx = 24, ex = 190;
    label(QStringLiteral("Date of game"), data, lx, 20);
    m_date = edit(QStringLiteral("edMerkozesDatum"), f.GameDate, 15, data, ex, 20);
    label(QStringLiteral("Time of game"), data, lx, 52);
    m_time = edit(QStringLiteral("edMerkozesIdoPont"), f.GameTime, 15, data, ex, 52);
    label(QStringLiteral("Croud"), data, lx, 84);
    m_attendance = edit(QStringLiteral("edNezokSzama"), f.Attendance, 0, data, ex, 84);
    label(QStringLiteral("Income"), data, lx, 116);
    m_income = edit(QStringLiteral("edBevetel"), f.Income, 15, data, ex, 116);

    struct TStaffBox
    {
        const char *Name;
        const char *Label;
        const QStringList *Choices;
        QString Value;
    };
    const TStaffBox boxes[6] = {
        {"cbStaffReferee1", "Referee", &m_logic.Referees, f.Referee1},
        {"cbStaffReferee2", "Referee", &m_logic.Referees, f.Referee2},
        {"cbStaffReferee3", "Referee", &m_logic.Referees, f.Referee3},
        {"cbStaffCoach1", "Home coach", &m_logic.Coaches, f.HomeCoach},
        {"cbStaffCoach2", "Away coach", &m_logic.Coaches, f.AwayCoach},
        {"cbStaffStadium", "Stadium", &m_logic.Stadiums, f.Stadium},
    };
    for (int i = 0; i < 6; ++i) {
        const int y = 160 + i * 32;
        label(QLatin1String(boxes[i].Label), data, lx, y);
        auto *box = new QComboBox(data);
        box->setObjectName(QLatin1String(boxes[i].Name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(*boxes[i].Choices);
        box->setEditText(boxes[i].Value);
        box->setGeometry(ex, y, 300, 24);
        m_staff[i] = box;
    }

    auto *result = new QWidget;
    result->setObjectName(QStringLiteral("tsResult"));
    tabs->addTab(result, QStringLiteral("Result"));
    label(QStringLiteral("Home team"), result, 200, 16, 120);
    label(QStringLiteral("Away team"), result, 340, 16, 120);
    static const char *const rows[5] = {"Quarter 1.", "Quarter 2.", "Quarter 3.", "Quarter 4.", "Overtime"};
    for (int n = 0; n < 5; ++n) {
        const int y = 48 + n * 32;
        label(QLatin1String(rows[n]), result, 24, y, 170);
        for (int side = 0; side < 2; ++side) {
            const QString team = side == 0 ? QStringLiteral("HomeTeam") : QStringLiteral("AwayTeam");
            auto *spin = new QSpinBox(result);
            spin->setObjectName(QStringLiteral("ed%1Quarter%2").arg(team).arg(n + 1));
            spin->setRange(0, 500);
            spin->setValue(m_logic.Points[size_t(side)][size_t(n)]);
            // Arrows only: the typed text of the field stays fixed.
            if (auto *field = spin->findChild<QLineEdit *>())
                field->setReadOnly(true);
            spin->setGeometry(200 + side * 140, y, 100, 24);
            connect(spin, &QSpinBox::valueChanged, this, [this] { totals(); });
            m_points[side][n] = spin;
        }
    }
    label(QStringLiteral("Result"), result, 24, 48 + 5 * 32 + 12, 170);
    for (int side = 0; side < 2; ++side) {
        auto *total = new QLineEdit(result);
        total->setObjectName(side == 0 ? QStringLiteral("udHomeTeamQuartersResult")
                                       : QStringLiteral("udAwayTeamQuartersResult"));
        total->setReadOnly(true);
        total->setGeometry(200 + side * 140, 48 + 5 * 32 + 12, 100, 24);
        m_totals[side] = total;
    }
    totals();

    auto *okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("bbOK"));
    okButton->setGeometry(448, 412, 96, 30);
    okButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(556, 412, 96, 30);
    connect(okButton, &QPushButton::clicked, this, &TfrmGameData::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    TFormTranslator(translator).TranslateForm(this);
}

void TfrmGameData::totals()
{
    for (int side = 0; side < 2; ++side) {
        std::array<int, 5> points{};
        for (int n = 0; n < 5; ++n)
            points[size_t(n)] = m_points[side][n]->value();
        m_totals[side]->setText(QString::number(TGameDataLogic::Sum(points)));
    }
}

void TfrmGameData::ok()
{
    TGameDataLogic::TFields &f = m_logic.Fields;
    f.GameDate = m_date->text();
    f.GameTime = m_time->text();
    f.Attendance = m_attendance->text();
    f.Income = m_income->text();
    QString *staff[6] = {&f.Referee1, &f.Referee2, &f.Referee3, &f.HomeCoach, &f.AwayCoach, &f.Stadium};
    for (int i = 0; i < 6; ++i)
        *staff[i] = m_staff[i]->currentText();
    m_logic.Ok();
    accept();
}
