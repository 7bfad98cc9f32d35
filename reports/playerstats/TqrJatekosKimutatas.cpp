#include "TqrJatekosKimutatas.h"

#include "model/services/Services.h"

#include <cmath>

namespace {

using Align = TReportCell::Align;

constexpr double LineHeight = 4.2;
constexpr double HeadingHeight = 4.5;
constexpr double FooterHeight = 6;
constexpr double BodySize = 7;
const QString Arial = QStringLiteral("Arial");

// Columns of a line: cell name, caption, group, width.
struct TColumn
{
    const char *Name;
    const char *Caption;
    const char *Group;
    double Width;
    Align Alignment;
};

constexpr TColumn Columns[] = {
    {"Mez", "Mez", "", 8, Align::Right},
    {"Jatekos", "Játékos", "", 46, Align::Left},
    {"Pont", "Pont", "", 9, Align::Right},
    {"KozeliM", "M", "Közeli", 6.5, Align::Right},
    {"KozeliA", "A", "Közeli", 6.5, Align::Right},
    {"KozeliSz", "%", "Közeli", 7, Align::Right},
    {"KozepM", "M", "Közép t.", 6.5, Align::Right},
    {"KozepA", "A", "Közép t.", 6.5, Align::Right},
    {"KozepSz", "%", "Közép t.", 7, Align::Right},
    {"TavoliM", "M", "Távoli", 6.5, Align::Right},
    {"TavoliA", "A", "Távoli", 6.5, Align::Right},
    {"TavoliSz", "%", "Távoli", 7, Align::Right},
    {"OsszesM", "M", "Összes", 6.5, Align::Right},
    {"OsszesA", "A", "Összes", 6.5, Align::Right},
    {"OsszesSz", "%", "Összes", 7, Align::Right},
    {"BuntetoM", "M", "Bünteto", 6.5, Align::Right},
    {"BuntetoA", "A", "Bünteto", 6.5, Align::Right},
    {"BuntetoSz", "%", "Bünteto", 7, Align::Right},
    {"VL", "VL", "", 8, Align::Right},
    {"TL", "TL", "", 8, Align::Right},
    {"OL", "OL", "", 8, Align::Right},
    {"SzL", "SzL", "", 8, Align::Right},
    {"EL", "EL", "", 8, Align::Right},
    {"F", "F", "", 8, Align::Right},
    {"KF", "KF", "", 8, Align::Right},
    {"Assist", "Assist", "", 10, Align::Right},
    {"Blk", "Blk", "", 8, Align::Right},
    {"Hiba", "Hiba", "", 8, Align::Right},
    {"IBM", "IBM", "", 9, Align::Right},
    {"Perc", "Perc", "", 13, Align::Right},
};

TReportCell cell(const QString &name, const QString &text, double x, double y, double w, double h,
                 Align align, bool bold = false, double size = BodySize)
{
    TReportCell c;
    c.Name = name;
    c.Text = text;
    c.Font = Arial;
    c.PointSize = size;
    c.Bold = bold;
    c.Alignment = align;
    c.Place = QRectF(x, y, w, h);
    return c;
}

TReportCell caption(const QString &name, const QString &key, double x, double y, double w, double h,
                    Align align, double size = BodySize)
{
    TReportCell c = cell(name, key, x, y, w, h, align, true, size);
    c.Caption = true;
    return c;
}

} // namespace

TqrJatekosKimutatas::TqrJatekosKimutatas(QList<TJatekosKimutatasLogic::TRow> rows, ITranslator &translator)
    : m_rows(std::move(rows)), m_translator(translator)
{
}

int TqrJatekosKimutatas::Percent(int made, int attempts)
{
    return attempts < 1 ? 0 : int(std::lround(100.0 * made / attempts));
}

