#include "TQuarterChoice.h"

#include "model/output/TPeriodNames.h"

#include "model/game/TGame.h"
#include "model/services/Services.h"

QList<TQuarterChoice::TOption> TQuarterChoice::Offered(const TGame &game, ITranslator &translator,
                                                       const QString &section)
{
    const TPeriodRule rule = game.Periods();
    QList<TOption> options;
    for (int n = 1; n <= game.PeriodsPlayed(); ++n) {
        TOption o;
        o.Stretch = n;
        const int overtime = rule.OvertimeNumber(n);
        o.ObjectName = overtime == 0   ? QStringLiteral("cbQuarter%1").arg(n)
                       : overtime == 1 ? QStringLiteral("cbQuarterH")
                                       : QStringLiteral("cbQuarterH%1").arg(overtime);
        o.Caption = TPeriodNames::Name(game, n, translator, section);
        options.append(o);
    }
    return options;
}

QString TQuarterChoice::Refusal(const TGame &game, const QList<int> &stretches, ITranslator &translator)
{
    const QString section = QStringLiteral("FORM");
    if (stretches.isEmpty())
        return translator.Translate(QStringLiteral("Tick at least one period for the quarter report."),
                                    section);
    for (const int n : stretches)
        if (n < 1 || n > game.PeriodsPlayed())
            return translator
                .Translate(QStringLiteral("The game has no period %1: it had periods 1 to %2."), section)
                .arg(n)
                .arg(game.PeriodsPlayed());
    return QString();
}
