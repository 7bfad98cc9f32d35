#include "TGameHeader.h"

#include "TPageFrame.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

#include <algorithm>

namespace {

using Align = TReportCell::Align;
using ReportCells::Caption;
using ReportCells::Text;

const QString Band = QStringLiteral("PageHeaderBand1");

} // namespace

TGameHeader TGameHeader::Chart(const TGame &game, bool withFacts)
{
    TGameHeader header;
    header.LogoHeight = 24;
    const QString home = game.HomeTeam().Data.EgyesuletNev;
    const QString away = game.AwayTeam().Data.EgyesuletNev;
    const double titleSize =
        game.Settings().ReportTitleFontSize() > 0 ? game.Settings().ReportTitleFontSize() : 14;
    header.TitleLines = {
        TitleLine(QStringLiteral("lblMerkozes"), TitleText(game, home, away), 7.5, titleSize),
        TitleLine(QStringLiteral("lblMerkozesNegyedek"), PeriodScoresText(game), 4.5, 8)};
    header.Facts = withFacts;
    header.Width = withFacts ? 150 : 0;
    header.Gap = withFacts ? 1.5 : 1;
    header.Played = PlayerStats::ClockText(game.Clock);
    header.SpectatorsCaptionAlways = true;
    header.Scores = TScores::Reached;
    header.HomeName = home;
    header.AwayName = away;
    header.ScoreSize = 7;
    header.BoldShownOnly = true;
    return header;
}

QString TGameHeader::TitleText(const TGame &game, const QString &home, const QString &away)
{
    return (home + QStringLiteral(" - ") + away).left(124) + QStringLiteral(" %1-%2")
                                                                 .arg(game.HomeTeam().Data.Totals.Points)
                                                                 .arg(game.AwayTeam().Data.Totals.Points);
}

