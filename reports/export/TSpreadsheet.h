#pragma once

#include <QMap>
#include <QString>
#include <map>
#include <utility>

// One cell of a sheet: a number, a text or a formula, with its font weight
// and number format.
struct TSheetCell
{
    enum class TKind
    {
        Empty,
        Number,
        Text,
        Formula
    };
    TKind Kind = TKind::Empty;
    double Number = 0;
    QString Text; // the text, or the formula with its leading "="
    bool Bold = false;
    QString NumberFormat;
    enum class TAlign
    {
        General,
        Left,
        Center,
        Right
    };
    TAlign Alignment = TAlign::General;

    bool operator==(const TSheetCell &o) const = default;
};

// A worksheet in memory: the template's cells first, the data written over
// them, then the whole sheet written out in one pass. Rows and columns count
// from 0 here; cell names ("AB12") count rows from 1 as spreadsheets do.
class TSpreadsheet
{
public:
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    QString SheetName;
    QMap<int, double> ColumnWidths;
    // Printed across the page; the sheet is always printed one page wide.
    bool Landscape = false;

    // A written value keeps the cell's bold and number format.
    void SetNumber(int row, int column, double value);
    void SetText(int row, int column, const QString &text);
    void SetFormula(int row, int column, const QString &formula);
    void SetBold(int row, int column, bool bold = true);
    void SetNumberFormat(int row, int column, const QString &format);
    void SetAlignment(int row, int column, TSheetCell::TAlign alignment);

    // The cell, or null when nothing was ever set there.
    const TSheetCell *Cell(int row, int column) const;
    const TSheetCell *Cell(const QString &name) const;
    const std::map<std::pair<int, int>, TSheetCell> &Cells() const { return m_cells; }

    // "A" = 0, "Z" = 25, "AA" = 26; -1 for anything else.
    static int ColumnIndex(const QString &letters);
    static QString ColumnName(int column);
    static QString CellName(int row, int column);
    // "B7" -> row 6, column 1; false for a malformed or out-of-range name.
    static bool ParseCell(const QString &name, int &row, int &column);

private:
    TSheetCell &at(int row, int column) { return m_cells[{row, column}]; }
    std::map<std::pair<int, int>, TSheetCell> m_cells;
};
