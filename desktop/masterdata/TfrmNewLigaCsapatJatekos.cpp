#include "TfrmNewLigaCsapatJatekos.h"

#include "TJoinWidgets.h"

#include <QBoxLayout>
#include <QListWidget>

using namespace TJoinWidgets;

TfrmNewLigaCsapatJatekos::TfrmNewLigaCsapatJatekos(const TDialogContext &context, QWidget *parent)
    : TJoinDialog(context, QStringLiteral("frmNewLigaCsapatJatekos"),
                  QStringLiteral("League -> Team -> Player joining"), parent),
      m_state(context.dm)
{
    m_teams = AddList(this, listRow(), QStringLiteral("Team"), "lbCsapatok");
    connect(m_teams, &QListWidget::currentRowChanged, this,
            [this](int row) { refresh(m_state.ClickTeam(row)); });
    finish({QStringLiteral("Players not in team"), "lbElerhetoJatekosok",
            QStringLiteral("Players of the team"), "lbCsapatJatekosok", "sbAddJatekos", "sbRemoveJatekos"});
}

void TfrmNewLigaCsapatJatekos::refreshOwnLists()
{
    Fill(m_teams, m_state.Teams(), m_state.SelectedTeam());
}
