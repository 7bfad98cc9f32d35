#pragma once

#include "model/corrections/TSubstitutionsLogic.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Substitute players & Set time": per team the players available and the
// line-up being composed, ">", "<" and "L5", OK once both line-ups hold
// three players. A thin view of TSubstitutionsLogic; the court screen
// carries the line-ups out after OK. Not translated.
class TfrmSubstitutions : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSubstitutions(TSubstitutionsLogic &logic, QWidget *parent = nullptr);

    QListWidget *List(int side, TSubstitutionsLogic::TListKind kind) const
    {
        return m_lists[(side - 1) * 2 + kind];
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void fillList(int side, TSubstitutionsLogic::TListKind kind);
    bool listOf(QObject *watched, int *side, TSubstitutionsLogic::TListKind *kind) const;

    TSubstitutionsLogic &m_logic;
    QListWidget *m_lists[4] = {};
    QPushButton *m_add[2] = {};
    QPushButton *m_remove[2] = {};
    QPushButton *m_ok = nullptr;
    bool m_refreshing = false;
};
