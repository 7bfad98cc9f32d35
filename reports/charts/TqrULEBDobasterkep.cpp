#include "TqrULEBDobasterkep.h"

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

constexpr double PictureHeight = 156;
constexpr double PictureWidth = PictureHeight * 347 / 520;
constexpr double LegendWidth = 36;
constexpr double LegendLine = 3.4;

QString groupLine(int made, int attempts, int percent)
{
    return QStringLiteral("%1/%2 (%3%)").arg(made).arg(attempts).arg(percent);
}

} // namespace

TqrULEBDobasterkep::TqrULEBDobasterkep(const TGame &game, ITranslator &translator)
    : m_game(game), m_translator(translator)
{
}

int TqrULEBDobasterkep::jersey(const TGameEvent &shot) const
{
    // The game's own number first: the master data may not know the player
    // at all, or still hold the number he had before "Set jersey".
    const QString webId = ShotPositions::ShooterWebId(shot.Message);
    const TPlayer *byWebId = nullptr;
    for (const TTeam *team :
         {static_cast<const TTeam *>(&m_game.HomeTeam()), static_cast<const TTeam *>(&m_game.AwayTeam())})
        for (const TPlayerList *list : {&team->OnCourt, &team->Bench})
            for (int i = 0; i < list->Count(); ++i) {
                const TPlayer *p = list->At(i);
                const bool shootersTeam = (team->SideNumber == 1) == (shot.Side == 1);
                if (shootersTeam && shot.PlayerId >= 0 && p->JatekosID == shot.PlayerId)
                    return p->JatekosMezSzam;
                if (!byWebId && !webId.isEmpty() && p->WebID == webId)
                    byWebId = p;
            }
    if (byWebId)
        return byWebId->JatekosMezSzam;
    if (m_lookup) {
        QString error;
        const int number = m_lookup(webId, &error);
        if (!error.isEmpty())
            m_messages.append(error);
        return number;
    }
    return 0;
}

void TqrULEBDobasterkep::legend(QList<TReportLine> &lines, const TTeam &team, bool home, double x,
                                double top) const
{
    const QString side = home ? QStringLiteral("Hazai") : QStringLiteral("Vendeg");
    const double w = LegendWidth - 1.5;
    double y = top;
    auto line = [&](QList<TReportCell> cells) {
        lines.append(TReportLine{std::move(cells)});
        y += LegendLine;
    };
    line({Text(QStringLiteral("lbl%1Csapat").arg(side), team.Data.EgyesuletNev, x, y, w, 4, Align::Left, true,
               8)});
    y += 1;
    // The team's players by name; only the first twelve have a line.
    QList<const TPlayer *> players;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            players.append(list->At(i));
    const TNameOrder names(m_game.Settings().Edition());
    std::stable_sort(players.begin(), players.end(),
                     [&](const TPlayer *a, const TPlayer *b) { return names(a->JatekosNev, b->JatekosNev); });
    for (int n = 1; n <= LegendLines; ++n) {
        const TPlayer *p = n <= players.size() ? players[n - 1] : nullptr;
        line({Text(QStringLiteral("lbl%1Mez%2").arg(side).arg(n),
                   p ? QString::number(p->JatekosMezSzam) : QString(), x, y, 5, LegendLine, Align::Right),
              Text(QStringLiteral("lbl%1Jatekos%2").arg(side).arg(n), p ? p->JatekosNev : QString(), x + 6, y,
                   w - 6, LegendLine)});
    }
    y += 1;
    // The teams change ends at half time: after the second quarter, or the first of two periods.
    const bool halves = m_game.PeriodCount() == 2;
    line(
        {Caption(QStringLiteral("lbl%1Top").arg(side), QStringLiteral("Top:"), x, y, 14, LegendLine,
                 Align::Left, true),
         Caption(QStringLiteral("lbl%1TopPeriods").arg(side),
                 halves ? QStringLiteral("1. felido") : QStringLiteral("Q1-Q2"), x + 15, y, 21, LegendLine)});
    line({Caption(QStringLiteral("lbl%1Bottom").arg(side), QStringLiteral("Bottom:"), x, y, 14, LegendLine,
                  Align::Left, true),
          Caption(QStringLiteral("lbl%1BottomPeriods").arg(side),
                  halves ? QStringLiteral("2. felido (OT)") : QStringLiteral("Q3-Q4 (OT)"), x + 15, y, 21,
                  LegendLine)});
    y += 1;

    const TPlayer t = team.TotalsAsPlayer();
    const int close = t.CloseMade + t.CloseMissed;
    const int mid = t.MidMade + t.MidMissed;
    const int three = t.ThreeMade + t.ThreeMissed;
    const int fieldMade = t.CloseMade + t.MidMade + t.ThreeMade;
    const struct
    {
        const char *Name, *Caption;
        int Made, Attempts, Percent, Points;
    } groups[] = {
        {"Paint", "In the paint:", t.CloseMade, close, PlayerStats::ClosePercent(t), 2 * t.CloseMade},
        {"Jumper", "Jumper:", t.MidMade, mid, PlayerStats::MidPercent(t), 2 * t.MidMade},
        {"Three", "3-pointer:", t.ThreeMade, three, PlayerStats::ThreePercent(t), 3 * t.ThreeMade},
        {"FieldGoal", "Field Goal:", fieldMade, close + mid + three, PlayerStats::FieldGoalPercent(t),
         2 * (t.CloseMade + t.MidMade) + 3 * t.ThreeMade},
        {"FreeThrow", "Free Throw:", t.FreeThrowsMade, t.FreeThrowsMade + t.FreeThrowsMissed,
         PlayerStats::FreeThrowPercent(t), t.FreeThrowsMade},
    };
    const QString points = m_translator.Translate(QStringLiteral("points"), QStringLiteral("PRINT"));
    for (const auto &g : groups) {
        const QString name = QStringLiteral("lbl%1%2").arg(side, QLatin1String(g.Name));
        line({Caption(name, QLatin1String(g.Caption), x, y, w, LegendLine, Align::Left, true)});
        line({Text(name + QStringLiteral("1"), groupLine(g.Made, g.Attempts, g.Percent), x + 2, y, w - 2,
                   LegendLine)});
        line({Text(name + QStringLiteral("2"), QString::number(g.Points) + QLatin1Char(' ') + points, x + 2,
                   y, w - 2, LegendLine)});
        y += 0.8;
    }
}

