#pragma once

#include <QList>
#include <QString>

class ITranslator;
class TGame;

// What the quarter report offers and takes: the periods the game had (its
// regular periods, then each overtime played), as stretches of TPeriodRule.
class TQuarterChoice
{
public:
    struct TOption
    {
        int Stretch = 0;
        // cbQuarter1..cbQuarter4, cbQuarterH for the first overtime, cbQuarterH2... for later ones.
        QString ObjectName;
        // Translated in the given section.
        QString Caption;
    };

    static QList<TOption> Offered(const TGame &game, ITranslator &translator, const QString &section);
    // Why the stretches cannot be reported (nothing chosen, or a period the
    // game did not have), translated from section FORM; empty when they can.
    static QString Refusal(const TGame &game, const QList<int> &stretches, ITranslator &translator);
};
