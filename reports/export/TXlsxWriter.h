#pragma once

#include "TSpreadsheet.h"

#include <QString>

// Writes a sheet as an .xlsx workbook of one worksheet. The workbook is
// written to a temporary file beside the target and renamed over it only
// when complete, so a failure never leaves a half-written file under the
// chosen name. Formulas are stored without results; the spreadsheet program
// computes them when it opens the file.
class TXlsxWriter
{
public:
    static bool Write(const TSpreadsheet &sheet, const QString &file, QString *error);
};
