#include "TfrmNewLigaCsapatJatekos.h"

#include "masterdata/dialogs/TJoinWidgets.h"
#include "masterdata/dialogs/TProductPicture.h"
#include "model/Services.h"
#include "screen/text/TFormTranslator.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace TJoinWidgets;

TfrmNewLigaCsapatJatekos::TfrmNewLigaCsapatJatekos(const TDialogContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), m_state(context.dm)
{
    setObjectName(QStringLiteral("frmNewLigaCsapatJatekos"));
    setWindowTitle(QStringLiteral("League -> Team -> Player joining"));
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new TProductPicture(this));
    auto *right = new QVBoxLayout;
    right->setContentsMargins(12, 12, 12, 12);
    outer->addLayout(right, 1);

    auto *top = new QHBoxLayout;
    auto *leagueLabel = new QLabel(QStringLiteral("League"), this);
    leagueLabel->setObjectName(QStringLiteral("lblLiga"));
    m_league = new QComboBox(this);
    m_league->setObjectName(QStringLiteral("cbLiga"));
    m_league->setMinimumWidth(280);
    leagueLabel->setBuddy(m_league);
    top->addWidget(leagueLabel);
    top->addWidget(m_league, 1);
    right->addLayout(top);

    auto *lists = new QHBoxLayout;
    m_teams = AddList(this, lists, QStringLiteral("Team"), "lbCsapatok");
    m_available = AddList(this, lists, QStringLiteral("Players not in team"), "lbElerhetoJatekosok");
    auto *arrows = new QVBoxLayout;
    arrows->addStretch(1);
    m_add = AddArrow(this, arrows, QStringLiteral(">"), "sbAddJatekos");
    m_remove = AddArrow(this, arrows, QStringLiteral("<"), "sbRemoveJatekos");
    arrows->addStretch(1);
    lists->addLayout(arrows);
    m_members = AddList(this, lists, QStringLiteral("Players of the team"), "lbCsapatJatekosok");
    right->addLayout(lists, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(QString::fromUtf8("Kilépés"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    buttons->addWidget(close);
    right->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_league, &QComboBox::activated, this,
            [this](int index) { refresh(m_state.SelectLeague(index)); });
    connect(m_teams, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { refresh(m_state.ClickTeam(m_teams->row(item))); });
    connect(m_available, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_state.ClickAvailable(m_available->row(item));
        refresh(true);
    });
    connect(m_members, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_state.ClickMember(m_members->row(item));
        refresh(true);
    });
    connect(m_add, &QToolButton::clicked, this, [this] { refresh(m_state.Add()); });
    connect(m_remove, &QToolButton::clicked, this, [this] { refresh(m_state.Remove()); });

    refresh(m_state.Open());
    TFormTranslator(context.translator).TranslateForm(this);
}

void TfrmNewLigaCsapatJatekos::refresh(bool ok)
{
    if (!ok)
        m_context.prompter.ShowError(m_state.LastError());
    Fill(m_league, m_state.Leagues(), m_state.SelectedLeague());
    Fill(m_teams, m_state.Teams(), m_state.SelectedTeam());
    Fill(m_available, m_state.Available(), m_state.SelectedAvailable());
    Fill(m_members, m_state.Members(), m_state.SelectedMember());
    m_add->setEnabled(m_state.AddEnabled());
    m_remove->setEnabled(m_state.RemoveEnabled());
}
