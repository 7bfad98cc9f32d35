#pragma once

#include "reports/document/TReportDocument.h"

#include <QString>
#include <functional>
#include <memory>

class ITranslator;
class TGame;

// Cells of the chart reports, placed in millimetres.
namespace ChartCells {

using Align = TReportCell::Align;

using ReportCells::Caption;
using ReportCells::Image;
using ReportCells::Picture;
using ReportCells::Text;

} // namespace ChartCells

// Lines go down the page; a line that does not fit starts the next page,
// which begins with the page header when one is set. Room for the page
// footer is kept free at the foot of every page.
class TChartLayout
{
public:
    explicit TChartLayout(TReportDocument &doc) : m_doc(doc) { m_doc.Pages.append(TReportPage()); }

    double Y = 0;
    double LineTop = 0;
    // Kept free at the foot of each page for the footer.
    double FooterHeight = 0;
    std::function<void(TChartLayout &)> PageHeader;
    std::function<void(TChartLayout &)> PageFooter;

    TReportLine &Line(const QString &band, double height);
    // Starts the next page when a block of this height does not fit.
    void KeepTogether(double height);
    void NewPage();
    // The footer of the last page.
    void Finish();
    double Bottom() const { return m_doc.ContentHeight() - FooterHeight; }
    double Width() const { return m_doc.ContentWidth(); }
    int Page() const { return int(m_doc.Pages.size()); }

private:
    void footer();

    TReportDocument &m_doc;
    bool m_inFooter = false;
};

// The header of the team shooting chart and the score graph, the box score's
// header: logo, title with the score, period scores, venue, referees, date,
// start time, time played, spectators (the label always, the count when not
// zero) and the running score of eight columns of 6 minutes (12-minute
// periods) or 5, with the overtime column.
// The play-by-play list takes its first lines only (withFacts false).
void AddGameHeader(TChartLayout &layout, const TGame &game, ITranslator &translator,
                   const QString &imageFolder, bool withFacts);

// The page footer's notice and web address, each a line across the width.
void AddNoticeLines(TChartLayout &layout, double width);
