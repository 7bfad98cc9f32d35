#include "TqrULEBTeamResultsPress.h"

TqrULEBTeamResultsPress::TqrULEBTeamResultsPress(const TGame &game, ITranslator &translator)
    : TqrULEBTeamResults(game, translator)
{
    m_periodLine = false;
    m_playedValue = false;
    m_blankRunningScore = true;
    m_coachInHeading = false;
    m_headingPanel = false;
    m_coachInTotal = true;
    m_blankValues = true;
}
