#include "TqrULEBTeamResults.h"

#include "reports/frame/TGameHeader.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/output/TNameOrder.h"
#include "model/output/TPeriodNames.h"
#include "model/services/Services.h"

#include <algorithm>

namespace {

using Align = TReportCell::Align;

// Made cells end with "/" and the attempts follow at once, so a pair reads "5/9".
const TqrULEBTeamResults::TColumnSpec Columns[] = {
    {"S5", "S5", "", 0, 5, Align::Center},
    {"Mez", "", "", 5, 5.5, Align::Right},
    {"Nev", "", "", 12, 37, Align::Left},
    {"Perc", "Perc", "", 49, 12, Align::Center},
    {"Pont", "Pont", "", 61, 8, Align::Right},
    {"2-pointers M", "M", "2-pointers", 70, 6, Align::Right},
    {"2-pointers A", "A", "2-pointers", 76, 4.5, Align::Left},
    {"2-pointers %", "%", "2-pointers", 80.5, 6, Align::Right},
    {"3-pointers M", "M", "3-pointers", 87.5, 6, Align::Right},
    {"3-pointers A", "A", "3-pointers", 93.5, 4.5, Align::Left},
    {"3-pointers %", "%", "3-pointers", 98, 6, Align::Right},
    {"FG M", "M", "FG", 105, 6, Align::Right},
    {"FG A", "A", "FG", 111, 4.5, Align::Left},
    {"FG %", "%", "FG", 115.5, 6, Align::Right},
    {"FTS M", "M", "FTS", 122.5, 6, Align::Right},
    {"FTS A", "A", "FTS", 128.5, 4.5, Align::Left},
    {"FTS %", "%", "FTS", 133, 6, Align::Right},
    {"Rebs. D", "D", "Rebs.", 140, 5, Align::Right},
    {"Rebs. O", "O", "Rebs.", 145, 5, Align::Right},
    {"Rebs. T", "T", "Rebs.", 150, 5, Align::Right},
    {"Foults F", "F", "Foults", 156, 5, Align::Right},
    {"Foults KF", "KF", "Foults", 161, 5, Align::Right},
    {"SzL", "SzL", "", 167, 5.5, Align::Right},
    {"EL", "EL", "", 172.5, 5.5, Align::Right},
    {"As", "As", "", 178, 5.5, Align::Right},
    {"Blocks Blk", "Blk", "Blocks", 184.5, 5.5, Align::Right},
    {"Blocks H", "H", "Blocks", 190, 5, Align::Right},
    {"VAL", "VAL", "", 195.5, 6.5, Align::Right},
};

struct TGroup
{
    int Made = 0;
    int Attempts = 0;
};

} // namespace

QList<TqrULEBTeamResults::TColumn> TqrULEBTeamResults::ColumnsOf(std::span<const TColumnSpec> specs)
{
    QList<TColumn> columns;
    for (const TColumnSpec &c : specs)
        columns.append(TColumn{QLatin1String(c.Name), QLatin1String(c.Caption), QLatin1String(c.Group), c.X,
                               c.Width, c.Alignment});
    return columns;
}

QList<TqrULEBTeamResults::TColumn> TqrULEBTeamResults::BoxScoreColumns()
{
    return ColumnsOf(Columns);
}

TReportCell TqrULEBTeamResults::Text(const QString &name, const QString &value, double x, double y, double w,
                                     double h, Align align, bool bold, double size)
{
    return ReportCells::Text(name, value, x, y, w, h, align, bold, size);
}

TReportCell TqrULEBTeamResults::Caption(const QString &name, const QString &key, double x, double y, double w,
                                        double h, Align align, bool bold, double size)
{
    return ReportCells::Caption(name, key, x, y, w, h, align, bold, size);
}

TReportCell TqrULEBTeamResults::Image(const QString &name, const QString &file, double x, double y, double w,
                                      double h)
{
    return ReportCells::Image(name, file, x, y, w, h);
}

QString TqrULEBTeamResults::Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

TReportCell TqrULEBTeamResults::at(const QString &name, const QString &value, double y, double h,
                                   bool bold) const
{
    const QList<TColumn> &table = columns();
    const TColumn *c = &table.first();
    for (const TColumn &d : table)
        if (d.Name == name) {
            c = &d;
            break;
        }
    return Text(name, value, c->X, y, c->Width, h, c->Alignment, bold);
}

