#include "TfrmSelectPlayer.h"

#include "THistoryDialogParts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSelectPlayer::TfrmSelectPlayer(const QString &teamName, const QList<THistoryChoice> &players,
                                   QWidget *parent)
    : QDialog(parent), m_players(players)
{
    setObjectName(QStringLiteral("frmSelectPlayer"));
    setWindowTitle(QStringLiteral("Select player"));
    auto *team = new QLabel(teamName, this);
    team->setObjectName(QStringLiteral("lblCsapatNev"));
    QFont bold = team->font();
    bold.setBold(true);
    team->setFont(bold);
    m_list = HistoryDialogParts::ChoiceList(this, QStringLiteral("lbJatekosok"), players);
    m_ok = HistoryDialogParts::OkCancel(this, m_list);
    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->insertWidget(0, team);
}

int TfrmSelectPlayer::Value() const
{
    const int row = HistoryDialogParts::ChosenRow(m_list);
    return row >= 0 && row < m_players.size() ? m_players[row].Value : -1;
}
