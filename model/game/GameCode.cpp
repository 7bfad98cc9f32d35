#include "GameCode.h"

#include <QRandomGenerator>

namespace {

constexpr int LetterCount = 25; // "A" to "Y"

QChar letter(QRandomGenerator &rng)
{
    return QChar(u'A' + rng.bounded(LetterCount));
}

QChar digit(QRandomGenerator &rng)
{
    return QChar(u'0' + rng.bounded(10));
}

} // namespace

QString NewGameCode(QRandomGenerator &rng)
{
    QString code;
    code.reserve(8);
    for (int group = 0; group < 2; ++group) {
        for (int i = 0; i < 3; ++i)
            code += letter(rng);
        code += digit(rng);
    }
    return code;
}

QString NewGameCode()
{
    return NewGameCode(*QRandomGenerator::global());
}
