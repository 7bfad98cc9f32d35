#pragma once

#include "TSpreadsheet.h"

#include <QString>
#include <QVariant>

// Computes the formulas of the templates from the sheet's cells, so the
// workbook carries their results for programs that show stored results
// instead of computing (viewers, converters, LibreOffice by default). The
// spreadsheet program still computes them itself when it recalculates.
//
// Understood: numbers, "texts", cell references (B7), + - * /, unary minus,
// comparisons = <> < > <= >=, parentheses, IF(condition, then[, else]) and
// SUM(range). An empty cell is "" in a comparison with a text and 0 in
// arithmetic, as in spreadsheets.
class TSheetFormula
{
public:
    // The result (a double or a QString) of the formula cell at row and
    // column; an invalid QVariant for anything not understood, a division by
    // zero or a circular reference.
    static QVariant Evaluate(const TSpreadsheet &sheet, int row, int column);
    // The same for a formula text ("=..." or without "=").
    static QVariant Evaluate(const TSpreadsheet &sheet, const QString &formula);
};
