#include "TChartPage.h"

#include "reports/boxscore/TqrULEBTeamResults.h"

#include "model/Services.h"
#include "model/TGame.h"

using namespace ChartCells;

TReportLine &TChartLayout::Line(const QString &band, double height)
{
    if (!m_inFooter && Y + height > Bottom() && Y > 0)
        NewPage();
    LineTop = Y;
    Y += height;
    return m_doc.Pages.last().AppendLine(band);
}

void TChartLayout::KeepTogether(double height)
{
    if (Y + height > Bottom() && Y > 0)
        NewPage();
}

void TChartLayout::footer()
{
    if (!PageFooter)
        return;
    m_inFooter = true;
    Y = m_doc.ContentHeight() - FooterHeight;
    PageFooter(*this);
    m_inFooter = false;
}

void TChartLayout::NewPage()
{
    footer();
    m_doc.Pages.append(TReportPage());
    Y = 0;
    if (PageHeader)
        PageHeader(*this);
}

void TChartLayout::Finish()
{
    footer();
}

void AddNoticeLines(TChartLayout &layout, double width)
{
    const QString band = QStringLiteral("PageFooterBand1");
    layout.Line(band, 4).Cells.append(Caption(QStringLiteral("lblNotice"),
                                              QStringLiteral("Statistics recorded live with Parquetix"), 0,
                                              layout.LineTop, width, 4, Align::Center, false, 6.5));
    layout.Line(band, 4).Cells.append(Text(QStringLiteral("lblWeb"),
                                           QStringLiteral("https://parquetix.example"), 0, layout.LineTop,
                                           width, 4, Align::Center, false, 6.5));
}

namespace {

void runningScore(TChartLayout &layout, const TGame &game, double top)
{
    const QString band = QStringLiteral("PageHeaderBand1");
    const int step = game.PeriodLength() == 12 ? 6 : 5;
    const double x = 186, nameWidth = 30, cw = 7, otWidth = 11, h = 4.5;
    const double keepY = layout.Y;
    layout.Y = top;
    TReportLine &captions = layout.Line(band, h);
    captions.Cells.append(Caption(QStringLiteral("lblTeamsMins"), QStringLiteral("Teams/Mins"), x, top,
                                  nameWidth, h, Align::Left, true));
    for (int i = 1; i <= 8; ++i)
        captions.Cells.append(Text(QStringLiteral("lblPerc%1").arg(5 * i),
                                   QStringLiteral("%1'").arg(i * step), x + nameWidth + (i - 1) * cw, top, cw,
                                   h, Align::Center, true));
    captions.Cells.append(Caption(QStringLiteral("lblPercHosszabbitas"), QStringLiteral("OT"),
                                  x + nameWidth + 8 * cw, top, otWidth, h, Align::Center, true));
    const bool overtime = game.Clock > game.RegulationTicks();
    const TGame::Score final = game.ScoreAtMinute(100);
    for (const bool home : {true, false}) {
        const QString side = home ? QStringLiteral("Hazai") : QStringLiteral("Vendeg");
        TReportLine &row = layout.Line(band, h);
        const double y = layout.LineTop;
        const TTeam &team = home ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
        row.Cells.append(Text(QStringLiteral("lbl%1Nev").arg(side), team.Data.EgyesuletNev, x, y, nameWidth,
                              h, Align::Left, true));
        // Every column a minute of play has reached, also in the two-period game.
        for (int i = 1; i <= 8; ++i) {
            const TGame::Score s = game.ScoreAtMinute(i * step);
            const int mine = home ? s.Home : s.Away;
            const int theirs = home ? s.Away : s.Home;
            const bool shown = game.Clock >= 4 * i * step;
            row.Cells.append(Text(QStringLiteral("lbl%1%2perc").arg(side).arg(5 * i),
                                  shown ? QString::number(mine) : QString(), x + nameWidth + (i - 1) * cw, y,
                                  cw, h, Align::Center, shown && mine >= theirs));
        }
        const int mine = home ? final.Home : final.Away;
        const int theirs = home ? final.Away : final.Home;
        row.Cells.append(Text(QStringLiteral("lbl%1Hosszabbitas").arg(side),
                              overtime ? QString::number(mine) : QString(), x + nameWidth + 8 * cw, y,
                              otWidth, h, Align::Center, overtime && mine >= theirs));
    }
    layout.Y = std::max(keepY, layout.Y);
}

} // namespace

void AddGameHeader(TChartLayout &layout, const TGame &game, ITranslator &translator,
                   const QString &imageFolder, bool withFacts)
{
    const QString band = QStringLiteral("PageHeaderBand1");
    const TSettings &s = game.Settings();
    const double x = 32;
    const double w = withFacts ? 150 : layout.Width() - x;
    const double top = layout.Y;

    layout.Line(band, 0).Cells.append(Image(
        QStringLiteral("imgLogo"), ReportImagePath(s.ReportLogoFilename(), imageFolder), 0, top, 30, 24));
    layout.Line(band, 4).Cells.append(
        Text(QStringLiteral("lblMegjegyzes"), QString(), x, layout.LineTop, w, 4));
    const TTeamTotals &ht = game.HomeTeam().Data.Totals;
    const TTeamTotals &at = game.AwayTeam().Data.Totals;
    const QString title =
        (game.HomeTeam().Data.EgyesuletNev + QStringLiteral(" - ") + game.AwayTeam().Data.EgyesuletNev)
            .left(124) +
        QStringLiteral(" %1-%2").arg(ht.Points).arg(at.Points);
    const double titleSize = s.ReportTitleFontSize() > 0 ? s.ReportTitleFontSize() : 14;
    layout.Line(band, 7.5).Cells.append(
        Text(QStringLiteral("lblMerkozes"), title, x, layout.LineTop, w, 7.5, Align::Left, true, titleSize));
    layout.Line(band, 4.5).Cells.append(Text(QStringLiteral("lblMerkozesNegyedek"),
                                             TqrULEBTeamResults::PeriodScoresText(game), x, layout.LineTop, w,
                                             4.5, Align::Left, true, 8));
    layout.Line(band, 4).Cells.append(Text(QStringLiteral("lblMerkozesHelye"), game.Stadium, x,
                                           layout.LineTop, w, 4, Align::Left, false, 7));
    QString referees = translator.Translate(QStringLiteral("Referees:"), QStringLiteral("PRINT"));
    QStringList names;
    for (const QString &r : {game.Referee1, game.Referee2, game.Referee3})
        if (!r.trimmed().isEmpty())
            names.append(r);
    if (!names.isEmpty())
        referees = referees.trimmed() + QLatin1Char(' ') + names.join(QStringLiteral(", "));
    layout.Line(band, 4).Cells.append(
        Text(QStringLiteral("lblMerkozesBirok"), referees, x, layout.LineTop, w, 4, Align::Left, false, 7));
    if (!withFacts) {
        layout.Y = std::max(layout.Y, top + 24) + 1;
        return;
    }
    TReportLine &facts = layout.Line(band, 4);
    facts.Cells =
        TqrULEBTeamResults::GameFactsCells(game, x, layout.LineTop, PlayerStats::ClockText(game.Clock), true);
    runningScore(layout, game, top + 8);
    layout.Y = std::max(layout.Y, top + 29) + 1.5;
}
