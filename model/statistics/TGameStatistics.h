#pragma once

#include <QtGlobal>

class TGame;
class TEventList;

// Leads, ties, lead changes and runs of a game, from its made shots in
// recording order. Owned by the game; recomputed on demand.
class TGameStatistics
{
public:
    explicit TGameStatistics(const TGame &game) : m_game(game) {}

    qint32 MaxLead = 0; // largest home − away difference, 0 or more
    qint32 MinLead = 0; // smallest home − away difference, 0 or less
    qint32 Ties = 0;
    qint32 LeadChanges = 0;
    qint32 MaxHomeRun = 0; // most points the home team scored in a row
    qint32 MaxAwayRun = 0;

    // Recomputes the six values from the game's RecordedEvents.
    void Compute();
    void Compute(const TEventList &recorded);

private:
    const TGame &m_game;
};
