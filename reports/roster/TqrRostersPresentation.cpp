#include "TqrRostersPresentation.h"

#include "reports/frame/TGameHeader.h"
#include "reports/painter/TReportPainter.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

namespace {

using Align = TReportCell::Align;

constexpr double LineHeight = 4.4;
constexpr double BodySize = 8;
constexpr double NoteX = 74;

TReportCell text(const QString &name, const QString &value, double x, double y, double w, double h,
                 Align align = Align::Left, bool bold = false, double size = BodySize)
{
    return ReportCells::Text(name, value, x, y, w, h, align, bold, size);
}

TReportCell caption(const QString &name, const QString &key, double x, double y, double w, double h,
                    Align align = Align::Left, bool bold = true, double size = BodySize)
{
    return ReportCells::Caption(name, key, x, y, w, h, align, bold, size);
}

} // namespace

TqrRostersPresentation::TqrRostersPresentation(const TGame &game, QList<TRosterPresentation> home,
                                               QList<TRosterPresentation> away, ITranslator &translator)
    : m_game(game), m_home(std::move(home)), m_away(std::move(away)), m_translator(translator)
{
}

QStringList TqrRostersPresentation::WrapText(const TReportCell &style, const QString &value, double width)
{
    QStringList lines;
    TReportCell probe = style;
    auto fits = [&](const QString &t) {
        probe.Text = t;
        return TReportPainter::TextWidthMm(probe) <= width;
    };
    QString current;
    for (QString word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (fits(joined)) {
            current = joined;
            continue;
        }
        if (!current.isEmpty())
            lines.append(current);
        // A word longer than a whole line is cut into pieces that fit.
        while (!fits(word)) {
            int n = 1;
            while (n < word.size() && fits(word.left(n + 1)))
                ++n;
            lines.append(word.left(n));
            word = word.mid(n);
        }
        current = word;
    }
    if (!current.isEmpty() || lines.isEmpty())
        lines.append(current);
    return lines;
}

QString TqrRostersPresentation::imagePath(const QString &setting) const
{
    return ReportImagePath(setting, m_imageFolder);
}

TReportDocument TqrRostersPresentation::Build() const
{
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrRostersPresentation");
    doc.Landscape = true;
    doc.Copies = std::max(1, m_game.Settings().NumberOfCopies());
    TLayout layout(doc);
    header(layout);
    team(layout, true);
    TReportLine &banner = layout.Line(QStringLiteral("QRStringsBand3"), 22);
    banner.Cells.append(ReportCells::Image(QStringLiteral("imgBanner"),
                                           imagePath(m_game.Settings().BannerFilename()), 0,
                                           layout.LineTop + 1, 120, 20));
    team(layout, false);
    footer(layout);
    TranslateReport(doc, m_translator);
    return doc;
}

void TqrRostersPresentation::header(TLayout &layout) const
{
    TGameHeader header;
    TReportCell title =
        TGameHeader::TitleLine(QStringLiteral("lblTitle"), QStringLiteral("Rosters presentation"), 7.5, 14);
    title.Caption = true;
    header.HomeName = m_game.HomeTeam().Data.EgyesuletNev;
    header.AwayName = m_game.AwayTeam().Data.EgyesuletNev;
    header.TitleLines = {
        title, TGameHeader::TitleLine(QStringLiteral("lblMerkozes"),
                                      header.HomeName + QStringLiteral(" - ") + header.AwayName, 4.5, 9)};
    // The running-score table's captions, without scores.
    header.Scores = TGameHeader::TScores::None;
    header.Gap = 2;
    header.Add(layout, m_game, m_translator, m_imageFolder);
}

