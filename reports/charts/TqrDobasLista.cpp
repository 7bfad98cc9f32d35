#include "TqrDobasLista.h"

#include "reports/frame/TGameHeader.h"
#include "reports/frame/TPageFrame.h"

#include "model/services/Services.h"

using namespace ReportCells;

namespace {

constexpr double LineHeight = 3.8;
constexpr double HeaderHeight = 16;
constexpr double FooterHeight = 6;

} // namespace

TqrDobasLista::TqrDobasLista(QString title, QList<TGameEvent> events, ITranslator &translator, int copies)
    : m_title(std::move(title)), m_events(std::move(events)), m_translator(translator),
      m_copies(std::max(1, copies))
{
}

TReportDocument TqrDobasLista::Build() const
{
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrDobasLista");
    doc.Landscape = false;
    doc.Copies = m_copies;
    TPageFrame layout(doc);
    const double width = layout.Width();
    const double column = width / 2;
    const int perColumn = int((doc.ContentHeight() - HeaderHeight - FooterHeight) / LineHeight);
    auto header = [&] {
        layout.Line(QStringLiteral("PageHeaderBand1"), 8)
            .Cells.append(Caption(QStringLiteral("lblCim"), QString::fromUtf8("Dobáslista"), 0,
                                  layout.LineTop, width, 8, Align::Left, true, 13));
        layout.Line(QStringLiteral("PageHeaderBand1"), HeaderHeight - 8)
            .Cells.append(Text(QStringLiteral("lblMerkozes"), m_title, 0, layout.LineTop, width, 6,
                               Align::Left, true, 9));
    };
    auto footer = [&] {
        layout.Y = doc.ContentHeight() - FooterHeight + 2;
        layout.Line(QStringLiteral("PageFooterBand1"), 4)
            .Cells.append(Caption(QStringLiteral("lblKeszitette"), TPageFooter::NoticeKey(), 0,
                                  layout.LineTop, width, 4, Align::Center, false, 6.5));
    };
    header();
    // Down the left column, then down the right one, then the next page.
    for (int n = 0; n < m_events.size(); ++n) {
        const int onPage = n % (2 * perColumn);
        if (n > 0 && onPage == 0) {
            footer();
            doc.Pages.append(TReportPage());
            layout.Y = 0;
            header();
        }
        const double x = onPage < perColumn ? 0 : column;
        const double y = HeaderHeight + (onPage % perColumn) * LineHeight;
        TReportLine &line = layout.Line(QStringLiteral("DetailBand1"), 0);
        line.Cells = {
            Text(QStringLiteral("lblSorszam"), QStringLiteral("%1.").arg(n + 1), x, y, 8, LineHeight,
                 Align::Right),
            Text(QStringLiteral("lblEsemeny"), m_events[n].Text, x + 9, y, column - 10, LineHeight)};
    }
    footer();
    TranslateReport(doc, m_translator);
    return doc;
}