TReportDocument TqrULEBDobasterkep::Build() const
{
    using namespace ShotPositions;
    m_messages.clear();
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrULEBDobasterkep");
    doc.Landscape = true;
    doc.Copies = std::max(1, m_game.Settings().NumberOfCopies());
    TPageFrame layout(doc);
    TGameHeader::Chart(m_game, true).Add(layout, m_game, m_translator, m_imageFolder);
    // The report's title above the running score.
    layout.Line(QStringLiteral("PageHeaderBand1"), 0)
        .Cells.append(Caption(QStringLiteral("lblTitle"), QStringLiteral("Shooting map"), 186, 0, 97, 6,
                              Align::Left, true, 11));

    const QSizeF frame(TeamPicture);
    m_homeCourt = std::make_shared<TChartCanvas>(frame);
    m_awayCourt = std::make_shared<TChartCanvas>(frame);
    for (const auto &court : {m_homeCourt, m_awayCourt})
        court->Court(TChartCanvas::CentredCourt(frame, 1.44, false));
    for (const TEventList::Entry &entry : m_game.RecordedEvents.Entries()) {
        const TGameEvent &e = *entry.Event;
        if (e.Kind != Kind::ShotMade && e.Kind != Kind::ShotMissed)
            continue;
        const TCourtPoint point = ReadPoint(e.Message, TRule::TeamChart);
        if (!point.Drawn())
            continue;
        const int number = jersey(e);
        const bool made = e.Kind == Kind::ShotMade;
        const QRect rect = TeamMarkerRect(TeamChartPoint(point, e.Side, e.Clock), made);
        (e.Side == 1 ? m_homeCourt : m_awayCourt)->Marker(rect, number, made);
    }

    const double top = layout.Y + 1;
    const double width = layout.Width();
    TReportLine &pictures = layout.Line(QStringLiteral("DetailBand1"), 0);
    pictures.Cells.append(
        Picture(QStringLiteral("imgHazaiPalya"), m_homeCourt, LegendWidth, top, PictureWidth, PictureHeight));
    pictures.Cells.append(Picture(QStringLiteral("imgVendegPalya"), m_awayCourt,
                                  width - LegendWidth - PictureWidth, top, PictureWidth, PictureHeight));
    // The legends stand outside the courts, line by line side by side.
    QList<TReportLine> home, away;
    legend(home, m_game.HomeTeam(), true, 0, top);
    legend(away, m_game.AwayTeam(), false, width - LegendWidth + 1.5, top);
    for (int i = 0; i < home.size(); ++i) {
        TReportLine &line = layout.Line(QStringLiteral("DetailBand1"), 0);
        line.Cells = home[i].Cells + away[i].Cells;
    }
    TranslateReport(doc, m_translator);
    return doc;
}