TqrULEBTeamResults::TqrULEBTeamResults(const TGame &game, ITranslator &translator)
    : m_game(game), m_translator(translator), m_edition(game.Settings().Edition()),
      m_columns(BoxScoreColumns())
{
    const bool byName = game.Settings().SortByName();
    const TNameOrder names(game.Settings().Edition());
    m_home = TBoxScoreRows::Build(game.HomeTeam(), byName, names);
    m_away = TBoxScoreRows::Build(game.AwayTeam(), byName, names);
}

void TqrULEBTeamResults::SetRows(QList<TBoxScoreRow> home, QList<TBoxScoreRow> away)
{
    m_home = std::move(home);
    m_away = std::move(away);
}

bool TqrULEBTeamResults::IsAllZero(const QString &text)
{
    for (const QChar c : text)
        if (c != QLatin1Char('0') && c != QLatin1Char('/'))
            return false;
    return true;
}

QString TqrULEBTeamResults::FormatZeroAsDot(const QString &text, const QString &dot)
{
    if (!IsAllZero(text))
        return text;
    QString out = text;
    out.replace(QLatin1Char('0'), dot);
    return out;
}

QString TqrULEBTeamResults::tr(const QString &text) const
{
    return m_translator.Translate(text, QStringLiteral("PRINT"));
}

QString TqrULEBTeamResults::dot(const QString &text) const
{
    return FormatZeroAsDot(text, tr(QStringLiteral(".")));
}

QString TqrULEBTeamResults::imagePath(const QString &setting) const
{
    return ReportImagePath(setting, m_imageFolder);
}

int TqrULEBTeamResults::copies() const
{
    return std::max(1, m_game.Settings().NumberOfCopies());
}

const TTeam &TqrULEBTeamResults::valueTeam(bool home) const
{
    return home ? static_cast<const TTeam &>(m_game.HomeTeam()) : m_game.AwayTeam();
}

TqrULEBTeamResults::TTeamSide TqrULEBTeamResults::side(bool home) const
{
    return TTeamSide{&valueTeam(home), &valueTeam(!home), home ? &m_home : &m_away, home};
}

QString TqrULEBTeamResults::teamName(const TTeam &team) const
{
    return team.Data.EgyesuletNev;
}

QString TqrULEBTeamResults::playerName(const TBoxScoreRow &row) const
{
    return row.Record ? row.Record->JatekosNev : QString();
}

QString TqrULEBTeamResults::titleText() const
{
    return TGameHeader::TitleText(m_game, teamName(m_game.HomeTeam()), teamName(m_game.AwayTeam()));
}

QString TqrULEBTeamResults::periodLineText() const
{
    return TGameHeader::PeriodScoresText(m_game);
}

int TqrULEBTeamResults::valuation(const TPlayer &record) const
{
    return PlayerStats::Valuation(record, m_edition);
}

int TqrULEBTeamResults::teamValuation(const TTeam &team) const
{
    return PlayerStats::Valuation(team.TotalsAsPlayer(), m_edition);
}

int TqrULEBTeamResults::indirectSteals(const TPlayer &record) const
{
    return PlayerStats::IndirectSteals(record);
}

TReportDocument TqrULEBTeamResults::Build() const
{
    TReportDocument doc;
    doc.ReportClass = reportClass();
    doc.Landscape = true;
    doc.Copies = copies();
    TLayout layout(doc);
    bands(layout);
    if (!m_headerFont.isEmpty())
        for (TReportPage &page : doc.Pages)
            for (TReportBand &band : page.Bands)
                if (band.Name == QLatin1String("PageHeaderBand1"))
                    for (TReportLine &line : band.Lines)
                        for (TReportCell &cell : line.Cells)
                            cell.Font = m_headerFont;
    TranslateReport(doc, m_translator);
    return doc;
}

void TqrULEBTeamResults::bands(TLayout &layout) const
{
    const TTeamSide home = side(true);
    const TTeamSide away = side(false);
    header(layout);
    teamHeading(layout, home);
    for (int r = 0; r < m_home.size(); ++r)
        playerLine(layout, home, r);
    totalLine(layout, home);
    comparison(layout, home, away);
    teamHeading(layout, away);
    for (int r = 0; r < m_away.size(); ++r)
        playerLine(layout, away, r);
    totalLine(layout, away);
    if (m_footer)
        footer(layout);
}

