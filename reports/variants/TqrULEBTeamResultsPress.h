#pragma once

#include "reports/boxscore/TqrULEBTeamResults.h"

// The press sheet: the box score's frame with the rosters and every value
// left empty, for writing in by hand.
class TqrULEBTeamResultsPress : public TqrULEBTeamResults
{
public:
    TqrULEBTeamResultsPress(const TGame &game, ITranslator &translator);

protected:
    QString reportClass() const override { return QStringLiteral("TqrULEBTeamResultsPress"); }
    QString starterMark() const override { return QString(); }
};
