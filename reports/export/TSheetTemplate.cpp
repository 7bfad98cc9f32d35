#include "TSheetTemplate.h"

#include "model/services/Services.h"

#include <QFile>
#include <QStringList>

namespace {

struct TToken
{
    QString Text;
    bool Quoted = false;
};

// Words and quoted texts; false with a message for an unterminated quote.
bool tokenize(const QString &line, QList<TToken> &tokens, QString &problem)
{
    int i = 0;
    const int n = line.size();
    while (i < n) {
        const QChar c = line.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('#') && tokens.isEmpty())
            return true;
        TToken token;
        if (c == QLatin1Char('"')) {
            token.Quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                if (line.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && line.at(i + 1) == QLatin1Char('"')) {
                        token.Text += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                token.Text += line.at(i++);
            }
            if (!closed) {
                problem = QStringLiteral("a text without its closing quote");
                return false;
            }
            if (i < n && !line.at(i).isSpace()) {
                problem = QStringLiteral("a closing quote not followed by a blank");
                return false;
            }
        } else {
            while (i < n && !line.at(i).isSpace())
                token.Text += line.at(i++);
        }
        tokens.append(token);
    }
    return true;
}

struct TRange
{
    int Top = 0, Left = 0, Bottom = 0, Right = 0;
};

bool parseRange(const QString &text, TRange &range)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return false;
    if (!TSpreadsheet::ParseCell(parts.first(), range.Top, range.Left))
        return false;
    range.Bottom = range.Top;
    range.Right = range.Left;
    if (parts.size() == 2 && !TSpreadsheet::ParseCell(parts.last(), range.Bottom, range.Right))
        return false;
    return range.Top <= range.Bottom && range.Left <= range.Right;
}

bool parseColumns(const QString &text, int &first, int &last)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return false;
    first = TSpreadsheet::ColumnIndex(parts.first());
    last = parts.size() == 2 ? TSpreadsheet::ColumnIndex(parts.last()) : first;
    return first >= 0 && last >= first;
}

} // namespace

bool TSheetTemplate::Load(const QString &file, TSpreadsheet &sheet, QString *error)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read (%2)").arg(file, f.errorString());
        return false;
    }
    return Parse(f.readAll(), file, sheet, error);
}

