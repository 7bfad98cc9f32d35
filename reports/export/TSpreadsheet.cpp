#include "TSpreadsheet.h"

void TSpreadsheet::SetNumber(int row, int column, double value)
{
    TSheetCell &c = at(row, column);
    c.Kind = TSheetCell::TKind::Number;
    c.Number = value;
    c.Text.clear();
}

void TSpreadsheet::SetText(int row, int column, const QString &text)
{
    TSheetCell &c = at(row, column);
    c.Kind = TSheetCell::TKind::Text;
    c.Number = 0;
    c.Text = text;
}

void TSpreadsheet::SetFormula(int row, int column, const QString &formula)
{
    TSheetCell &c = at(row, column);
    c.Kind = TSheetCell::TKind::Formula;
    c.Number = 0;
    c.Text = formula;
}

void TSpreadsheet::SetBold(int row, int column, bool bold)
{
    at(row, column).Bold = bold;
}

void TSpreadsheet::SetNumberFormat(int row, int column, const QString &format)
{
    at(row, column).NumberFormat = format;
}

void TSpreadsheet::SetAlignment(int row, int column, TSheetCell::TAlign alignment)
{
    at(row, column).Alignment = alignment;
}

const TSheetCell *TSpreadsheet::Cell(int row, int column) const
{
    const auto it = m_cells.find({row, column});
    return it == m_cells.end() ? nullptr : &it->second;
}

const TSheetCell *TSpreadsheet::Cell(const QString &name) const
{
    int row = 0, column = 0;
    return ParseCell(name, row, column) ? Cell(row, column) : nullptr;
}

int TSpreadsheet::ColumnIndex(const QString &letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return -1;
    int n = 0;
    for (const QChar ch : letters) {
        const char c = ch.toUpper().toLatin1();
        if (c < 'A' || c > 'Z')
            return -1;
        n = n * 26 + (c - 'A' + 1);
    }
    return n - 1 < MaxColumns ? n - 1 : -1;
}

QString TSpreadsheet::ColumnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(char('A' + (n - 1) % 26)));
    return name;
}

QString TSpreadsheet::CellName(int row, int column)
{
    return ColumnName(column) + QString::number(row + 1);
}

bool TSpreadsheet::ParseCell(const QString &name, int &row, int &column)
{
    int split = 0;
    while (split < name.size() && name.at(split).isLetter())
        ++split;
    if (split == 0 || split == name.size())
        return false;
    const QString digits = name.mid(split);
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool ok = false;
    const int number = digits.toInt(&ok);
    const int col = ColumnIndex(name.left(split));
    if (!ok || number < 1 || number > MaxRows || col < 0)
        return false;
    row = number - 1;
    column = col;
    return true;
}
