#pragma once

#include "workflow/gamedata/TPlayedTimeLogic.h"

#include <QDialog>

class TGame;
class TPlayedTimePanel;

// "Set played time": a correction frame per player and the two team totals,
// white when they fit the clock; OK stores them through TPlayedTimeLogic.
class TfrmPlayedTime : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPlayedTime(TGame &game, QWidget *parent = nullptr);

    TPlayedTimeLogic &Logic() { return m_logic; }

private:
    void ok();

    TPlayedTimeLogic m_logic;
    TPlayedTimePanel *m_panel = nullptr;
};