void TqrULEBTeamResults::header(TLayout &layout) const
{
    const TSettings &s = m_game.Settings();
    TGameHeader header;
    header.Remark = remarkText();
    const double titleSize = s.ReportTitleFontSize() > 0 ? s.ReportTitleFontSize() : 14;
    header.TitleLines.append(
        TGameHeader::TitleLine(QStringLiteral("lblMerkozes"), titleText(), 7.5, titleSize));
    if (m_periodLine)
        header.TitleLines.append(
            TGameHeader::TitleLine(QStringLiteral("lblMerkozesNegyedek"), periodLineText(), 4.5, 8));
    header.Played = m_playedValue ? PlayerStats::ClockText(m_game.Clock) : QString();
    header.SpectatorsCaptionAlways = m_spectatorsCaptionAlways;
    header.Scores = m_blankRunningScore   ? TGameHeader::TScores::Blank
                    : m_plainRunningScore ? TGameHeader::TScores::Reached
                                          : TGameHeader::TScores::Regulation;
    header.HomeName = teamName(m_game.HomeTeam());
    header.AwayName = teamName(m_game.AwayTeam());
    header.Add(layout, m_game, m_translator, m_imageFolder);
}

void TqrULEBTeamResults::columnCaptions(TLayout &layout, const QString &band, const QString &nameText,
                                        bool withPanel) const
{
    TReportLine &line = layout.Line(band, HeadingHeight);
    const double y = layout.LineTop;
    for (const TColumn &c : columns()) {
        if (c.Name == QLatin1String("Nev"))
            line.Cells.append(Text(QStringLiteral("Nev"), nameText, c.X, y, c.Width, HeadingHeight));
        else {
            // "M" and "A" stand apart over the pair they head, which reads as one "5/9".
            const double left = c.Name.endsWith(QLatin1String(" A")) ? 0.8 : 0;
            const double right = c.Name.endsWith(QLatin1String(" M")) ? 1.2 : 0;
            line.Cells.append(Caption(c.Name, c.Caption, c.X + left, y, c.Width - left - right, HeadingHeight,
                                      c.Alignment));
        }
    }
    if (withPanel) {
        const char *panel[] = {"AS/TO", "ST/TO", "PF/FD"};
        for (int i = 0; i < 3; ++i)
            line.Cells.append(Caption(QLatin1String(panel[i]), QLatin1String(panel[i]),
                                      PanelX + 2 * i * PanelColumn, y, 2 * PanelColumn, HeadingHeight,
                                      Align::Center));
    }
}

// The group captions over the table: "2-pointers" over M, A and %.
void TqrULEBTeamResults::groupCaptions(QList<TReportCell> &cells, double y) const
{
    QString last;
    const QList<TColumn> &table = columns();
    for (const TColumn &c : table) {
        if (c.Group.isEmpty() || c.Group == last)
            continue;
        last = c.Group;
        double right = c.X + c.Width;
        for (const TColumn &d : table)
            if (c.Group == d.Group)
                right = d.X + d.Width;
        TReportCell cell = Caption(c.Group, c.Group, c.X, y, right - c.X, HeadingHeight, Align::Center);
        cell.Underline = true;
        cells.append(cell);
    }
}

void TqrULEBTeamResults::teamHeading(TLayout &layout, const TTeamSide &side) const
{
    const QString band = side.Home ? QStringLiteral("QRStringsBand4") : QStringLiteral("QRStringsBand2");
    const QString prefix = side.Home ? QStringLiteral("Hazai") : QStringLiteral("Vendeg");
    // The heading never stays alone at the foot of a page.
    layout.KeepTogether(2 * HeadingHeight + 4 * LineHeight);
    TReportLine &name = layout.Line(band, HeadingHeight + 0.5);
    name.Cells.append(Text(QStringLiteral("lbl%1Csapat").arg(prefix), teamName(*side.Team), 0, layout.LineTop,
                           69, HeadingHeight + 0.5, Align::Left, true, 9));
    groupCaptions(name.Cells, layout.LineTop + 0.5);
    // The coach stands in the name column of the captions' line.
    const QString coach = side.Home ? m_game.HomeCoach : m_game.AwayCoach;
    columnCaptions(layout, band, m_coachInHeading ? coach : QString(), m_headingPanel);
}

