#pragma once

#include "reports/document/TReportDocument.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

class TCliGame;

// The box score variants of `parquetix-cli report`: the edition's box score,
// hebrew, press, quintet and quarters --periods 1,2,... (the game's periods,
// then its overtimes, in playing order).
namespace ReportVariants {

// Takes "--periods LIST" out of the arguments (the ticked periods of the quarter report).
void TakeOptions(QStringList &args);
// The edition's box score.
TReportDocument BoxScore(TCliGame &session);
// The documents of one of the variant names; false for another name, or
// with the reason in error for a period choice the game cannot report.
bool Build(const QString &name, TCliGame &session, std::vector<TReportDocument> &documents,
           QString *error = nullptr);

} // namespace ReportVariants
