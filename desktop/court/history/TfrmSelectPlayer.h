#pragma once

#include "workflow/history/THistoryChoices.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Select player": the team's name and its players; OK once one is chosen.
class TfrmSelectPlayer : public QDialog
{
    Q_OBJECT

public:
    TfrmSelectPlayer(const QString &teamName, const QList<THistoryChoice> &players,
                     QWidget *parent = nullptr);

    // The chosen player's value; meaningful after OK.
    int Value() const;
    QListWidget *List() const { return m_list; }
    QPushButton *OkButton() const { return m_ok; }

private:
    QList<THistoryChoice> m_players;
    QListWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
};
