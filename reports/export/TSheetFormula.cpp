#include "TSheetFormula.h"

#include <QSet>
#include <cmath>

namespace {

// An intermediate value: a number, a text, or an empty cell.
struct TValue
{
    enum class TType
    {
        Number,
        Text,
        Blank,
        Error // #DIV/0!, #VALUE! and the like: passed on, never a syntax fault
    };
    TType Type = TType::Blank;
    double Number = 0;
    QString Text;

    static TValue Of(double n) { return {TType::Number, n, {}}; }
    static TValue Of(const QString &t) { return {TType::Text, 0, t}; }
    static TValue Fault() { return {TType::Error, 0, {}}; }
    bool IsError() const { return Type == TType::Error; }
    double AsNumber() const { return Type == TType::Number ? Number : 0; }
};

class TParser
{
public:
    TParser(const TSpreadsheet &sheet, const QString &text, QSet<std::pair<int, int>> &visiting)
        : m_sheet(sheet), m_text(text), m_visiting(visiting)
    {
    }

    bool Run(TValue &result)
    {
        if (!expression(result))
            return false;
        skip();
        return m_at == m_text.size();
    }

private:
    void skip()
    {
        while (m_at < m_text.size() && m_text.at(m_at).isSpace())
            ++m_at;
    }
    bool take(const QString &token)
    {
        skip();
        if (m_text.mid(m_at, token.size()).compare(token, Qt::CaseInsensitive) != 0)
            return false;
        m_at += token.size();
        return true;
    }

    bool expression(TValue &v)
    {
        if (!additive(v))
            return false;
        static const char *operators[] = {"<>", "<=", ">=", "=", "<", ">"};
        for (const char *op : operators) {
            if (!take(QLatin1String(op)))
                continue;
            TValue right;
            if (!additive(right))
                return false;
            v = v.IsError() || right.IsError() ? TValue::Fault()
                                               : TValue::Of(compare(v, right, QLatin1String(op)) ? 1.0 : 0.0);
            return true;
        }
        return true;
    }

    static bool compare(const TValue &a, const TValue &b, const QString &op)
    {
        int order = 0;
        const bool texts = a.Type == TValue::TType::Text || b.Type == TValue::TType::Text;
        if (texts) {
            // A blank cell equals the empty text; numbers sort before texts.
            if (a.Type == TValue::TType::Number || b.Type == TValue::TType::Number)
                order = a.Type == TValue::TType::Number ? -1 : 1;
            else
                order = QString::compare(a.Text, b.Text, Qt::CaseInsensitive);
        } else {
            const double x = a.AsNumber(), y = b.AsNumber();
            order = x < y ? -1 : (x > y ? 1 : 0);
        }
        if (op == QLatin1String("="))
            return order == 0;
        if (op == QLatin1String("<>"))
            return order != 0;
        if (op == QLatin1String("<"))
            return order < 0;
        if (op == QLatin1String(">"))
            return order > 0;
        if (op == QLatin1String("<="))
            return order <= 0;
        return order >= 0;
    }

    bool additive(TValue &v)
    {
        if (!term(v))
            return false;
        while (true) {
            const bool plus = take(QStringLiteral("+"));
            if (!plus && !take(QStringLiteral("-")))
                return true;
            TValue right;
            if (!term(right))
                return false;
            v = !numeric(v) || !numeric(right)
                    ? TValue::Fault()
                    : TValue::Of(plus ? v.AsNumber() + right.AsNumber() : v.AsNumber() - right.AsNumber());
        }
    }

    bool term(TValue &v)
    {
        if (!unary(v))
            return false;
        while (true) {
            const bool times = take(QStringLiteral("*"));
            if (!times && !take(QStringLiteral("/")))
                return true;
            TValue right;
            if (!unary(right))
                return false;
            if (!numeric(v) || !numeric(right) || (!times && right.AsNumber() == 0))
                v = TValue::Fault();
            else
                v = TValue::Of(times ? v.AsNumber() * right.AsNumber() : v.AsNumber() / right.AsNumber());
        }
    }

    // Arithmetic on a text is an error, as in spreadsheets.
    static bool numeric(const TValue &v) { return v.Type != TValue::TType::Text && !v.IsError(); }

    bool unary(TValue &v)
    {
        if (take(QStringLiteral("-"))) {
            if (!unary(v))
                return false;
            v = numeric(v) ? TValue::Of(-v.AsNumber()) : TValue::Fault();
            return true;
        }
        return primary(v);
    }

