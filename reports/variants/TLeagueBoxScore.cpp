#include "TLeagueBoxScore.h"

#include "TSponsorStrip.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"

#include <QDir>

TLeagueBoxScore::TLeagueBoxScore(const TGame &game, ITranslator &translator)
    : TqrULEBTeamResults(game, translator)
{
    m_plainRunningScore = true;
}

int TLeagueBoxScore::OrderedRowIndex(int line, int players)
{
    if (line < players)
        return line + 1;
    return line == players ? 0 : -1;
}

int TLeagueBoxScore::PlayerCount(const TTeam &team)
{
    return team.OnCourt.Count() + team.Bench.Count();
}

int TLeagueBoxScore::totalsValuation(const TTeamTotals &totals) const
{
    return PlayerStats::Valuation(totals.AsPlayer(), m_edition);
}

void TLeagueBoxScore::valueCells(QList<TReportCell> &cells, const QList<TValue> &values, double y, double h,
                                 bool bold) const
{
    for (const TValue &v : values)
        cells.append(at(v.Column, v.Dotted ? dot(v.Text) : v.Text, y, h, bold));
}

void TLeagueBoxScore::orderedLine(
    TLayout &layout, const TTeamSide &side, int line, const QString &starter,
    const std::function<void(QList<TReportCell> &, const TPlayer &, bool, double)> &fill,
    const std::function<void(QList<TReportCell> &, int, double)> &panel) const
{
    const QString band = side.Home ? QStringLiteral("sbHazaiCsapat") : QStringLiteral("sbVendegCsapat");
    TReportLine &out = layout.Line(band, LineHeight);
    const double y = layout.LineTop;
    // The table lists the game team's players; the rows beyond them are fillers.
    const int index = OrderedRowIndex(line, PlayerCount(valueTeam(side.Home)));
    const TBoxScoreRow *row = index >= 0 && index < side.Rows->size() ? &(*side.Rows)[index] : nullptr;
    if (row && row->Record) {
        const TPlayer &p = *row->Record;
        const bool teamRow = row->Key.startsWith(QLatin1Char(' '));
        out.Cells.append(at(QStringLiteral("S5"), p.Starter ? starter : QString(), y, LineHeight));
        out.Cells.append(at(QStringLiteral("Mez"), teamRow ? QString() : QString::number(p.JatekosMezSzam), y,
                            LineHeight));
        out.Cells.append(at(QStringLiteral("Nev"), playerName(*row), y, LineHeight));
        out.Cells.append(at(QStringLiteral("Perc"), PlayerStats::PlayingTimeText(p), y, LineHeight));
        fill(out.Cells, p, teamRow, y);
    } else {
        for (const TColumn &c : columns())
            out.Cells.append(at(c.Name, QString(), y, LineHeight));
    }
    panel(out.Cells, line, y);
}

TReportCell TLeagueBoxScore::stripCell(const QString &sponsorSetting, int strip, double y, double h) const
{
    // 270 by 16 pixels: the strip keeps its proportions on the line.
    const double width = h * TSponsorStrip::MaxWidth / TSponsorStrip::StripHeight;
    // A little taller than the line, so the strips of neighbouring lines meet without a seam.
    TReportCell cell =
        Text(QStringLiteral("imgSponsorStrip%1").arg(strip), QString(), PanelX, y, width, h + 0.15);
    const QString background = m_imageFolder.isEmpty()
                                   ? QStringLiteral("whitebg.bmp")
                                   : QDir(m_imageFolder).filePath(QStringLiteral("whitebg.bmp"));
    // Without a background the cell stays an empty image cell.
    cell.Picture =
        TReportImage::Composed(TSponsorStrip::Compose(background, imagePath(sponsorSetting), strip));
    return cell;
}

TReportLine &TLeagueBoxScore::teamLine(TLayout &layout, const QString &band, const QString &label,
                                       bool captionLabel, const QList<TValue> &values, double h,
                                       bool bold) const
{
    TReportLine &line = layout.Line(band, h);
    const double y = layout.LineTop;
    line.Cells.append(at(QStringLiteral("S5"), QString(), y, h));
    line.Cells.append(at(QStringLiteral("Mez"), QString(), y, h));
    TReportCell name = at(QStringLiteral("Nev"), label, y, h, true);
    name.Caption = captionLabel;
    line.Cells.append(name);
    valueCells(line.Cells, values, y, h, bold);
    return line;
}

TReportLine &TLeagueBoxScore::teamTotalLine(TLayout &layout, const TTeamSide &side,
                                            const QList<TValue> &values) const
{
    const QString band =
        side.Home ? QStringLiteral("sbCsapat1Osszesen") : QStringLiteral("sbCsapat2Osszesen");
    TReportLine &line = teamLine(layout, band, QStringLiteral("Total"), true, values, TotalHeight, true);
    line.Cells.append(at(QStringLiteral("Perc"), PlayerStats::ClockText(teamTime(side)), layout.LineTop,
                         TotalHeight, true));
    return line;
}
