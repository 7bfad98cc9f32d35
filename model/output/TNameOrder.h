#pragma once

#include "model/settings/TSettings.h"

#include <QCollator>
#include <QLocale>
#include <QString>

// Names in the alphabet of the edition's language: in Hungarian KÁDÁR comes
// before KOVÁCS and CZ before CS, which code point order gets wrong.
class TNameOrder
{
public:
    explicit TNameOrder(TEdition edition);
    // The locale of an edition or language code: hu_HU for HUN, en_GB for ENG, ...
    static QLocale Locale(const QString &code);

    // Case is ignored, as the printed lists always did.
    bool operator()(const QString &a, const QString &b) const { return m_collator.compare(a, b) < 0; }

private:
    QCollator m_collator;
};
