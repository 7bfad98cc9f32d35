#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Reads back the first worksheet of an .xlsx file as the tests need it:
// each cell's type, value, formula, bold font and number format. Only the
// parts a workbook of one sheet holds are read; zlib inflates the entries.
struct XlsxCell
{
    bool IsNumber = false;
    bool IsText = false;
    double Number = 0;
    QString Text;
    QString Formula;
    QString Cached; // a formula's stored result
    bool Bold = false;
    QString NumberFormat;
};

class XlsxBook
{
public:
    bool Open(const QString &file, QString *error);
    QString SheetName;
    QMap<QString, XlsxCell> Cells; // by name, "B7"
    // The cell or an empty one.
    XlsxCell Cell(const QString &name) const { return Cells.value(name); }
    // The stored bytes of an entry of the archive; empty when absent.
    QByteArray Entry(const QString &name) const { return m_entries.value(name); }

private:
    QMap<QString, QByteArray> m_entries;
};