TReportDocument TqrJatekosKimutatas::Build() const
{
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrJatekosKimutatas");
    doc.Landscape = true;
    const double bottom = doc.ContentHeight() - FooterHeight;
    double y = 0;
    auto newPage = [&] {
        doc.Pages.append(TReportPage());
        TReportPage &page = doc.Pages.last();
        TReportBand header{QStringLiteral("PageHeaderBand1"), {}};
        header.Lines.append({{caption(QStringLiteral("lblTitle"), QStringLiteral("Játékos kimutatás"), 0, 0,
                                      200, 8, Align::Left, 14)}});
        TReportLine groups, captions;
        double x = 0;
        for (const TColumn &c : Columns) {
            const QString group = QString::fromUtf8(c.Group);
            if (!group.isEmpty() && QLatin1String(c.Caption) == QLatin1String("M")) {
                TReportCell g = caption(QStringLiteral("lblGroup") + QLatin1String(c.Name).chopped(1), group,
                                        x, 10, 20, HeadingHeight, Align::Center);
                g.Underline = true;
                groups.Cells.append(g);
            }
            // The name keeps its distance from the jersey on its left.
            const double gap = c.Alignment == Align::Left ? 3 : 0;
            captions.Cells.append(caption(QStringLiteral("lbl") + QLatin1String(c.Name),
                                          QString::fromUtf8(c.Caption), x + gap, 10 + HeadingHeight,
                                          c.Width - gap, HeadingHeight, c.Alignment));
            x += c.Width;
        }
        header.Lines.append(groups);
        header.Lines.append(captions);
        page.Bands.append(header);
        page.Bands.append(TReportBand{QStringLiteral("DetailBand1"), {}});
        y = 10 + 2 * HeadingHeight + 1;
        TReportBand footer{QStringLiteral("PageFooterBand1"), {}};
        footer.Lines.append(
            {{caption(QStringLiteral("lblCompany"), QStringLiteral("Parquetix - live basketball statistics"),
                      0, bottom + 1, doc.ContentWidth(), FooterHeight - 1, Align::Center, 6.5)}});
        footer.Lines.first().Cells.first().Bold = false;
        page.Bands.append(footer);
    };
    newPage();
    for (const TJatekosKimutatasLogic::TRow &row : m_rows) {
        if (y + LineHeight > bottom) {
            newPage();
        }
        const TPlayer &p = row.Record;
        const int fgMade = p.CloseMade + p.MidMade + p.ThreeMade;
        const int fgTried = fgMade + p.CloseMissed + p.MidMissed + p.ThreeMissed;
        auto group = [](int made, int tried) {
            return QList<QString>{QString::number(made), QString::number(tried),
                                  QString::number(Percent(made, tried))};
        };
        QList<QString> values{QString::number(p.JatekosMezSzam), p.JatekosNev, QString::number(p.Points)};
        values += group(p.CloseMade, p.CloseMade + p.CloseMissed);
        values += group(p.MidMade, p.MidMade + p.MidMissed);
        values += group(p.ThreeMade, p.ThreeMade + p.ThreeMissed);
        values += group(fgMade, fgTried);
        values += group(p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed);
        for (const int n :
             {p.DefRebounds, p.OffRebounds, p.DefRebounds + p.OffRebounds, p.Steals, p.Turnovers,
              p.PersonalFouls, p.FoulsDrawn, p.Assists, p.Blocks, p.BlocksReceived, p.Rating})
            values.append(QString::number(n));
        values.append(PlayerStats::ClockText(p.PlayingTime));
        TReportLine line;
        double x = 0;
        for (int i = 0; i < int(std::size(Columns)); ++i) {
            const TColumn &c = Columns[i];
            const double gap = c.Alignment == Align::Left ? 3 : 0;
            line.Cells.append(cell(QLatin1String(c.Name), values.value(i), x + gap, y, c.Width - gap,
                                   LineHeight, c.Alignment));
            x += c.Width;
        }
        doc.Pages.last().Bands[1].Lines.append(line);
        y += LineHeight;
    }
    TranslateReport(doc, m_translator);
    return doc;
}
