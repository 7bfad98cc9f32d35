#pragma once

#include "reports/document/TReportDocument.h"

#include <QStringList>
#include <QTextStream>

class TCliGame;

// "report roster": the roster sheet with the players' stored notes and the
// team and coach notes of --team-note home|away=TEXT and --coach-note.
bool TakeRosterOptions(QStringList &args, QTextStream &err);
TReportDocument RosterReport(TCliGame &session);
