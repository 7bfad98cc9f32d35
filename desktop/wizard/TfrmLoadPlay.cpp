#include "TfrmLoadPlay.h"

#include "desktop/text/TFormTranslator.h"
#include "model/services/Services.h"

#include <QCheckBox>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Steps 1, 3, 4 and 5 on the pages 0 to 3.
int pageOf(TLoadPlayLogic::TStep step)
{
    return step == TLoadPlayLogic::Selection ? 0 : int(step) - 2;
}

} // namespace

TfrmLoadPlay::TfrmLoadPlay(const TWizardServices &services, QWidget *parent)
    : TWizardWindow(services.Translator, parent), m_logic(std::make_unique<TLoadPlayLogic>(services))
{
    setSteps(*m_logic);
    QVBoxLayout *layout = frame("frmLoadPlay", QStringLiteral("Load game"));
    m_pages->addWidget(titled(QStringLiteral("Load game"), selectionPage()));
    m_pages->addWidget(titled(QStringLiteral("Game data"),
                              gameDataPage(m_logic->Referees, m_logic->Coaches, m_logic->Stadiums, false)));
    m_pages->addWidget(titled(QStringLiteral("Players min"), playedTimesPage()));
    m_pages->addWidget(titled(QStringLiteral("End game"), endPage()));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    addNavigation(buttons, QStringLiteral("&Back"), "bbBack", QStringLiteral("&Next"), "bbNext");
    layout->addLayout(buttons);
    TFormTranslator(m_translator).TranslateForm(this);
    refresh();
}

TfrmLoadPlay::~TfrmLoadPlay() = default;

QWidget *TfrmLoadPlay::selectionPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    m_games = new QTableWidget(0, 7, page);
    m_games->setObjectName(QStringLiteral("dbgGames"));
    m_games->setHorizontalHeaderLabels({QString::fromUtf8("Könyvtár"), QStringLiteral("Hazai csapat"),
                                        QString::fromUtf8("Vendég csapat"), QString::fromUtf8("M kód"),
                                        QString::fromUtf8("Dátum"), QString::fromUtf8("Eredmény"),
                                        QString::fromUtf8("Állapot")});
    m_games->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_games->setSelectionMode(QAbstractItemView::SingleSelection);
    m_games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_games->verticalHeader()->hide();
    // The short columns as wide as their texts, the names share the rest.
    for (int c = 1; c < 7; ++c)
        m_games->horizontalHeader()->setSectionResizeMode(c, c < 3 ? QHeaderView::Stretch
                                                                   : QHeaderView::ResizeToContents);
    m_games->setColumnWidth(0, 88);
    const QList<TSavedGameRow> &rows = m_logic->Rows();
    m_games->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const TSavedGameRow &row = rows[r];
        const QString cells[] = {
            row.Folder,
            row.HomeTeam,
            row.AwayTeam,
            row.Code,
            row.Date,
            TLoadPlayLogic::ScoreOf(row),
            m_translator.Translate(TLoadPlayLogic::StateOf(row), QStringLiteral("FORM"))};
        const bool damaged = !row.Problem.isEmpty();
        for (int c = 0; c < 7; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            // A damaged folder stands out, its reason a pointer away.
            if (damaged) {
                item->setToolTip(row.Problem);
                item->setForeground(QColor(176, 0, 0));
            }
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
    case TLoadPlayLogic::GameData:
        showFields(m_logic->Fields);
        break;
    case TLoadPlayLogic::PlayedTimes:
        openPlayedTimes(m_logic->PlayedTimesPage());
        break;
    case TLoadPlayLogic::EndGame:
        showEnd(m_logic->End);
        break;
    }
    showNavigation();
    m_refreshing = false;
}

void TfrmLoadPlay::storePage()
{
    if (m_logic->Step() == TLoadPlayLogic::GameData)
        readFields(m_logic->Fields);
}
