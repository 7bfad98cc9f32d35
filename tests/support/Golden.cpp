#include "Golden.h"

#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace {

constexpr int Context = 3;
// Beyond this many lines on both sides the table of common runs grows too
// large; the diff then starts at the first difference instead.
constexpr qsizetype MaxTable = 4000 * 4000;

QString shown(const QByteArray &line)
{
    QString out;
    for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            out += QStringLiteral("\\r");
        else if (c == '\t')
            out += QStringLiteral("\\t");
        else if (c == '\\')
            out += QStringLiteral("\\\\");
        else if (u < 0x20 || u >= 0x7f)
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += QLatin1Char(c);
    }
    return out;
}

QList<QByteArray> linesOf(const QByteArray &data)
{
    // An empty output has no lines, not one empty line.
    if (data.isEmpty())
        return {};
    QList<QByteArray> lines = data.split('\n');
    // A final newline ends the last line rather than starting an empty one.
    if (data.endsWith('\n'))
        lines.removeLast();
    return lines;
}

struct TEdit
{
    char Op;        // ' ', '-', '+'
    qsizetype Line; // in the expected for ' ' and '-', in the actual for '+'
};

std::vector<TEdit> edits(const QList<QByteArray> &a, const QList<QByteArray> &b)
{
    std::vector<TEdit> out;
    qsizetype start = 0;
    while (start < a.size() && start < b.size() && a[start] == b[start])
        out.push_back({' ', start++});
    const qsizetype n = a.size() - start;
    const qsizetype m = b.size() - start;
    if (n * m > MaxTable) {
        for (qsizetype i = start; i < a.size(); ++i)
            out.push_back({'-', i});
        for (qsizetype j = start; j < b.size(); ++j)
            out.push_back({'+', j});
        return out;
    }
    // Longest common subsequence of the rest, from the back.
    std::vector<int> table(size_t((n + 1) * (m + 1)), 0);
    auto at = [&](qsizetype i, qsizetype j) -> int & { return table[size_t(i * (m + 1) + j)]; };
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = a[start + i] == b[start + j] ? at(i + 1, j + 1) + 1 : qMax(at(i + 1, j), at(i, j + 1));
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[start + i] == b[start + j]) {
            out.push_back({' ', start + i});
            ++i;
            ++j;
        } else if (j < m && (i == n || at(i, j + 1) > at(i + 1, j))) {
            out.push_back({'+', start + j++});
        } else {
            out.push_back({'-', start + i++});
        }
    }
    return out;
}

QString regenerateCommand()
{
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = info ? QStringLiteral("%1.%2").arg(QString::fromUtf8(info->test_suite_name()),
                                                            QString::fromUtf8(info->name()))
                              : QStringLiteral("<test>");
    return QStringLiteral("PARQUETIX_UPDATE_GOLDEN=1 ctest --test-dir build -R '^%1$'").arg(name);
}

} // namespace

QString GoldenDiff(const QByteArray &expected, const QByteArray &actual)
{
    const QList<QByteArray> a = linesOf(expected);
    const QList<QByteArray> b = linesOf(actual);
    const std::vector<TEdit> e = edits(a, b);
    QString out;
    const qsizetype count = qsizetype(e.size());
    qsizetype k = 0;
    while (k < count) {
        if (e[size_t(k)].Op == ' ') {
            ++k;
            continue;
        }
        // One hunk: the changes from here, joined while fewer than 2 * Context equal lines part them.
        qsizetype first = qMax<qsizetype>(0, k - Context);
        qsizetype last = k;
        for (qsizetype q = k; q < count; ++q) {
            if (e[size_t(q)].Op != ' ')
                last = q;
            else if (q - last > 2 * Context)
                break;
        }
        const qsizetype end = qMin(count, last + Context + 1);
        qsizetype oldStart = -1, oldCount = 0, newStart = -1, newCount = 0;
        qsizetype oldLine = 0, newLine = 0;
        // Line numbers: walk the edits up to the hunk.
        for (qsizetype q = 0; q < first; ++q) {
            if (e[size_t(q)].Op != '+')
                ++oldLine;
            if (e[size_t(q)].Op != '-')
                ++newLine;
        }
        oldStart = oldLine + 1;
        newStart = newLine + 1;
        QString body;
        for (qsizetype q = first; q < end; ++q) {
            const TEdit &d = e[size_t(q)];
            const QByteArray &line = d.Op == '+' ? b[d.Line] : a[d.Line];
            if (d.Op != '+')
                ++oldCount;
            if (d.Op != '-')
                ++newCount;
            body += QLatin1Char(d.Op) + shown(line) + QLatin1Char('\n');
        }
        // As diff numbers an empty side: by the line before it.
        if (oldCount == 0)
            --oldStart;
        if (newCount == 0)
            --newStart;
        out +=
            QStringLiteral("@@ -%1,%2 +%3,%4 @@\n").arg(oldStart).arg(oldCount).arg(newStart).arg(newCount) +
            body;
        k = end;
    }
    if (out.isEmpty() && expected != actual)
        out = QStringLiteral("(the outputs differ only in the newline at the end)\n");
    return out;
}

::testing::AssertionResult MatchesGolden(const QString &reference, const QByteArray &actual)
{
    const QString path = QDir(sourceFolder()).filePath(QStringLiteral("tests/") + reference);
    if (qEnvironmentVariableIntValue("PARQUETIX_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(actual) != actual.size())
            return ::testing::AssertionFailure() << "cannot write the reference " << path.toStdString();
        return ::testing::AssertionSuccess() << "wrote " << path.toStdString();
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure()
               << "no reference file " << path.toStdString()
               << "\nto write it from this output: " << regenerateCommand().toStdString();
    const QByteArray expected = in.readAll();
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the output differs from " << path.toStdString() << "\n--- expected\n+++ actual\n"
           << GoldenDiff(expected, actual).toStdString()
           << "if the new output is right, rewrite the reference with:\n  "
           << regenerateCommand().toStdString();
}

::testing::AssertionResult MatchesGolden(const QString &reference, const QString &actual)
{
    return MatchesGolden(reference, actual.toUtf8());
}
