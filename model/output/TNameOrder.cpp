#include "TNameOrder.h"

TNameOrder::TNameOrder(TEdition edition) : m_collator(Locale(TSettings::EditionId(edition)))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

QLocale TNameOrder::Locale(const QString &code)
{
    const QString c = code.trimmed().toUpper();
    if (c == QLatin1String("ENG") || c == QLatin1String("ENGLISH"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    if (c == QLatin1String("HEB") || c == QLatin1String("HEBREW"))
        return QLocale(QLocale::Hebrew, QLocale::Israel);
    if (c == QLatin1String("ITA") || c == QLatin1String("ITALIAN"))
        return QLocale(QLocale::Italian, QLocale::Italy);
    if (c == QLatin1String("FRA") || c == QLatin1String("FRENCH"))
        return QLocale(QLocale::French, QLocale::France);
    return QLocale(QLocale::Hungarian, QLocale::Hungary);
}
