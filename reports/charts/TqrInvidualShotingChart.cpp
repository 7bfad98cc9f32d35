#include "TqrInvidualShotingChart.h"

#include "ShotPositions.h"
#include "reports/frame/TGameHeader.h"
#include "reports/frame/TPageFrame.h"

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/output/TNameOrder.h"
#include "model/services/Services.h"

#include <algorithm>

using namespace ReportCells;

namespace {

constexpr double CellWidth = 196.0 / 3;
constexpr double CellHeight = 70;
constexpr double CourtWidth = 37;
constexpr double HeaderHeight = 24;
constexpr double FooterHeight = 10;

QString shooting(int made, int attempts, int percent)
{
    return QStringLiteral("%1-%2 %3%").arg(made).arg(attempts).arg(percent);
}

} // namespace

TqrInvidualShotingChart::TqrInvidualShotingChart(const TGame &game, QList<TPlayer> players,
                                                 ITranslator &translator)
    : m_game(game), m_players(std::move(players)), m_translator(translator)
{
}

QList<TPlayer> TqrInvidualShotingChart::TeamPlayers(const TTeam &team, bool sortByName,
                                                    const TNameOrder &names)
{
    QList<std::pair<QString, TPlayer>> keyed;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            keyed.append({PlayerStats::RosterKey(p, sortByName), p});
        }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&](const auto &a, const auto &b) { return names(a.first, b.first); });
    QList<TPlayer> players;
    for (const auto &entry : keyed)
        players.append(entry.second);
    return players;
}

void TqrInvidualShotingChart::cell(TReportLine &line, const TPlayer &p, double x, double y) const
{
    using namespace ShotPositions;
    line.Cells.append(Text(QStringLiteral("lblPlayerName"),
                           QStringLiteral("#%1 %2").arg(p.JatekosMezSzam).arg(p.JatekosNev), x, y,
                           CellWidth - 2, 5, Align::Left, true, 8));
    const QSizeF frame(IndividualPicture);
    auto court = std::make_shared<TChartCanvas>(frame);
    court->Court(TChartCanvas::CentredCourt(frame, 1 / 1.2, false));
    for (const TEventList::Entry &entry : m_game.RecordedEvents.Entries()) {
        const TGameEvent &e = *entry.Event;
        if ((e.Kind != Kind::ShotMade && e.Kind != Kind::ShotMissed) || e.PlayerId != p.JatekosID)
            continue;
        const TCourtPoint point = ReadPoint(e.Message, TRule::Individual);
        if (point.Drawn())
            court->Dot(IndividualMarkRect(IndividualPoint(point, e.Side)), e.Kind == Kind::ShotMade);
    }
    m_courts.append(court);
    line.Cells.append(Picture(QStringLiteral("imgMiniPalya"), court, x, y + 6, CourtWidth,
                              CourtWidth * frame.height() / frame.width()));

    const int twoMade = p.CloseMade + p.MidMade;
    const int twoTried = twoMade + p.CloseMissed + p.MidMissed;
    const int threeTried = p.ThreeMade + p.ThreeMissed;
    const struct
    {
        const char *Name, *Caption;
        QString Value;
    } rows[] = {
        {"lblFG2", "FG(2):", shooting(twoMade, twoTried, PlayerStats::TwoPointPercent(p))},
        {"lblFG3", "FG(3):", shooting(p.ThreeMade, threeTried, PlayerStats::ThreePercent(p))},
        {"lblFT", "FT:",
         shooting(p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed, PlayerStats::FreeThrowPercent(p))},
        {"lblTot",
         "Tot:", shooting(twoMade + p.ThreeMade, twoTried + threeTried, PlayerStats::FieldGoalPercent(p))},
        {"lblPts", "Pts:", QString::number(p.Points)},
        {"lblReb", "DR/OR", QStringLiteral("%1/%2").arg(p.DefRebounds).arg(p.OffRebounds)},
    };
    double ry = y + 8;
    const double sx = x + CourtWidth + 1.5;
    for (const auto &r : rows) {
        line.Cells.append(Caption(QLatin1String(r.Name) + QStringLiteral("Caption"), QLatin1String(r.Caption),
                                  sx, ry, 11.5, 4, Align::Left, true, 6.5));
        line.Cells.append(Text(QLatin1String(r.Name), r.Value, sx + 12, ry, CellWidth - CourtWidth - 14.5, 4,
                               Align::Left, false, 6.5));
        ry += 4.5;
    }
}

TReportDocument TqrInvidualShotingChart::Build() const
{
    m_courts.clear();
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrInvidualShotingChart");
    doc.Landscape = false;
    doc.Copies = std::max(1, m_game.Settings().NumberOfCopies());
    TPageFrame layout(doc);
    const double width = layout.Width();
    const TSettings &s = m_game.Settings();
    layout.FooterHeight = FooterHeight;
    layout.PageHeader = [&](TPageFrame &l) {
        const QString band = QStringLiteral("PageHeaderBand1");
        l.Line(band, 0).Cells.append(Image(
            QStringLiteral("imgLogo"), ReportImagePath(s.ReportLogoFilename(), m_imageFolder), 0, 0, 30, 20));
        l.Line(band, 0).Cells.append(Caption(QStringLiteral("lblTitle"),
                                             QStringLiteral("Individual shooting chart"), 32, 0, width - 32,
                                             5, Align::Right, true, 9));
        l.Line(band, 4).Cells.append(
            Text(QStringLiteral("lblMegjegyzes"), QString(), 32, l.LineTop, width - 32, 4));
        const QString title = m_game.HomeTeam().Data.EgyesuletNev + QStringLiteral(" - ") +
                              m_game.AwayTeam().Data.EgyesuletNev +
                              QStringLiteral(" %1-%2")
                                  .arg(m_game.HomeTeam().Data.Totals.Points)
                                  .arg(m_game.AwayTeam().Data.Totals.Points);
        l.Line(band, 8).Cells.append(
            Text(QStringLiteral("lblMerkozes"), title, 32, l.LineTop, width - 32, 8, Align::Left, true, 13));
        l.Line(band, 5).Cells.append(
            Text(QStringLiteral("lblMerkozesHelye"), m_game.Stadium, 32, l.LineTop, width - 32, 5));
        l.Y = HeaderHeight;
    };
    layout.PageFooter = [&](TPageFrame &l) { TPageFooter::Across(width).Add(l); };
    layout.PageHeader(layout);
    for (int i = 0; i < m_players.size(); i += 3) {
        TReportLine &line = layout.Line(QStringLiteral("DetailBand1"), CellHeight);
        for (int c = 0; c < 3 && i + c < m_players.size(); ++c)
            cell(line, m_players[i + c], c * CellWidth, layout.LineTop);
    }
    layout.Finish();
    TranslateReport(doc, m_translator);
    return doc;
}
