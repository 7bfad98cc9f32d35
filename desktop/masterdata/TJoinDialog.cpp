#include "TJoinDialog.h"

#include "TJoinWidgets.h"
#include "TProductPicture.h"
#include "desktop/text/TFormTranslator.h"
#include "model/services/Services.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace TJoinWidgets;

TJoinDialog::TJoinDialog(const TDialogContext &context, const QString &objectName, const QString &title,
                         QWidget *parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(objectName);
    setWindowTitle(title);
    m_right = TProductPicture::BesidePicture(this);

    auto *top = new QHBoxLayout;
    auto *leagueLabel = new QLabel(QStringLiteral("League"), this);
    leagueLabel->setObjectName(QStringLiteral("lblLiga"));
    m_league = new QComboBox(this);
    m_league->setObjectName(QStringLiteral("cbLiga"));
    m_league->setMinimumWidth(280);
    leagueLabel->setBuddy(m_league);
    top->addWidget(leagueLabel);
    top->addWidget(m_league, 1);
    m_right->addLayout(top);

    m_lists = new QHBoxLayout;
}

void TJoinDialog::finish(const Captions &captions)
{
    m_available = AddList(this, m_lists, captions.available, captions.availableName);
    auto *arrows = new QVBoxLayout;
    arrows->addStretch(1);
    m_add = AddArrow(this, arrows, QStringLiteral(">"), captions.addName);
    m_remove = AddArrow(this, arrows, QStringLiteral("<"), captions.removeName);
    arrows->addStretch(1);
    m_lists->addLayout(arrows);
    m_members = AddList(this, m_lists, captions.members, captions.membersName);
    m_right->addLayout(m_lists, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(QString::fromUtf8("Kilépés"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    // Enter in a list moves its entry; it must not close the dialog as well.
    close->setAutoDefault(false);
    buttons->addWidget(close);
    m_right->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_league, &QComboBox::activated, this,
            [this](int index) { refresh(joining().SelectLeague(index)); });
    // The entry the arrows move is the list's current one, however it became
    // current: a click, the arrow keys or typing its first letters.
    connect(m_available, &QListWidget::currentRowChanged, this, [this](int row) {
        joining().ClickAvailable(row);
        refresh(true);
    });
    connect(m_members, &QListWidget::currentRowChanged, this, [this](int row) {
        joining().ClickMember(row);
        refresh(true);
    });
    // A double click (or Enter) moves the entry as its arrow does; a second
    // signal for the same click finds no entry chosen and does nothing.
    for (auto signal : {&QListWidget::itemActivated, &QListWidget::itemDoubleClicked}) {
        connect(m_available, signal, this, [this] { refresh(joining().Add()); });
        connect(m_members, signal, this, [this] { refresh(joining().Remove()); });
    }
    connect(m_add, &QToolButton::clicked, this, [this] { refresh(joining().Add()); });
    connect(m_remove, &QToolButton::clicked, this, [this] { refresh(joining().Remove()); });

    refresh(joining().Open());
    TFormTranslator(m_context.translator).TranslateForm(this);
}

void TJoinDialog::refresh(bool ok)
{
    const TJoiningLists &state = joining();
    if (!ok)
        m_context.prompter.ShowError(state.LastError());
    Fill(m_league, state.Leagues(), state.SelectedLeague());
    refreshOwnLists();
    Fill(m_available, state.Available(), state.SelectedAvailable());
    Fill(m_members, state.Members(), state.SelectedMember());
    m_add->setEnabled(state.AddEnabled());
    m_remove->setEnabled(state.RemoveEnabled());
}
