#pragma once

#include "reports/document/TReportDocument.h"

#include "model/events/TGameEvent.h"

#include <QList>
#include <QString>

class ITranslator;

// The shot list (A4 portrait, two columns): the alternative chart's shots,
// each with its running number and its history text.
class TqrDobasLista
{
public:
    TqrDobasLista(QString title, QList<TGameEvent> events, ITranslator &translator, int copies = 1);

    TReportDocument Build() const;

private:
    QString m_title;
    QList<TGameEvent> m_events;
    ITranslator &m_translator;
    int m_copies;
};
