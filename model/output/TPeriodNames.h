#pragma once

#include "common/TPeriodRule.h"

#include <QList>
#include <QString>

class ITranslator;
class TGame;

// The names reports and the quarter dialog give a game's stretches
// (TPeriodRule): "1. negyed" for the quarters of ten-minute games, "1.
// félidő" and "2. félidő" for the halves of five-minute games, "Hosszabbítás"
// for a single overtime and "1. Hosszabbítás", "2. Hosszabbítás"... when the
// game had more than one. section is the translator's section.
class TPeriodNames
{
public:
    static QString Name(const TGame &game, int stretch, ITranslator &translator, const QString &section);
    static QString Name(const TPeriodRule &rule, int stretchesPlayed, int stretch, ITranslator &translator,
                        const QString &section);
    // The names of the stretches given, joined with ", ".
    static QString List(const TGame &game, const QList<int> &stretches, ITranslator &translator,
                        const QString &section);
};