void TqrULEBTeamResults::statCells(QList<TReportCell> &cells, const TPlayer &p, int val, int indirect,
                                   bool plainPoints, bool plainPercent, double y, double h, bool bold) const
{
    if (m_blankValues) {
        for (const TColumn &c : columns())
            if (c.X >= 60)
                cells.append(at(c.Name, QString(), y, h, bold));
        return;
    }
    cells.append(at(QStringLiteral("Pont"),
                    plainPoints ? QString::number(p.Points) : dot(QString::number(p.Points)), y, h, bold));
    const TGroup groups[] = {
        {p.CloseMade + p.MidMade, p.CloseMade + p.MidMade + p.CloseMissed + p.MidMissed},
        {p.ThreeMade, p.ThreeMade + p.ThreeMissed},
        {p.CloseMade + p.MidMade + p.ThreeMade,
         p.CloseMade + p.MidMade + p.ThreeMade + p.CloseMissed + p.MidMissed + p.ThreeMissed},
        {p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed},
    };
    const int percents[] = {PlayerStats::TwoPointPercent(p), PlayerStats::ThreePercent(p),
                            PlayerStats::FieldGoalPercent(p), PlayerStats::FreeThrowPercent(p)};
    const char *names[][3] = {{"2-pointers M", "2-pointers A", "2-pointers %"},
                              {"3-pointers M", "3-pointers A", "3-pointers %"},
                              {"FG M", "FG A", "FG %"},
                              {"FTS M", "FTS A", "FTS %"}};
    for (int g = 0; g < 4; ++g) {
        const QString made = QString::number(groups[g].Made);
        const QString attempts = QString::number(groups[g].Attempts);
        // The pair is tested as a whole: "0/3" keeps its zero.
        const bool zero = IsAllZero(made + QLatin1Char('/') + attempts);
        cells.append(
            at(QLatin1String(names[g][0]), (zero ? dot(made) : made) + QLatin1Char('/'), y, h, bold));
        cells.append(at(QLatin1String(names[g][1]), zero ? dot(attempts) : attempts, y, h, bold));
        const QString percent = QString::number(percents[g]);
        cells.append(at(QLatin1String(names[g][2]), plainPercent ? percent : dot(percent), y, h, bold));
    }
    const std::pair<const char *, int> counts[] = {{"Rebs. D", p.DefRebounds},
                                                   {"Rebs. O", p.OffRebounds},
                                                   {"Rebs. T", p.DefRebounds + p.OffRebounds},
                                                   {"Foults F", p.PersonalFouls},
                                                   {"Foults KF", p.FoulsDrawn},
                                                   {"SzL", p.Steals},
                                                   {"EL", p.Turnovers},
                                                   {"As", p.Assists},
                                                   {"Blocks Blk", p.Blocks},
                                                   {"Blocks H", p.BlocksReceived},
                                                   {"I", indirect},
                                                   {"VAL", val}};
    const QList<TColumn> &table = columns();
    for (const auto &[name, value] : counts) {
        const QString key = QLatin1String(name);
        // Only the variants with an "I" column print the indirect steals.
        if (key == QLatin1String("I") &&
            std::none_of(table.begin(), table.end(), [&](const TColumn &c) { return c.Name == key; }))
            continue;
        cells.append(at(key, dot(QString::number(value)), y, h, bold));
    }
}

void TqrULEBTeamResults::playerLine(TLayout &layout, const TTeamSide &side, int r) const
{
    const QString band = side.Home ? QStringLiteral("sbHazaiCsapat") : QStringLiteral("sbVendegCsapat");
    TReportLine &line = layout.Line(band, LineHeight);
    const double y = layout.LineTop;
    const TBoxScoreRow &row = (*side.Rows)[r];
    if (row.Record) {
        const TPlayer &p = *row.Record;
        // The team line is no player: it has no jersey.
        const bool teamLine = row.Key.startsWith(QLatin1Char(' '));
        line.Cells.append(at(QStringLiteral("S5"), p.Starter ? starterMark() : QString(), y, LineHeight));
        line.Cells.append(at(QStringLiteral("Mez"), teamLine ? QString() : QString::number(p.JatekosMezSzam),
                             y, LineHeight));
        line.Cells.append(at(QStringLiteral("Nev"), playerName(row), y, LineHeight));
        line.Cells.append(at(QStringLiteral("Perc"),
                             m_blankValues ? QString() : PlayerStats::PlayingTimeText(p), y, LineHeight));
        statCells(line.Cells, p, valuation(p), indirectSteals(p), false, false, y, LineHeight, false);
    } else {
        for (const TColumn &c : columns())
            line.Cells.append(at(c.Name, QString(), y, LineHeight));
    }
    if (m_headingPanel)
        sidePanel(line.Cells, side, r, y, LineHeight);
}

int TqrULEBTeamResults::teamTime(const TTeamSide &side) const
{
    int time = 0;
    for (const TBoxScoreRow &row : *side.Rows)
        if (row.Record)
            time += row.Record->PlayingTime;
    return time;
}

