#pragma once

#include "reports/document/TReportDocument.h"

#include <QStringList>
#include <QTextStream>

struct TReportRequest;

// "report roster": the roster sheet with the players' stored notes and the
// team and coach notes of --team-note home|away=TEXT and --coach-note.
bool TakeRosterOptions(QStringList &args, QTextStream &err);
// The notes given into the request; a note not given is empty.
void SetRosterChoices(TReportRequest &request);
