#include "model/game/GameCode.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {
const QRegularExpression CodePattern(QStringLiteral("^[A-Y]{3}[0-9][A-Y]{3}[0-9]$"));
}

TEST(GameCode, EveryCodeFollowsThePatternAndTheWholeAlphabetUpToY)
{
    QRandomGenerator rng(20240611);
    QSet<QChar> letters;
    QSet<QChar> digits;
    for (int i = 0; i < 20000; ++i) {
        const QString code = NewGameCode(rng);
        ASSERT_TRUE(CodePattern.match(code).hasMatch()) << code.toStdString();
        for (const QChar c : code)
            (c.isDigit() ? digits : letters).insert(c);
    }
    EXPECT_FALSE(letters.contains(QLatin1Char('Z')));
    EXPECT_EQ(letters.size(), 25); // "A" to "Y", each drawn at some point
    EXPECT_EQ(digits.size(), 10);
}

TEST(GameCode, SameSeedSameCodes)
{
    QRandomGenerator a(7);
    QRandomGenerator b(7);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(NewGameCode(a), NewGameCode(b));
}

TEST(GameCode, GlobalGeneratorGivesValidCodes)
{
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(CodePattern.match(NewGameCode()).hasMatch());
}
