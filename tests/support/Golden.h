#pragma once

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

// Compares an output with its reference file, given relative to tests/ (for
// example "shell/golden/live-dump.dat"). On a difference the failure shows a
// unified diff of the lines (control and non-ASCII bytes escaped) and the
// command that rewrites the reference from the current output:
//   PARQUETIX_UPDATE_GOLDEN=1 ctest --test-dir build -R '^Suite.Name$'
// With PARQUETIX_UPDATE_GOLDEN=1 set the reference is written and the check passes.
::testing::AssertionResult MatchesGolden(const QString &reference, const QByteArray &actual);
::testing::AssertionResult MatchesGolden(const QString &reference, const QString &actual); // as UTF-8

// The diff MatchesGolden prints: "-" lines of the expected, "+" of the actual, three lines of context.
QString GoldenDiff(const QByteArray &expected, const QByteArray &actual);