void TqrULEBTeamResults::totalLine(TLayout &layout, const TTeamSide &side) const
{
    const QString band =
        side.Home ? QStringLiteral("sbCsapat1Osszesen") : QStringLiteral("sbCsapat2Osszesen");
    const double h = LineHeight + 0.6;
    TReportLine &line = layout.Line(band, h);
    const double y = layout.LineTop;
    line.Cells.append(at(QStringLiteral("S5"), QString(), y, h));
    line.Cells.append(at(QStringLiteral("Mez"), QString(), y, h));
    TReportCell total = at(QStringLiteral("Nev"), QStringLiteral("Total"), y, h, true);
    total.Caption = true;
    if (m_coachInTotal) {
        // The coach's name follows the label in the name column.
        const QRectF place = total.Place;
        const double label = 15;
        total.Place.setWidth(label);
        line.Cells.append(total);
        // Named as the coach, so the name is not read as the team's total.
        const QString coach = side.Home ? m_game.HomeCoach : m_game.AwayCoach;
        line.Cells.append(Text(
            QStringLiteral("lblEdzo"),
            coach.trimmed().isEmpty() ? QString() : tr(QStringLiteral("Coach:")) + QLatin1Char(' ') + coach,
            place.x() + label, y, place.width() - label, h, Align::Left, false));
    } else {
        line.Cells.append(total);
    }
    line.Cells.append(at(QStringLiteral("Perc"),
                         m_blankValues ? QString() : PlayerStats::ClockText(teamTime(side)), y, h, true));
    statCells(line.Cells, side.Team->TotalsAsPlayer(), teamValuation(*side.Team),
              side.Team->Data.Totals.IndirectSteals, true, m_plainTotalPercents, y, h, true);
    if (m_headingPanel) {
        panelPair(line.Cells, QStringLiteral("Points in the paint"),
                  QString::number(2 * side.Team->Data.Totals.CloseMade), y, h, true);
    }
    layout.Y += 2;
}

void TqrULEBTeamResults::comparison(TLayout &layout, const TTeamSide &home, const TTeamSide &away) const
{
    const QString band = QStringLiteral("QRStringsBand3");
    const double height = HeadingHeight + 0.5 + HeadingHeight + 2 * LineHeight;
    layout.KeepTogether(height);
    TReportLine &title = layout.Line(band, HeadingHeight + 0.5);
    const double top = layout.LineTop;
    title.Cells.append(Caption(QStringLiteral("lblTeamComparison"), QStringLiteral("Team Comparison"), 0, top,
                               69, HeadingHeight + 0.5, Align::Left, true, 9));
    groupCaptions(title.Cells, top + 0.5);
    title.Cells.append(Image(QStringLiteral("imgBanner"), imagePath(m_game.Settings().BannerFilename()),
                             PanelX, top, 80, height));
    columnCaptions(layout, band, QString(), false);
    for (const TTeamSide *side : {&home, &away}) {
        TReportLine &line = layout.Line(band, LineHeight);
        const double y = layout.LineTop;
        line.Cells.append(
            Text(QStringLiteral("Nev"), teamName(*side->Team), 0, y, 49, LineHeight, Align::Left, true));
        line.Cells.append(at(QStringLiteral("Perc"),
                             m_blankValues ? QString() : PlayerStats::ClockText(teamTime(*side)), y,
                             LineHeight));
        statCells(line.Cells, side->Team->TotalsAsPlayer(), teamValuation(*side->Team),
                  side->Team->Data.Totals.IndirectSteals, true, m_plainTotalPercents, y, LineHeight, false);
    }
    layout.Y += 2;
}

void TqrULEBTeamResults::footer(TLayout &layout) const
{
    const TSettings &s = m_game.Settings();
    TPageFooter footer;
    footer.X = 42;
    footer.Width = 199;
    footer.Sponsors = true;
    footer.Sponsor1File = imagePath(s.Sponsor1Filename());
    footer.Sponsor2File = imagePath(s.Sponsor2Filename());
    footer.AddAtFoot(layout);
    layout.Line(QStringLiteral("PageFooterBand1"), 4)
        .Cells.append(Text(QStringLiteral("lblEredmenyek"), confirmedScores(), 42, layout.LineTop, 199, 4,
                           Align::Center));
}

QString TqrULEBTeamResults::confirmedScores() const
{
    QStringList scores;
    for (const TScoreConfirmation &c : m_game.Review.Confirmations())
        scores.append(QStringLiteral("%1 %2-%3")
                          .arg(TPeriodNames::Name(m_game, c.Period, m_translator, QStringLiteral("PRINT")))
                          .arg(c.Home)
                          .arg(c.Away));
    return scores.isEmpty() ? QString()
                            : tr(QStringLiteral("Score confirmed")) + QStringLiteral(": ") +
                                  scores.join(QStringLiteral(", "));
}
