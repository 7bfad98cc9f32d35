#include "TqrULEBBenchTeamResults.h"

#include "model/game/TGame.h"
#include "model/statistics/TLineupList.h"

namespace {
constexpr double NameColumn = 23;
constexpr double Shift = 20; // the three names take the place of jersey and name
} // namespace

TqrULEBBenchTeamResults::TqrULEBBenchTeamResults(const TGame &game, ITranslator &translator,
                                                 const TLineupList &home, const TLineupList &away)
    : TqrULEBTeamResults(game, translator), m_homeLineups(home), m_awayLineups(away)
{
    m_plainRunningScore = true;
    m_spectatorsCaptionAlways = true;
    for (int i = 0; i < 3; ++i)
        m_lineupColumns.append(TColumn{QStringLiteral("Jatekos%1").arg(i + 1), QString(), QString(),
                                       i * NameColumn, NameColumn - 0.5, TReportCell::Align::Left});
    for (TColumn c : BoxScoreColumns()) {
        if (c.X < 49)
            continue;
        c.X += Shift;
        if (c.Group == QLatin1String("Rebs.")) {
            // Defensive, offensive, total under these captions.
            static const char *const captions[] = {"VL", "TL", "OL"};
            c.Caption = QLatin1String(captions[c.Name == QLatin1String("Rebs. D")   ? 0
                                               : c.Name == QLatin1String("Rebs. O") ? 1
                                                                                    : 2]);
        }
        m_lineupColumns.append(c);
    }
}

QString TqrULEBBenchTeamResults::LineupTime(int quarterMinutes)
{
    return PlayerStats::ClockText(quarterMinutes) + (quarterMinutes == 0 ? QStringLiteral("+") : QString());
}

int TqrULEBBenchTeamResults::valuation(const TPlayer &record) const
{
    return PlayerStats::PerformanceIndex(record, m_edition);
}

void TqrULEBBenchTeamResults::bands(TLayout &layout) const
{
    header(layout);
    lineupHeading(layout, true);
    for (int i = 0; i < m_homeLineups.Count(); ++i)
        lineupLine(layout, true, *m_homeLineups.At(i));
    // An empty band between the two tables.
    layout.Line(QStringLiteral("QRBand1"), 4);
    lineupHeading(layout, false);
    for (int i = 0; i < m_awayLineups.Count(); ++i)
        lineupLine(layout, false, *m_awayLineups.At(i));
    footer(layout);
}

void TqrULEBBenchTeamResults::lineupHeading(TLayout &layout, bool home) const
{
    const QString band = home ? QStringLiteral("QRStringsBand4") : QStringLiteral("QRStringsBand2");
    layout.KeepTogether(2 * HeadingHeight + 4 * LineHeight);
    TReportLine &name = layout.Line(band, HeadingHeight + 0.5);
    name.Cells.append(Text(home ? QStringLiteral("lblHazaiCsapat") : QStringLiteral("lblVendegCsapat"),
                           teamName(valueTeam(home)), 0, layout.LineTop, 69, HeadingHeight + 0.5,
                           TReportCell::Align::Left, true, 9));
    groupCaptions(name.Cells, layout.LineTop + 0.5);
    columnCaptions(layout, band, QString(), false);
}

void TqrULEBBenchTeamResults::lineupLine(TLayout &layout, bool home, const ToCsereSorok &record) const
{
    const QString band = home ? QStringLiteral("sbHazaiCsapat") : QStringLiteral("sbVendegCsapat");
    TReportLine &line = layout.Line(band, LineHeight);
    const double y = layout.LineTop;
    for (int i = 0; i < ToCsereSorok::MemberCount; ++i)
        line.Cells.append(
            at(QStringLiteral("Jatekos%1").arg(i + 1), record.Members[size_t(i)].Name, y, LineHeight));
    line.Cells.append(at(QStringLiteral("Perc"), LineupTime(record.PlayingTime), y, LineHeight));
    statCells(line.Cells, record, valuation(record), 0, true, true, y, LineHeight, false);
}
