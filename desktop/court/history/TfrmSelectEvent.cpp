#include "TfrmSelectEvent.h"

#include "THistoryDialogParts.h"

#include <QListWidget>

TfrmSelectEvent::TfrmSelectEvent(const QList<THistoryChoice> &events, QWidget *parent)
    : QDialog(parent), m_events(events)
{
    setObjectName(QStringLiteral("frmSelectEvent"));
    setWindowTitle(QStringLiteral("Select event"));
    m_list = HistoryDialogParts::ChoiceList(this, QStringLiteral("lbEsemenyek"), events);
    m_ok = HistoryDialogParts::OkCancel(this, m_list);
}

int TfrmSelectEvent::Value() const
{
    const int row = HistoryDialogParts::ChosenRow(m_list);
    return row >= 0 && row < m_events.size() ? m_events[row].Value : 0;
}
