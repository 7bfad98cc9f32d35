#include "TfrmLoadPlay.h"

#include "TPlayedTimePanel.h"

#include "model/Services.h"
#include "screen/text/TFormTranslator.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    return label;
}

QWidget *titled(const QString &title, QWidget *content)
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(boldLabel(title, page));
    column->addWidget(content, 1);
    return page;
}

// Steps 1, 3, 4 and 5 on the pages 0 to 3.
int pageOf(TLoadPlayLogic::TStep step)
{
    return step == TLoadPlayLogic::Selection ? 0 : int(step) - 2;
}

} // namespace

TfrmLoadPlay::TfrmLoadPlay(const TWizardServices &services, QWidget *parent)
    : QDialog(parent), m_translator(services.Translator), m_logic(std::make_unique<TLoadPlayLogic>(services))
{
    setObjectName(QStringLiteral("frmLoadPlay"));
    setWindowTitle(QStringLiteral("Load game"));
    setFixedSize(660, 452);
    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(titled(QStringLiteral("Load game"), selectionPage()));
    m_pages->addWidget(titled(QStringLiteral("Game data"), gameDataPage()));
    m_timesHolder = new QWidget;
    m_pages->addWidget(titled(QStringLiteral("Players min"), m_timesHolder));
    m_pages->addWidget(titled(QStringLiteral("End game"), endPage()));
    layout->addWidget(m_pages, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_back = new QPushButton(QStringLiteral("&Back"), this);
    m_back->setObjectName(QStringLiteral("bbBack"));
    m_next = new QPushButton(QStringLiteral("&Next"), this);
    m_next->setObjectName(QStringLiteral("bbNext"));
    m_next->setDefault(true);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    layout->addLayout(buttons);
    connect(m_next, &QPushButton::clicked, this, &TfrmLoadPlay::next);
    connect(m_back, &QPushButton::clicked, this, &TfrmLoadPlay::back);
    TFormTranslator(m_translator).TranslateForm(this);
    refresh();
}

TfrmLoadPlay::~TfrmLoadPlay() = default;

QWidget *TfrmLoadPlay::selectionPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    m_games = new QTableWidget(0, 4, page);
    m_games->setObjectName(QStringLiteral("dbgGames"));
    m_games->setHorizontalHeaderLabels({QString::fromUtf8("Könyvtár"), QStringLiteral("Hazai csapat"),
                                        QString::fromUtf8("Vendég csapat"), QString::fromUtf8("M kód")});
    m_games->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_games->setSelectionMode(QAbstractItemView::SingleSelection);
    m_games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_games->verticalHeader()->hide();
    m_games->setColumnWidth(0, 150);
    m_games->setColumnWidth(1, 170);
    m_games->setColumnWidth(2, 170);
    m_games->horizontalHeader()->setStretchLastSection(true);
    const QList<TSavedGameRow> &rows = m_logic->Rows();
    m_games->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QString cells[] = {rows[r].Folder, rows[r].HomeTeam, rows[r].AwayTeam, rows[r].Code};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (!rows[r].Problem.isEmpty())
                item->setToolTip(rows[r].Problem);
            m_games->setItem(r, c, item);
        }
    }
    if (m_logic->Selected() >= 0)
        m_games->selectRow(m_logic->Selected());
    column->addWidget(m_games, 1);
    m_online = new QCheckBox(QStringLiteral("Online game"), page);
    m_online->setObjectName(QStringLiteral("cbOnline"));
    column->addWidget(m_online);
    m_resendAll = new QRadioButton(QStringLiteral("Resend all data"), page);
    m_resendAll->setObjectName(QStringLiteral("rbResendAll"));
    m_resendMissing = new QRadioButton(QStringLiteral("Resend the missing data"), page);
    m_resendMissing->setObjectName(QStringLiteral("rbResendMissing"));
    auto *choices = new QHBoxLayout;
    choices->addWidget(m_resendAll);
    choices->addWidget(m_resendMissing);
    choices->addStretch(1);
    column->addLayout(choices);
    connect(m_games, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_refreshing)
            m_logic->Select(row);
    });
    connect(m_games, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_logic->NextEnabled())
            next();
    });
    connect(m_online, &QCheckBox::toggled, this, [this](bool on) {
        m_logic->SetOnline(on);
        refresh();
    });
    connect(m_resendAll, &QRadioButton::toggled, this, [this](bool on) {
        if (!m_refreshing)
            m_logic->SetResendAll(on);
    });
    return page;
}

