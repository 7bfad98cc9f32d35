#include "reports/frame/TPageFrame.h"

#include <gtest/gtest.h>

namespace {

// The bands of each page, in order, as "band:cell" of their lines' first cells.
QStringList pageBands(const TReportPage &page)
{
    QStringList out;
    for (const TReportBand &band : page.Bands)
        for (const TReportLine &line : band.Lines)
            out.append(band.Name + QLatin1Char(':') +
                       (line.Cells.isEmpty() ? QString() : line.Cells.first().Name));
    return out;
}

// Lines that do not fit go on to the next page, which opens with the page
// header; every page closes with its footer in the room kept for it.
TEST(PageFrame, ALineThatDoesNotFitStartsTheNextPageBetweenFooterAndHeader)
{
    const struct
    {
        const char *Name;
        double FooterHeight;
        int Lines; // of 10 mm on a 196 mm page
        int Pages;
    } cases[] = {
        {"all on one page", 0, 19, 1},
        {"one more than fits", 0, 20, 2},
        {"the footer's room taken", 20, 18, 2},
        {"the footer's room left", 20, 17, 1},
    };
    for (const auto &c : cases) {
        TReportDocument doc; // landscape: 196 mm inside the margins
        TPageFrame frame(doc);
        frame.FooterHeight = c.FooterHeight;
        frame.PageHeader = [](TPageFrame &f) {
            f.Line(QStringLiteral("head"), 5)
                .Cells.append(ReportCells::Text(QStringLiteral("h"), {}, 0, 0, 1, 1));
        };
        frame.PageFooter = [&](TPageFrame &f) {
            EXPECT_DOUBLE_EQ(f.Y, doc.ContentHeight() - c.FooterHeight) << c.Name;
            TPageFooter::Across(f.Width()).Add(f);
        };
        frame.PageHeader(frame);
        for (int i = 0; i < c.Lines; ++i)
            frame.Line(QStringLiteral("body"), 10)
                .Cells.append(ReportCells::Text(QStringLiteral("b"), {}, 0, 0, 1, 1));
        frame.Finish();
        ASSERT_EQ(doc.Pages.size(), c.Pages) << c.Name;
        for (const TReportPage &page : doc.Pages) {
            const QStringList bands = pageBands(page);
            EXPECT_EQ(bands.first(), "head:h") << c.Name;
            EXPECT_EQ(bands.mid(bands.size() - 2), QStringList({QStringLiteral("PageFooterBand1:lblNotice"),
                                                                QStringLiteral("PageFooterBand1:lblWeb")}))
                << c.Name;
        }
    }
}

} // namespace
