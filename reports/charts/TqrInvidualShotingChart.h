#pragma once

#include "TChartCanvas.h"

#include "reports/document/TReportDocument.h"

#include "model/game/TPlayer.h"

#include <QList>
#include <QString>
#include <memory>

class ITranslator;
class TGame;
class TNameOrder;
class TTeam;

// The individual shooting charts of one team (A4 portrait, "Individual
// shooting chart"): a cell per player, three a row, each with the player's
// shooting figures and a mini court with a dot per shot.
class TqrInvidualShotingChart
{
public:
    TqrInvidualShotingChart(const TGame &game, QList<TPlayer> players, ITranslator &translator);

    // Copies of every player of the team's lists, by name when RENDEZES is
    // "RENDEZES_NEV", else by jersey.
    static QList<TPlayer> TeamPlayers(const TTeam &team, bool sortByName, const TNameOrder &names);

    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    TReportDocument Build() const;
    // The mini courts of the last build, one per player in order.
    const QList<std::shared_ptr<TChartCanvas>> &Courts() const { return m_courts; }

private:
    void cell(TReportLine &line, const TPlayer &p, double x, double y) const;

    const TGame &m_game;
    QList<TPlayer> m_players;
    ITranslator &m_translator;
    QString m_imageFolder;
    mutable QList<std::shared_ptr<TChartCanvas>> m_courts;
};
