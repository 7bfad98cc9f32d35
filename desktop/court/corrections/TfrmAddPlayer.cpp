#include "TfrmAddPlayer.h"

#include "desktop/text/TFormTranslator.h"
#include "model/corrections/IRosterSource.h"
#include "model/corrections/TAddPlayerLogic.h"
#include "model/game/TTeam.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TfrmAddPlayer::TfrmAddPlayer(TAddPlayerLogic &logic, IRosterSource *roster, ITranslator *translator,
                             QWidget *parent)
    : QDialog(parent), m_logic(logic), m_roster(roster)
{
    setObjectName(QStringLiteral("frmAddPlayer"));
    setWindowTitle(QStringLiteral("Add Player"));
    setFixedSize(540, 420);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto list = [this, &fixed](const char *name, const QString &caption, const QRect &place) {
        auto *label = new QLabel(caption, this);
        label->setGeometry(place.left(), place.top() - 20, place.width(), 18);
        auto *l = new QListWidget(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->setFont(fixed);
        return l;
    };
    m_players = list("lbNevezettJatekosok", QStringLiteral("Players"), QRect(8, 28, 220, 336));
    m_starting = list("lbKezdoJatekosok", QStringLiteral("Starting players"), QRect(312, 28, 220, 76));
    m_substitutes = list("lbCsereJatekosok", QStringLiteral("Substitute players"), QRect(312, 132, 220, 232));
    m_starting->setSelectionMode(QAbstractItemView::NoSelection);
    m_starting->setFocusPolicy(Qt::NoFocus);

    auto button = [this](const char *name, const QString &text, int y) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(240, y, 60, 30);
        b->setAutoDefault(false);
        return b;
    };
    m_add = button("sbCsereJatekosAdd", QStringLiteral(">"), 150);
    m_remove = button("sbCsereJatekosRemove", QStringLiteral("<"), 190);
    QPushButton *create = button("spAddPlayer", QStringLiteral("I"), 250);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry(348, 380, 88, 30);
    ok->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(444, 380, 88, 30);
    cancel->setAutoDefault(false);

    // A click changes the selection and the buttons, never the lists under the pointer.
    connect(m_players, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_refreshing) {
            m_logic.SelectPlayer(row);
            buttons();
        }
    });
    connect(m_substitutes, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_refreshing) {
            m_logic.SelectSubstitute(row);
            buttons();
        }
    });
    connect(m_players, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_logic.DoubleClickPlayer(m_players->row(item));
        refresh();
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_logic.Move();
        refresh();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_logic.Remove();
        refresh();
    });
    connect(create, &QPushButton::clicked, this, &TfrmAddPlayer::createPlayer);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    for (const QString &text : m_logic.StartingPlayers())
        m_starting->addItem(text);
    if (translator)
        TFormTranslator(*translator).TranslateForm(this);
    refresh();
}

void TfrmAddPlayer::refresh()
{
    m_refreshing = true;
    m_players->clear();
    for (const TAddPlayerLogic::TEntry &e : m_logic.Players())
        m_players->addItem(e.Text);
    m_players->setCurrentRow(m_logic.SelectedPlayer());
    m_substitutes->clear();
    for (const TAddPlayerLogic::TEntry &e : m_logic.Substitutes())
        m_substitutes->addItem(e.Text);
    m_substitutes->setCurrentRow(m_logic.SelectedSubstitute());
    m_refreshing = false;
    buttons();
}

void TfrmAddPlayer::buttons()
{
    m_add->setEnabled(m_logic.MoveEnabled());
    m_remove->setEnabled(m_logic.RemoveEnabled());
}

void TfrmAddPlayer::createPlayer()
{
    TPlayer candidate;
    if (m_roster && m_roster->CreatePlayer(m_logic.Team(), &candidate))
        m_logic.AddCandidate(candidate);
    refresh();
}
