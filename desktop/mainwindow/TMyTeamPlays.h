#pragma once

#include <QDate>
#include <QList>
#include <QStringList>

class TdmMain;

// The upcoming games of the operator's own team, as the main window and the
// "My Team plays" dialog list them.
class TMyTeamPlays
{
public:
    // Column captions, untranslated.
    static QStringList Columns();
    // One row per game of team myTeam dated today or later, the soonest
    // first: home team, away team, date, time, game code. No team chosen (negative) lists nothing.
    static QList<QStringList> Rows(TdmMain &dm, int myTeam, const QDate &today);
};
