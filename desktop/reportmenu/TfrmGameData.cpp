#include "TfrmGameData.h"

#include "TGameDataForm.h"

#include "desktop/text/TFormTranslator.h"

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
    m_form = new TGameDataForm(m_logic.Referees, m_logic.Coaches, m_logic.Stadiums, {}, data);
    m_form->setGeometry(12, 12, 520, 340);
    m_form->Show(m_logic.Fields);

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
    m_form->Read(m_logic.Fields);
    m_logic.Ok();
    accept();
}
