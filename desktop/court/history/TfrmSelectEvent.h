#pragma once

#include "workflow/history/THistoryChoices.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Select event": the events a history can be filtered by; OK once one is chosen.
class TfrmSelectEvent : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSelectEvent(const QList<THistoryChoice> &events, QWidget *parent = nullptr);

    int Value() const;
    QListWidget *List() const { return m_list; }
    QPushButton *OkButton() const { return m_ok; }

private:
    QList<THistoryChoice> m_events;
    QListWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
};