    bool primary(TValue &v)
    {
        skip();
        if (m_at >= m_text.size())
            return false;
        const QChar c = m_text.at(m_at);
        if (c == QLatin1Char('(')) {
            ++m_at;
            return expression(v) && take(QStringLiteral(")"));
        }
        if (c == QLatin1Char('"')) {
            QString text;
            ++m_at;
            while (m_at < m_text.size()) {
                if (m_text.at(m_at) == QLatin1Char('"')) {
                    if (m_at + 1 < m_text.size() && m_text.at(m_at + 1) == QLatin1Char('"')) {
                        text += QLatin1Char('"');
                        m_at += 2;
                        continue;
                    }
                    ++m_at;
                    v = TValue::Of(text);
                    return true;
                }
                text += m_text.at(m_at++);
            }
            return false;
        }
        if (c.isDigit() || c == QLatin1Char('.')) {
            const qsizetype start = m_at;
            while (m_at < m_text.size() && (m_text.at(m_at).isDigit() || m_text.at(m_at) == QLatin1Char('.')))
                ++m_at;
            bool ok = false;
            const double n = m_text.mid(start, m_at - start).toDouble(&ok);
            v = TValue::Of(n);
            return ok;
        }
        if (!c.isLetter())
            return false;
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text.at(m_at).isLetterOrNumber())
            ++m_at;
        const QString word = m_text.mid(start, m_at - start);
        if (take(QStringLiteral("(")))
            return function(word.toUpper(), v);
        int row = 0, column = 0;
        if (!TSpreadsheet::ParseCell(word, row, column))
            return false;
        return cell(row, column, v);
    }

    bool cell(int row, int column, TValue &v)
    {
        const TSheetCell *c = m_sheet.Cell(row, column);
        v = TValue();
        if (!c || c->Kind == TSheetCell::TKind::Empty)
            return true;
        if (c->Kind == TSheetCell::TKind::Number) {
            v = TValue::Of(c->Number);
            return true;
        }
        if (c->Kind == TSheetCell::TKind::Text) {
            v = c->Text.isEmpty() ? TValue() : TValue::Of(c->Text);
            return true;
        }
        if (m_visiting.contains({row, column})) {
            v = TValue::Fault();
            return true;
        }
        m_visiting.insert({row, column});
        TParser inner(m_sheet, c->Text.startsWith(QLatin1Char('=')) ? c->Text.mid(1) : c->Text, m_visiting);
        if (!inner.Run(v))
            v = TValue::Fault(); // a faulty formula elsewhere is an error value here
        m_visiting.remove({row, column});
        return true;
    }

    bool function(const QString &name, TValue &v)
    {
        if (name == QLatin1String("IF")) {
            TValue condition, then, otherwise = TValue::Of(0.0);
            if (!expression(condition) || !take(QStringLiteral(",")) || !expression(then))
                return false;
            if (take(QStringLiteral(",")) && !expression(otherwise))
                return false;
            if (!take(QStringLiteral(")")))
                return false;
            if (condition.Type == TValue::TType::Text || condition.IsError())
                v = TValue::Fault();
            else
                v = condition.AsNumber() != 0 ? then : otherwise;
            return true;
        }
        if (name == QLatin1String("SUM")) {
            skip();
            const qsizetype start = m_at;
            while (m_at < m_text.size() && m_text.at(m_at) != QLatin1Char(')'))
                ++m_at;
            const QStringList ends = m_text.mid(start, m_at - start).trimmed().split(QLatin1Char(':'));
            if (!take(QStringLiteral(")")) || ends.size() != 2)
                return false;
            int top = 0, left = 0, bottom = 0, right = 0;
            if (!TSpreadsheet::ParseCell(ends[0], top, left) ||
                !TSpreadsheet::ParseCell(ends[1], bottom, right))
                return false;
            double sum = 0;
            for (int r = std::min(top, bottom); r <= std::max(top, bottom); ++r)
                for (int c = std::min(left, right); c <= std::max(left, right); ++c) {
                    TValue part;
                    if (!cell(r, c, part))
                        return false;
                    if (part.IsError()) {
                        v = part;
                        return true;
                    }
                    sum += part.AsNumber();
                }
            v = TValue::Of(sum);
            return true;
        }
        return false;
    }

    const TSpreadsheet &m_sheet;
    QString m_text;
    QSet<std::pair<int, int>> &m_visiting;
    qsizetype m_at = 0;
};

QVariant toVariant(const TValue &v)
{
    switch (v.Type) {
    case TValue::TType::Number:
        return std::isfinite(v.Number) ? QVariant(v.Number) : QVariant();
    case TValue::TType::Text:
        return v.Text;
    case TValue::TType::Blank:
        return 0.0; // a formula that shows an empty cell shows 0
    case TValue::TType::Error:
        return {};
    }
    return {};
}

} // namespace

QVariant TSheetFormula::Evaluate(const TSpreadsheet &sheet, const QString &formula)
{
    QSet<std::pair<int, int>> visiting;
    TValue v;
    TParser parser(sheet, formula.startsWith(QLatin1Char('=')) ? formula.mid(1) : formula, visiting);
    return parser.Run(v) ? toVariant(v) : QVariant();
}

QVariant TSheetFormula::Evaluate(const TSpreadsheet &sheet, int row, int column)
{
    const TSheetCell *c = sheet.Cell(row, column);
    if (!c || c->Kind != TSheetCell::TKind::Formula)
        return {};
    QSet<std::pair<int, int>> visiting{{row, column}};
    TValue v;
    TParser parser(sheet, c->Text.startsWith(QLatin1Char('=')) ? c->Text.mid(1) : c->Text, visiting);
    return parser.Run(v) ? toVariant(v) : QVariant();
}