QWidget *TfrmLoadPlay::gameDataPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto edit = [&](const char *name, int maxLength, bool digits) {
        auto *e = new QLineEdit(page);
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(maxLength);
        if (digits)
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), e));
        return e;
    };
    m_date = edit("edMerkozesDatum", 15, false);
    m_time = edit("edMerkozesIdoPont", 15, false);
    m_attendance = edit("edNezokSzama", 9, true);
    m_income = edit("edBevetel", 15, true);
    const std::pair<const char *, QLineEdit *> edits[] = {
        {"Date of game", m_date}, {"Time of game", m_time}, {"Croud", m_attendance}, {"Income", m_income}};
    int row = 0;
    for (const auto &[label, e] : edits) {
        grid->addWidget(new QLabel(QLatin1String(label), page), row, 0);
        grid->addWidget(e, row++, 1);
    }
    const char *names[] = {"cbStaffReferee1", "cbStaffReferee2", "cbStaffReferee3",
                           "cbStaffCoach1",   "cbStaffCoach2",   "cbStaffStadium"};
    const char *labels[] = {"Referee", "Referee", "Referee", "Home coach", "Away coach", "Stadium"};
    const QStringList *choices[] = {&m_logic->Referees, &m_logic->Referees, &m_logic->Referees,
                                    &m_logic->Coaches,  &m_logic->Coaches,  &m_logic->Stadiums};
    for (int i = 0; i < 6; ++i) {
        auto *box = new QComboBox(page);
        box->setObjectName(QLatin1String(names[i]));
        box->setEditable(true);
        box->addItems(*choices[i]);
        m_staff[i] = box;
        grid->addWidget(new QLabel(QLatin1String(labels[i]), page), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->setRowStretch(row, 1);
    return page;
}

QWidget *TfrmLoadPlay::endPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    for (int i = 0; i < 2; ++i) {
        m_endNames[i] = boldLabel(QString(), page);
        m_endNames[i]->setObjectName(QStringLiteral("lblCsapat%1Nev").arg(i + 1));
        m_endPoints[i] = boldLabel(QString(), page);
        m_endPoints[i]->setObjectName(QStringLiteral("lblCsapat%1Vegeredmeny").arg(i + 1));
        m_endPoints[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_endNames[i], i, 0);
        grid->addWidget(m_endPoints[i], i, 1);
    }
    m_print = new QPushButton(QStringLiteral("Print"), page);
    m_print->setObjectName(QStringLiteral("SpeedButton1"));
    m_send = new QPushButton(QStringLiteral("Send data"), page);
    m_send->setObjectName(QStringLiteral("sbSendData"));
    grid->addWidget(m_print, 2, 0);
    grid->addWidget(m_send, 2, 1);
    grid->setRowStretch(3, 1);
    connect(m_print, &QPushButton::clicked, this, [this] { m_logic->Print(); });
    connect(m_send, &QPushButton::clicked, this, [this] {
        m_send->setEnabled(false);
        m_logic->SendData();
        m_send->setEnabled(m_logic->SendDataEnabled());
    });
    return page;
}

void TfrmLoadPlay::refresh()
{
    m_refreshing = true;
    m_pages->setCurrentIndex(pageOf(m_logic->Step()));
    switch (m_logic->Step()) {
    case TLoadPlayLogic::Selection:
        m_online->setChecked(m_logic->Online());
        m_resendAll->setEnabled(m_logic->ResendEnabled());
        m_resendMissing->setEnabled(m_logic->ResendEnabled());
        (m_logic->ResendAll() ? m_resendAll : m_resendMissing)->setChecked(true);
        break;
    case TLoadPlayLogic::GameData: {
        const TGameDataLogic::TFields &f = m_logic->Fields;
        m_date->setText(f.GameDate);
        m_time->setText(f.GameTime);
        m_attendance->setText(f.Attendance);
        m_income->setText(f.Income);
        const QString staff[] = {f.Referee1, f.Referee2, f.Referee3, f.HomeCoach, f.AwayCoach, f.Stadium};
        for (int i = 0; i < 6; ++i)
            m_staff[i]->setCurrentText(staff[i]);
        break;
    }
    case TLoadPlayLogic::PlayedTimes:
        if (!m_times && m_logic->PlayedTimesPage()) {
            m_times = new TPlayedTimePanel(m_logic->PlayedTimesPage()->Logic(), m_timesHolder);
            m_times->setGeometry(0, 0, 623, 340);
            TFormTranslator(m_translator).TranslateForm(m_times);
            m_times->show();
        }
        break;
    case TLoadPlayLogic::EndGame:
        if (m_times) {
            delete m_times;
            m_times = nullptr;
        }
        m_endNames[0]->setText(m_logic->End.HomeName);
        m_endNames[1]->setText(m_logic->End.AwayName);
        m_endPoints[0]->setText(QString::number(m_logic->End.HomePoints));
        m_endPoints[1]->setText(QString::number(m_logic->End.AwayPoints));
        m_print->setEnabled(m_logic->PrintEnabled());
        m_send->setEnabled(m_logic->SendDataEnabled());
        break;
    }
    m_next->setText(m_logic->NextCaption());
    m_next->setEnabled(m_logic->NextEnabled());
    m_back->setEnabled(m_logic->BackEnabled());
    m_refreshing = false;
}

void TfrmLoadPlay::next()
{
    if (m_logic->Step() == TLoadPlayLogic::GameData) {
        TGameDataLogic::TFields &f = m_logic->Fields;
        f.GameDate = m_date->text();
        f.GameTime = m_time->text();
        f.Attendance = m_attendance->text();
        f.Income = m_income->text();
        QString *staff[] = {&f.Referee1, &f.Referee2, &f.Referee3, &f.HomeCoach, &f.AwayCoach, &f.Stadium};
        for (int i = 0; i < 6; ++i)
            *staff[i] = m_staff[i]->currentText();
    }
    m_next->setEnabled(false);
    m_logic->Next();
    if (m_logic->Finished()) {
        accept();
        return;
    }
    refresh();
}

void TfrmLoadPlay::back()
{
    m_logic->Back();
    refresh();
}

void TfrmLoadPlay::closeEvent(QCloseEvent *event)
{
    if (!m_logic->Finished() && !m_logic->RequestClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmLoadPlay::reject()
{
    if (!m_logic->Finished() && !m_logic->RequestClose())
        return;
    QDialog::reject();
}
