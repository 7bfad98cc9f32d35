#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class TPlayedTimeLogic;
class TframePercJavitas;

// The played time page of both wizards: the two scroll boxes of correction
// frames and the team totals, white when they fit the clock.
class TPlayedTimePanel : public QWidget
{
    Q_OBJECT

public:
    TPlayedTimePanel(TPlayedTimeLogic &logic, QWidget *parent = nullptr);

private:
    void totals();

    TPlayedTimeLogic &m_logic;
    QList<TframePercJavitas *> m_frames;
    QLineEdit *m_totals[2] = {};
};
