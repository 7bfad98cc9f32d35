#include "TPeriodNames.h"

#include "model/game/TGame.h"
#include "model/services/Services.h"

#include <QStringList>

QString TPeriodNames::Name(const TGame &game, int stretch, ITranslator &translator, const QString &section)
{
    return Name(game.Periods(), game.PeriodsPlayed(), stretch, translator, section);
}

QString TPeriodNames::Name(const TPeriodRule &rule, int stretchesPlayed, int stretch, ITranslator &translator,
                           const QString &section)
{
    const QString overtime = translator.Translate(QString::fromUtf8("Hosszabbítás"), section);
    if (rule.IsOvertime(stretch)) {
        if (stretchesPlayed - rule.RegularPeriods() <= 1)
            return overtime;
        return QStringLiteral("%1. ").arg(rule.OvertimeNumber(stretch)) + overtime;
    }
    if (rule.RegularPeriods() == 2)
        return translator.Translate(QStringLiteral("%1. felido").arg(stretch), section);
    return QStringLiteral("%1. ").arg(stretch) + translator.Translate(QStringLiteral("Negyed"), section);
}

QString TPeriodNames::List(const TGame &game, const QList<int> &stretches, ITranslator &translator,
                           const QString &section)
{
    QStringList names;
    for (const int n : stretches)
        names << Name(game, n, translator, section);
    return names.join(QStringLiteral(", "));
}