bool TSheetTemplate::Parse(const QByteArray &text, const QString &fileName, TSpreadsheet &sheet,
                           QString *error)
{
    TSpreadsheet result = sheet;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (int lineNumber = 1; lineNumber <= lines.size(); ++lineNumber) {
        QString line = lines.at(lineNumber - 1);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QString problem;
        QList<TToken> tokens;
        auto fail = [&](const QString &what) {
            if (error)
                *error = QStringLiteral("%1:%2: %3").arg(fileName).arg(lineNumber).arg(what);
            return false;
        };
        if (!tokenize(line, tokens, problem))
            return fail(problem);
        if (tokens.isEmpty())
            continue;
        const QString keyword = tokens.first().Text;
        auto needs = [&](int count, bool lastQuoted) {
            if (tokens.size() != count) {
                problem = QStringLiteral("\"%1\" takes %2 values").arg(keyword).arg(count - 1);
                return false;
            }
            if (lastQuoted != tokens.last().Quoted) {
                problem = lastQuoted ? QStringLiteral("\"%1\" needs its text in double quotes").arg(keyword)
                                     : QStringLiteral("\"%1\" takes no quoted text").arg(keyword);
                return false;
            }
            return true;
        };
        if (tokens.first().Quoted)
            return fail(QStringLiteral("a line starts with a keyword, not a text"));

        if (keyword == QLatin1String("sheet")) {
            if (!needs(2, true))
                return fail(problem);
            if (tokens[1].Text.isEmpty() || tokens[1].Text.size() > 31)
                return fail(QStringLiteral("a sheet name has 1 to 31 characters"));
            result.SheetName = tokens[1].Text;
            continue;
        }
        if (keyword == QLatin1String("width")) {
            if (!needs(3, false))
                return fail(problem);
            int first = 0, last = 0;
            if (!parseColumns(tokens[1].Text, first, last))
                return fail(
                    QStringLiteral("\"%1\" is not a column or a range of columns").arg(tokens[1].Text));
            bool ok = false;
            const double width = tokens[2].Text.toDouble(&ok);
            if (!ok || width < 0 || width > 255)
                return fail(QStringLiteral("\"%1\" is not a column width (0 to 255)").arg(tokens[2].Text));
            for (int c = first; c <= last; ++c)
                result.ColumnWidths[c] = width;
            continue;
        }
        if (keyword == QLatin1String("print")) {
            if (!needs(2, false))
                return fail(problem);
            if (tokens[1].Text != QLatin1String("landscape") && tokens[1].Text != QLatin1String("portrait"))
                return fail(QStringLiteral("\"print\" takes landscape or portrait"));
            result.Landscape = tokens[1].Text == QLatin1String("landscape");
            continue;
        }
        if (keyword == QLatin1String("align")) {
            if (!needs(3, false))
                return fail(problem);
            TRange range;
            if (!parseRange(tokens[1].Text, range))
                return fail(QStringLiteral("\"%1\" is not a cell or a range of cells").arg(tokens[1].Text));
            const QStringList names{QStringLiteral("left"), QStringLiteral("center"),
                                    QStringLiteral("right")};
            const int index = int(names.indexOf(tokens[2].Text));
            if (index < 0)
                return fail(QStringLiteral("\"align\" takes left, center or right"));
            for (int r = range.Top; r <= range.Bottom; ++r)
                for (int c = range.Left; c <= range.Right; ++c)
                    result.SetAlignment(r, c, TSheetCell::TAlign(index + 1));
            continue;
        }
        const bool known = keyword == QLatin1String("text") || keyword == QLatin1String("number") ||
                           keyword == QLatin1String("formula") || keyword == QLatin1String("format") ||
                           keyword == QLatin1String("bold");
        if (!known)
            return fail(QStringLiteral("unknown statement \"%1\"").arg(keyword));
        const bool bold = keyword == QLatin1String("bold");
        const bool number = keyword == QLatin1String("number");
        if (!needs(bold ? 2 : 3, !bold && !number))
            return fail(problem);
        TRange range;
        if (!parseRange(tokens[1].Text, range))
            return fail(QStringLiteral("\"%1\" is not a cell or a range of cells").arg(tokens[1].Text));
        double value = 0;
        if (number) {
            bool ok = false;
            value = tokens[2].Text.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not a number").arg(tokens[2].Text));
        }
        if (keyword == QLatin1String("formula") && !tokens[2].Text.startsWith(QLatin1Char('=')))
            return fail(QStringLiteral("a formula starts with \"=\""));
        for (int r = range.Top; r <= range.Bottom; ++r)
            for (int c = range.Left; c <= range.Right; ++c) {
                if (bold)
                    result.SetBold(r, c);
                else if (number)
                    result.SetNumber(r, c, value);
                else if (keyword == QLatin1String("text"))
                    result.SetText(r, c, tokens[2].Text);
                else if (keyword == QLatin1String("format"))
                    result.SetNumberFormat(r, c, tokens[2].Text);
                else {
                    QString formula = tokens[2].Text;
                    result.SetFormula(r, c, formula.replace(QLatin1String("{r}"), QString::number(r + 1)));
                }
            }
    }
    sheet = std::move(result);
    return true;
}

void TSheetTemplate::Translate(TSpreadsheet &sheet, ITranslator &translator)
{
    const QString type = QStringLiteral("PRINT");
    if (!sheet.SheetName.isEmpty())
        sheet.SheetName = translator.Translate(sheet.SheetName, type);
    for (const auto &[place, cell] : sheet.Cells())
        if (cell.Kind == TSheetCell::TKind::Text && !cell.Text.trimmed().isEmpty())
            sheet.SetText(place.first, place.second, translator.Translate(cell.Text, type));
}
