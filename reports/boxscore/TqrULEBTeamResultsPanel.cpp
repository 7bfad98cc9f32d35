#include "TqrULEBTeamResults.h"

#include "model/game/TTeam.h"

#include <cmath>

// The side panel beside each team's table: ratios, rebound shares, starters
// against bench, and the team's extra points.

namespace {

using Align = TReportCell::Align;

// FormatFloat("0%"): a whole number, halves away from zero.
QString percentText(double value)
{
    return QString::number(std::llround(value)) + QLatin1Char('%');
}

} // namespace

void TqrULEBTeamResults::panelPair(QList<TReportCell> &cells, const QString &label, const QString &value,
                                   double y, double h, bool bold)
{
    cells.append(
        Caption(QStringLiteral("PanelLabel"), label, PanelX, y, 5 * PanelColumn, h, Align::Left, bold));
    cells.append(Text(QStringLiteral("PanelValue"), value, PanelX + 5 * PanelColumn, y, PanelColumn, h,
                      Align::Right, bold));
}

void TqrULEBTeamResults::sidePanel(QList<TReportCell> &cells, const TTeamSide &side, int r, double y,
                                   double h) const
{
    const TTeamTotals &t = side.Team->Data.Totals;
    const TTeamTotals &o = side.Opponent->Data.Totals;
    auto span = [&](const QString &name, const QString &value, int from, int count, Align align, bool bold,
                    bool isCaption = false) {
        TReportCell cell =
            Text(name, value, PanelX + from * PanelColumn, y, count * PanelColumn, h, align, bold);
        cell.Caption = isCaption;
        cells.append(cell);
    };
    auto ratio = [](int a, int b) { return b == 0 ? QString() : Fixed(double(a) / b, 2); };
    auto share = [](int a, int b) { return b == 0 ? QString() : percentText(100.0 * a / b); };
    auto labelled = [&](const char *label, const QString &value) {
        panelPair(cells, QLatin1String(label), value, y, h, false);
    };
    const char *headings[] = {"Pts", "Pts%", "FG%", "Rebs", "Rebs%", "Min%"};
    switch (r) {
    case 0:
        span(QStringLiteral("AS/TO"), ratio(t.Assists, t.Turnovers), 0, 2, Align::Center, true);
        span(QStringLiteral("ST/TO"), ratio(t.Steals, t.Turnovers), 2, 2, Align::Center, false);
        span(QStringLiteral("PF/FD"), ratio(t.PersonalFouls, t.FoulsDrawn), 4, 2, Align::Center, true);
        break;
    case 1:
        labelled("Off. Rebs./Missed Shots", share(t.OffRebounds, t.OffRebounds + o.DefRebounds));
        break;
    case 2:
        labelled("Def. Rebs./Opp. Missed Shots", share(t.DefRebounds, t.DefRebounds + o.OffRebounds));
        break;
    case 3: {
        const int mine = t.DefRebounds + t.OffRebounds;
        labelled("Tot. Rebs./All Rebs.", share(mine, mine + o.DefRebounds + o.OffRebounds));
        break;
    }
    case 4:
    case 7:
        span(QStringLiteral("PanelTitle"), r == 4 ? QStringLiteral("Starters:") : QStringLiteral("Bench:"), 2,
             2, Align::Center, true, true);
        break;
    case 5:
    case 8:
        for (int i = 0; i < 6; ++i)
            span(QLatin1String(headings[i]), QLatin1String(headings[i]), i, 1, Align::Right, true, true);
        break;
    case 6:
    case 9: {
        const bool starters = r == 6;
        int points = 0, made = 0, tried = 0, rebounds = 0, time = 0, allTime = 0;
        const QList<TBoxScoreRow> &rows = *side.Rows;
        for (int i = 1; i < rows.size(); ++i) {
            if (!rows[i].Record)
                continue;
            const TPlayer &p = *rows[i].Record;
            allTime += p.PlayingTime;
            if (bool(p.Starter) != starters)
                continue;
            const int m = p.CloseMade + p.MidMade + p.ThreeMade + p.FreeThrowsMade;
            points += p.Points;
            made += m;
            tried += m + p.CloseMissed + p.MidMissed + p.ThreeMissed + p.FreeThrowsMissed;
            rebounds += p.DefRebounds + p.OffRebounds;
            time += p.PlayingTime;
        }
        auto tenth = [](int a, int b) { return b == 0 ? QString() : Fixed(100.0 * a / b, 1); };
        const QString values[] = {QString::number(points),
                                  tenth(points, t.Points),
                                  tenth(made, tried),
                                  QString::number(rebounds),
                                  tenth(rebounds, t.DefRebounds + t.OffRebounds),
                                  tenth(time, allTime)};
        for (int i = 0; i < 6; ++i)
            span(QLatin1String(headings[i]), values[i], i, 1, Align::Right, false);
        break;
    }
    case 10:
        labelled("Ball recover", QString::number(t.IndirectSteals));
        break;
    case 11:
        labelled("Fast Break", QString::number(t.FastBreakPoints));
        break;
    case 12:
        labelled("2nd chance pts.", QString::number(t.SecondChancePoints));
        break;
    default:
        break;
    }
}
