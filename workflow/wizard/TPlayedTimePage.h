#pragma once

#include "workflow/gamedata/TPlayedTimeLogic.h"

#include <QString>

class IPrompter;
class TGame;
class TMessageTable;

// The played time page both wizards share: the correction frames of the
// played time dialog, but a wrong total only warns and the times are stored.
class TPlayedTimePage
{
public:
    TPlayedTimePage(TGame &game, IPrompter &prompter, const TMessageTable &messages);

    TPlayedTimeLogic &Logic() { return m_logic; }
    const TPlayedTimeLogic &Logic() const { return m_logic; }

    // The frame of the side's index-th player, on-court players first (the
    // frames' order); false with the reason when there is none.
    bool SetTime(int side, int index, int quarterMinutes, QString *error);

    // "Tovább": a wrong total is shown and the step goes on; every frame's
    // value becomes its player's playing time. minutesReport: the new game
    // wizard sends the minutes report; recompute: the load wizard recomputes
    // the statistics. Then the game is saved.
    void Store(bool minutesReport, bool recompute);

private:
    TGame &m_game;
    IPrompter &m_prompter;
    const TMessageTable &m_messages;
    TPlayedTimeLogic m_logic;
};

// The end page: both teams' names and points.
struct TEndPage
{
    QString HomeName, AwayName;
    int HomePoints = 0, AwayPoints = 0;
    void Fill(const TGame &game);
};
