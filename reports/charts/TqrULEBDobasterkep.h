#pragma once

#include "TChartCanvas.h"

#include "reports/document/TReportDocument.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ITranslator;
class TGame;
class TGameEvent;
class TTeam;

// The team shooting chart ("Shooting map", A4 landscape): the box score's
// header, then both teams' courts side by side with their legends, every
// shot with a position marked by the shooter's jersey number.
class TqrULEBDobasterkep
{
public:
    // The jersey of a player of the master data by web identifier: 0 when
    // the player is not there; error set when the lookup itself failed.
    using TJerseyLookup = std::function<int(const QString &webId, QString *error)>;

    TqrULEBDobasterkep(const TGame &game, ITranslator &translator);

    // Asked only for a shooter the game itself does not hold.
    void SetJerseyLookup(TJerseyLookup lookup) { m_lookup = std::move(lookup); }
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }

    TReportDocument Build() const;
    // The two court pictures of the last build, home first.
    const TChartCanvas *Court(bool home) const { return (home ? m_homeCourt : m_awayCourt).get(); }
    // The failed lookups of the last build ("GetJatekosDateFromWebID"), for the operator.
    const QStringList &Messages() const { return m_messages; }

    static constexpr int LegendLines = 12;

private:
    void legend(QList<TReportLine> &lines, const TTeam &team, bool home, double x, double top) const;
    int jersey(const TGameEvent &shot) const;

    const TGame &m_game;
    ITranslator &m_translator;
    TJerseyLookup m_lookup;
    QString m_imageFolder;
    mutable std::shared_ptr<TChartCanvas> m_homeCourt, m_awayCourt;
    mutable QStringList m_messages;
};
