// The golden files are only as useful as the diff a failure prints: these
// pin its hunks, line numbers and the escaping of bytes a terminal hides.
#include "support/Golden.h"
#include "support/TestHome.h"

#include <QList>
#include <QPair>
#include <gtest/gtest.h>

#include <cctype>

namespace {

// "1\n2\n...n\n" with the given lines (counted from 1) replaced.
QByteArray numbered(int count, const QList<QPair<int, QByteArray>> &replaced = {})
{
    QByteArray out;
    for (int line = 1; line <= count; ++line) {
        QByteArray text = QByteArray::number(line);
        for (const auto &[at, by] : replaced)
            if (at == line)
                text = by;
        out += text + '\n';
    }
    return out;
}

struct TDiffCase
{
    const char *Name;
    QByteArray Expected;
    QByteArray Actual;
    const char *Diff;
};

void PrintTo(const TDiffCase &c, std::ostream *os)
{
    *os << c.Name;
}

const TDiffCase DiffCases[] = {
    {"equal", "a\nb\n", "a\nb\n", ""},
    {"both empty", "", "", ""},
    {"changed line", "a\nb\nc\n", "a\nX\nc\n", "@@ -1,3 +1,3 @@\n a\n-b\n+X\n c\n"},
    {"added line at the end", "a\nb\n", "a\nb\nc\n", "@@ -1,2 +1,3 @@\n a\n b\n+c\n"},
    {"removed line in the middle", "a\nb\nc\n", "a\nc\n", "@@ -1,3 +1,2 @@\n a\n-b\n c\n"},
    {"added to an empty file", "", "a\n", "@@ -0,0 +1,1 @@\n+a\n"},
    {"everything removed", "a\nb\n", "", "@@ -1,2 +0,0 @@\n-a\n-b\n"},
    // Three lines of context; the hunk starts at the fifth line.
    {"context around a change", numbered(10), numbered(10, {{8, "X"}}),
     "@@ -5,6 +5,6 @@\n 5\n 6\n 7\n-8\n+X\n 9\n 10\n"},
    // Seven equal lines part the changes: two hunks, each with its own numbers.
    {"two hunks", numbered(12), numbered(12, {{2, "X"}, {10, "Y"}}),
     "@@ -1,5 +1,5 @@\n 1\n-2\n+X\n 3\n 4\n 5\n@@ -7,6 +7,6 @@\n 7\n 8\n 9\n-10\n+Y\n 11\n 12\n"},
    // Six equal lines between two changes keep them in one hunk.
    {"close changes join", numbered(12), numbered(12, {{2, "X"}, {9, "Y"}}),
     "@@ -1,12 +1,12 @@\n 1\n-2\n+X\n 3\n 4\n 5\n 6\n 7\n 8\n-9\n+Y\n 10\n 11\n 12\n"},
    // A line added at the top shifts the numbers of the actual only.
    {"added line shifts the actual's numbers", numbered(3), "0\n" + numbered(3),
     "@@ -1,3 +1,4 @@\n+0\n 1\n 2\n 3\n"},
    {"carriage return shown", "a\r\nb\n", "a\nb\n", "@@ -1,2 +1,2 @@\n-a\\r\n+a\n b\n"},
    {"tab and backslash shown", "a\tb\n", "a\\b\n", "@@ -1,1 +1,1 @@\n-a\\tb\n+a\\\\b\n"},
    {"non-ASCII bytes shown", "caf\xc3\xa9\n", "cafe\n", "@@ -1,1 +1,1 @@\n-caf\\xc3\\xa9\n+cafe\n"},
    {"control and delete bytes shown", QByteArray("a\x01\x7f\n"), "a\n",
     "@@ -1,1 +1,1 @@\n-a\\x01\\x7f\n+a\n"},
    {"only the final newline differs", "a\nb", "a\nb\n",
     "(the outputs differ only in the newline at the end)\n"},
};

class GoldenDiffCase : public ::testing::TestWithParam<TDiffCase>
{
};

TEST_P(GoldenDiffCase, PrintsTheUnifiedDiff)
{
    const TDiffCase &c = GetParam();
    EXPECT_EQ(GoldenDiff(c.Expected, c.Actual), QString::fromLatin1(c.Diff));
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenDiffCase, ::testing::ValuesIn(DiffCases),
                         [](const ::testing::TestParamInfo<TDiffCase> &info) {
                             std::string name;
                             for (const char c : std::string(info.param.Name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// The comparison itself, against a reference of its own: a failure names the
// reference, shows the diff and the command that rewrites it for this test.
class GoldenCheck : public ::testing::Test
{
protected:
    static const QString Reference;

private:
    // A developer rewriting references must not have this test overwrite its own.
    ScopedVariable m_noUpdate{"PARQUETIX_UPDATE_GOLDEN", QByteArray()};
};

const QString GoldenCheck::Reference = QStringLiteral("common/golden/golden-check.txt");

TEST_F(GoldenCheck, TheSameOutputPasses)
{
    EXPECT_TRUE(MatchesGolden(Reference, QStringLiteral("first\nsecond\nthird\n")));
}

TEST_F(GoldenCheck, ADifferenceShowsTheDiffAndTheCommand)
{
    const ::testing::AssertionResult r = MatchesGolden(Reference, QStringLiteral("first\nchanged\nthird\n"));
    ASSERT_FALSE(r);
    const std::string message = r.message();
    EXPECT_NE(message.find("tests/" + Reference.toStdString()), std::string::npos) << message;
    EXPECT_NE(message.find("@@ -1,3 +1,3 @@\n first\n-second\n+changed\n third\n"), std::string::npos)
        << message;
    EXPECT_NE(message.find("PARQUETIX_UPDATE_GOLDEN=1 ctest --test-dir build -R "
                           "'^GoldenCheck.ADifferenceShowsTheDiffAndTheCommand$'"),
              std::string::npos)
        << message;
}

TEST_F(GoldenCheck, AMissingReferenceFailsWithTheCommand)
{
    const ::testing::AssertionResult r =
        MatchesGolden(QStringLiteral("common/golden/no-such-reference.txt"), QStringLiteral("x\n"));
    ASSERT_FALSE(r);
    const std::string message = r.message();
    EXPECT_NE(message.find("no reference file"), std::string::npos) << message;
    EXPECT_NE(message.find("'^GoldenCheck.AMissingReferenceFailsWithTheCommand$'"), std::string::npos)
        << message;
}

} // namespace