void TqrRostersPresentation::team(TLayout &layout, bool home) const
{
    const QList<TRosterPresentation> &entries = home ? m_home : m_away;
    if (entries.isEmpty())
        return;
    const QString headingBand = home ? QStringLiteral("qrsbHomeTeam") : QStringLiteral("QRStringsBand2");
    const QString rowBand =
        home ? QStringLiteral("qrsbHomeTeamPlayers") : QStringLiteral("qrsbAwayTeamPlayers");
    const QString closingBand =
        home ? QStringLiteral("sbCsapat1Osszesen") : QStringLiteral("sbCsapat2Osszesen");
    const double noteWidth = TReportDocument().ContentWidth() - NoteX;
    const TTeam &t = home ? static_cast<const TTeam &>(m_game.HomeTeam()) : m_game.AwayTeam();

    // A note over as many lines as it needs, the cells of one band line.
    auto noteCells = [&](TReportLine &line, const QString &name, const QString &note, double top, bool bold) {
        TReportCell style = text(name, QString(), NoteX, top, noteWidth, LineHeight, Align::Left, bold);
        const QStringList parts = WrapText(style, note, noteWidth);
        for (int i = 0; i < parts.size(); ++i) {
            TReportCell c = style;
            c.Text = parts[i];
            c.Place.moveTop(top + i * LineHeight);
            line.Cells.append(c);
        }
    };
    auto lines = [&](const QString &note, bool bold) {
        return WrapText(text(QString(), QString(), 0, 0, 0, 0, Align::Left, bold), note, noteWidth).size();
    };

    const QString teamNote = entries.first().Record->Note;
    const double headingHeight = std::max<double>(6, lines(teamNote, true) * LineHeight + 1);
    layout.KeepTogether(headingHeight + 3 * LineHeight);
    TReportLine &heading = layout.Line(headingBand, headingHeight);
    heading.Cells.append(text(home ? QStringLiteral("lblHazaiCsapat") : QStringLiteral("lblVendegCsapat"),
                              t.Data.EgyesuletNev, 10, layout.LineTop, 60, 6, Align::Left, true, 11));
    heading.Cells.append(caption(QStringLiteral("lblS5"), QStringLiteral("S5"), 0, layout.LineTop + 1, 8,
                                 LineHeight, Align::Center));
    noteCells(heading, QStringLiteral("qlNoteCsapat"), teamNote, layout.LineTop + 1, true);

    // The team (first) and the coach (last) entries take no space here.
    for (int i = 1; i + 1 < entries.size(); ++i) {
        const TPlayer &p = *entries[i].Record;
        TReportLine &row = layout.Line(rowBand, lines(p.Note, false) * LineHeight);
        const double y = layout.LineTop;
        row.Cells.append(text(QStringLiteral("lblMezSzam"), QString::number(p.JatekosMezSzam), 0, y, 8,
                              LineHeight, Align::Right));
        row.Cells.append(text(QStringLiteral("lblJatekosNev1"), p.JatekosNev, 10, y, 62, LineHeight));
        noteCells(row, QStringLiteral("qlNote"), p.Note, y, false);
    }

    const QString coachNote = entries.last().Record->Note;
    TReportLine &closing = layout.Line(closingBand, lines(coachNote, false) * LineHeight + 3);
    const double y = layout.LineTop + 1;
    // The caption's column is wide enough for "Coach:" in bold, so the name never touches it.
    closing.Cells.append(caption(QStringLiteral("lblEdzoCaption"), QStringLiteral("Coach:"), 0, y, 15,
                                 LineHeight, Align::Left, true));
    closing.Cells.append(text(home ? QStringLiteral("lblHazaiEdzo") : QStringLiteral("lblVendegEdzo"),
                              home ? m_game.HomeCoach : m_game.AwayCoach, 16, y, 56, LineHeight, Align::Left,
                              true));
    noteCells(closing, home ? QStringLiteral("qlNoteEdzo1") : QStringLiteral("qlNoteEdzo2"), coachNote, y,
              false);
}

void TqrRostersPresentation::footer(TLayout &layout) const
{
    const TSettings &s = m_game.Settings();
    TPageFooter footer;
    footer.X = 42;
    footer.Width = 199;
    footer.NoticeTop = 2;
    footer.NoticeHeight = 5;
    footer.Sponsors = true;
    footer.Sponsor1File = imagePath(s.Sponsor1Filename());
    footer.Sponsor2File = imagePath(s.Sponsor2Filename());
    footer.AddAtFoot(layout);
}
