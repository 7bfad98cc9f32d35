#include "TXlsxWriter.h"

#include "TSheetFormula.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <map>
#include <tuple>
#include <xlsxwriter.h>

namespace {

// Sheet names may not hold []:*?/\ and have at most 31 characters.
QString safeSheetName(const QString &name)
{
    QString out;
    for (const QChar c : name)
        out += QStringLiteral("[]:*?/\\").contains(c) ? QLatin1Char('_') : c;
    out = out.left(31);
    return out.isEmpty() ? QStringLiteral("Sheet1") : out;
}

} // namespace

bool TXlsxWriter::Write(const TSpreadsheet &sheet, const QString &file, QString *error)
{
    auto fail = [&](const QString &what) {
        if (error)
            *error = what;
        return false;
    };
    const QFileInfo target(file);
    if (!target.absoluteDir().exists())
        return fail(QStringLiteral("%1: the folder does not exist").arg(file));
    // A name of our own in the target's folder, so the rename stays on one file system.
    QString part;
    {
        QTemporaryFile reserve(
            target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
        reserve.setAutoRemove(false);
        if (!reserve.open())
            return fail(
                QStringLiteral("%1: cannot write in its folder (%2)").arg(file, reserve.errorString()));
        part = reserve.fileName();
    }
    const QByteArray partName = QFile::encodeName(part);
    lxw_workbook *book = workbook_new(partName.constData());
    if (!book) {
        QFile::remove(part);
        return fail(QStringLiteral("%1: the workbook cannot be created").arg(file));
    }
    const QByteArray sheetName = safeSheetName(sheet.SheetName).toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(book, sheetName.constData());
    for (auto it = sheet.ColumnWidths.cbegin(); it != sheet.ColumnWidths.cend(); ++it)
        worksheet_set_column(ws, lxw_col_t(it.key()), lxw_col_t(it.key()), it.value(), nullptr);

    if (sheet.Landscape)
        worksheet_set_landscape(ws);
    worksheet_fit_to_pages(ws, 1, 0);

    std::map<std::tuple<bool, QString, int>, lxw_format *> formats;
    auto formatOf = [&](const TSheetCell &c) -> lxw_format * {
        if (!c.Bold && c.NumberFormat.isEmpty() && c.Alignment == TSheetCell::TAlign::General)
            return nullptr;
        lxw_format *&f = formats[{c.Bold, c.NumberFormat, int(c.Alignment)}];
        if (!f) {
            f = workbook_add_format(book);
            if (c.Bold)
                format_set_bold(f);
            if (!c.NumberFormat.isEmpty())
                format_set_num_format(f, c.NumberFormat.toUtf8().constData());
            const uint8_t aligns[] = {LXW_ALIGN_NONE, LXW_ALIGN_LEFT, LXW_ALIGN_CENTER, LXW_ALIGN_RIGHT};
            if (c.Alignment != TSheetCell::TAlign::General)
                format_set_align(f, aligns[int(c.Alignment)]);
        }
        return f;
    };
    lxw_error result = LXW_NO_ERROR;
    for (const auto &[place, c] : sheet.Cells()) {
        const lxw_row_t row = lxw_row_t(place.first);
        const lxw_col_t col = lxw_col_t(place.second);
        lxw_format *format = formatOf(c);
        lxw_error e = LXW_NO_ERROR;
        switch (c.Kind) {
        case TSheetCell::TKind::Number:
            e = worksheet_write_number(ws, row, col, c.Number, format);
            break;
        case TSheetCell::TKind::Text:
            e = c.Text.isEmpty() ? worksheet_write_blank(ws, row, col, format)
                                 : worksheet_write_string(ws, row, col, c.Text.toUtf8().constData(), format);
            break;
        case TSheetCell::TKind::Formula: {
            // The result goes along for programs that show stored results.
            const QVariant result = TSheetFormula::Evaluate(sheet, place.first, place.second);
            const QByteArray formula = c.Text.toUtf8();
            if (result.typeId() == QMetaType::Double)
                e = worksheet_write_formula_num(ws, row, col, formula.constData(), format, result.toDouble());
            else if (result.typeId() == QMetaType::QString)
                e = worksheet_write_formula_str(ws, row, col, formula.constData(), format,
                                                result.toString().toUtf8().constData());
            else
                e = worksheet_write_formula(ws, row, col, formula.constData(), format);
            break;
        }
        case TSheetCell::TKind::Empty:
            e = worksheet_write_blank(ws, row, col, format);
            break;
        }
        if (e != LXW_NO_ERROR && result == LXW_NO_ERROR)
            result = e;
    }
    const lxw_error closed = workbook_close(book);
    if (result == LXW_NO_ERROR)
        result = closed;
    if (result != LXW_NO_ERROR) {
        QFile::remove(part);
        return fail(QStringLiteral("%1: %2").arg(file, QString::fromUtf8(lxw_strerror(result))));
    }
    // The temporary file was made private; the workbook is an ordinary document.
    QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(partName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        QFile::remove(part);
        return fail(QStringLiteral("%1: cannot be replaced").arg(file));
    }
    return true;
}
