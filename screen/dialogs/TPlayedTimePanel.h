#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class TPlayedTimeLogic;
class TframePercJavitas;

// The played times of "Set played time" and of both wizards: the two scroll
// boxes of correction frames and the team totals, white when they fit the clock.
class TPlayedTimePanel : public QWidget
{
    Q_OBJECT

public:
    // Where the away column starts, how tall the boxes are and where the totals stand.
    struct TLayout
    {
        int AwayLeft;
        int BoxHeight;
        int TotalsTop;
    };

    TPlayedTimePanel(TPlayedTimeLogic &logic, const TLayout &layout, QWidget *parent = nullptr);

    // Stores the frames' values in the logic and shows both totals.
    void UpdateTotals();

private:
    TPlayedTimeLogic &m_logic;
    QList<TframePercJavitas *> m_frames;
    QLineEdit *m_totals[2] = {};
};
