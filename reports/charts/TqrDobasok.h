#pragma once

#include "TChartCanvas.h"

#include "reports/document/TReportDocument.h"

#include "model/events/TGameEvent.h"

#include <QList>
#include <QString>
#include <memory>

// The alternative shooting chart (A4 landscape): one lengthwise court with
// the chosen shots, numbered in order, or by minute when one player was
// chosen; the shot list numbers the same shots the same way.
class TqrDobasok
{
public:
    TqrDobasok(QString title, QString subtitle, bool onePlayer, QList<TGameEvent> events, int copies = 1);

    TReportDocument Build() const;
    const TChartCanvas *Court() const { return m_court.get(); }

private:
    QString m_title, m_subtitle;
    bool m_onePlayer;
    QList<TGameEvent> m_events;
    int m_copies;
    mutable std::shared_ptr<TChartCanvas> m_court;
};