QString TGameHeader::PeriodScoresText(const TGame &game)
{
    const int last = game.PeriodsPlayed();
    const QList<TGame::Score> scores = game.PeriodScores(last);
    QStringList entries;
    for (int k = 0; k < last; ++k)
        entries.append(QStringLiteral("%1-%2").arg(scores[k].Home).arg(scores[k].Away));
    return QLatin1Char('(') + entries.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString TGameHeader::RefereesText(const TGame &game, const QString &caption)
{
    QStringList names;
    for (const QString &referee : {game.Referee1, game.Referee2, game.Referee3})
        if (!referee.trimmed().isEmpty())
            names << referee.trimmed();
    // The caption and the first name are apart however the caption was translated.
    return names.isEmpty() ? caption
                           : caption.trimmed() + QLatin1Char(' ') + names.join(QStringLiteral(", "));
}

TReportCell TGameHeader::TitleLine(const QString &name, const QString &text, double height, double size)
{
    return Text(name, text, 0, 0, 0, height, Align::Left, true, size);
}

void TGameHeader::Add(TPageFrame &frame, const TGame &game, ITranslator &translator,
                      const QString &imageFolder) const
{
    // Beside the logo, and clear of the running score on the right.
    const double x = 32;
    const double w = Width > 0 ? Width : frame.Width() - x;
    const double top = frame.Y;
    frame.Line(Band, 0).Cells.append(ReportCells::Image(
        QStringLiteral("imgLogo"), ReportImagePath(game.Settings().ReportLogoFilename(), imageFolder), 0, top,
        30, LogoHeight));
    frame.Line(Band, 4).Cells.append(Text(QStringLiteral("lblMegjegyzes"), Remark, x, frame.LineTop, w, 4,
                                          Align::Left, !Remark.isEmpty(), 8));
    for (TReportCell cell : TitleLines) {
        const double h = cell.Place.height();
        TReportLine &line = frame.Line(Band, h);
        cell.Place = QRectF(x, frame.LineTop, w, h);
        line.Cells.append(cell);
    }
    frame.Line(Band, 4).Cells.append(Text(QStringLiteral("lblMerkozesHelye"), game.Stadium, x, frame.LineTop,
                                          w, 4, Align::Left, false, 7));
    const QString referees =
        RefereesText(game, translator.Translate(QStringLiteral("Referees:"), QStringLiteral("PRINT")));
    frame.Line(Band, 4).Cells.append(
        Text(QStringLiteral("lblMerkozesBirok"), referees, x, frame.LineTop, w, 4, Align::Left, false, 7));
    if (!Facts) {
        frame.Y = std::max(frame.Y, top + 24) + Gap;
        return;
    }
    TReportLine &facts = frame.Line(Band, 4);
    facts.Cells = factsCells(game, x, frame.LineTop);
    const double keep = frame.Y;
    runningScore(frame, game, top + 8);
    frame.Y = std::max({keep, frame.Y, top + 29}) + Gap;
}

QList<TReportCell> TGameHeader::factsCells(const TGame &game, double x, double y) const
{
    const bool spectators = game.Attendance != 0;
    return {
        Caption(QStringLiteral("lblDateCaption"), QStringLiteral("Date:"), x, y, 12, 4, Align::Left, true, 7),
        Text(QStringLiteral("lblDate"), game.GameDate, x + 12, y, 22, 4, Align::Left, false, 7),
        Caption(QStringLiteral("lblTimeCaption"), QStringLiteral("Start:"), x + 35, y, 12, 4, Align::Left,
                true, 7),
        Text(QStringLiteral("lblTime"), game.GameTime, x + 47, y, 12, 4, Align::Left, false, 7),
        Caption(QStringLiteral("lblPlayedCaption"), QStringLiteral("Played:"), x + 60, y, 14, 4, Align::Left,
                true, 7),
        Text(QStringLiteral("lblPlayed"), Played, x + 74, y, 14, 4, Align::Left, false, 7),
        Caption(QStringLiteral("lblSpectatorsCaption"),
                spectators || SpectatorsCaptionAlways ? QStringLiteral("Spectators:") : QString(), x + 89, y,
                20, 4, Align::Left, true, 7),
        Text(QStringLiteral("lblSpectators"), spectators ? QString::number(game.Attendance) : QString(),
             x + 109, y, 20, 4, Align::Left, false, 7),
    };
}

void TGameHeader::runningScore(TPageFrame &frame, const TGame &game, double top) const
{
    const int length = game.PeriodLength();
    const int step = length == 12 ? 6 : 5;
    const double x = 186, nameWidth = 30, cw = 7, otWidth = 11, h = 4.5;
    frame.Y = top;
    TReportLine &captions = frame.Line(Band, h);
    captions.Cells.append(Caption(QStringLiteral("lblTeamsMins"), QStringLiteral("Teams/Mins"), x, top,
                                  nameWidth, h, Align::Left, true, ScoreSize));
    for (int i = 1; i <= 8; ++i)
        captions.Cells.append(Text(QStringLiteral("lblPerc%1").arg(5 * i),
                                   QStringLiteral("%1'").arg(i * step), x + nameWidth + (i - 1) * cw, top, cw,
                                   h, Align::Center, true, ScoreSize));
    captions.Cells.append(Caption(QStringLiteral("lblPercHosszabbitas"), QStringLiteral("OT"),
                                  x + nameWidth + 8 * cw, top, otWidth, h, Align::Center, true, ScoreSize));
    const bool blank = Scores == TScores::Blank;
    const bool overtime = game.Clock > game.RegulationTicks() && !blank;
    const TGame::Score final = game.ScoreAtMinute(100);
    for (const bool home : {true, false}) {
        const QString side = home ? QStringLiteral("Hazai") : QStringLiteral("Vendeg");
        TReportLine &row = frame.Line(Band, h);
        const double y = frame.LineTop;
        row.Cells.append(Text(QStringLiteral("lbl%1Nev").arg(side), home ? HomeName : AwayName, x, y,
                              nameWidth, h, Align::Left, true, ScoreSize));
        if (Scores == TScores::None)
            continue;
        for (int i = 1; i <= 8; ++i) {
            const int minute = i * step;
            const TGame::Score s = game.ScoreAtMinute(minute);
            const int mine = home ? s.Home : s.Away;
            const int theirs = home ? s.Away : s.Home;
            const bool inGame = Scores == TScores::Reached || length != 5 || i <= 2;
            const bool shown = inGame && game.Clock >= 4 * minute && !blank;
            row.Cells.append(Text(QStringLiteral("lbl%1%2perc").arg(side).arg(5 * i),
                                  shown ? QString::number(mine) : QString(), x + nameWidth + (i - 1) * cw, y,
                                  cw, h, Align::Center, (shown || !BoldShownOnly) && mine >= theirs,
                                  ScoreSize));
        }
        const int mine = home ? final.Home : final.Away;
        const int theirs = home ? final.Away : final.Home;
        row.Cells.append(Text(QStringLiteral("lbl%1Hosszabbitas").arg(side),
                              overtime ? QString::number(mine) : QString(), x + nameWidth + 8 * cw, y,
                              otWidth, h, Align::Center, overtime && mine >= theirs, ScoreSize));
    }
}
