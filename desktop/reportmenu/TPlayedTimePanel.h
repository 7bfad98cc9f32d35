#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class TPlayedTimeLogic;
class TframePercJavitas;

// The played times of "Set played time" and of both wizards: the two scroll
// boxes of correction frames and the team totals, white when they fit the
// clock and otherwise with the total they should have beside them.
class TPlayedTimePanel : public QWidget
{
    Q_OBJECT

public:
    // Where the away column starts, how tall the boxes are and where the
    // totals stand; the panel needs 70 pixels below TotalsTop.
    struct TLayout
    {
        int AwayLeft;
        int BoxHeight;
        int TotalsTop;
    };

    TPlayedTimePanel(TPlayedTimeLogic &logic, const TLayout &layout, QWidget *parent = nullptr);

    // Stores the frames' values in the logic and shows both totals; called
    // once the panel's captions are translated, and on every change.
    void UpdateTotals();
    // False, with the reason shown and the field focused, while a typed
    // time is not a playing time.
    bool CheckInput();
    const QList<TframePercJavitas *> &Frames() const { return m_frames; }

private:
    void updateTotals(bool messages);

    TPlayedTimeLogic &m_logic;
    QList<TframePercJavitas *> m_frames;
    QLineEdit *m_totals[2] = {};
    QLabel *m_expected[2] = {};
    QLabel *m_hint = nullptr;
};
