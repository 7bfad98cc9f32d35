#pragma once

#include "reports/document/TReportDocument.h"

#include <QString>
#include <functional>

// The frame every report's pages are built in: lines go down the page; a
// line that does not fit starts the next page, which begins with the page
// header when one is set, and room for the page footer is kept free at the
// foot of every page when one is set.
class TPageFrame
{
public:
    explicit TPageFrame(TReportDocument &doc);

    double Y = 0;
    double LineTop = 0;
    // Kept free at the foot of each page for the footer.
    double FooterHeight = 0;
    std::function<void(TPageFrame &)> PageHeader;
    std::function<void(TPageFrame &)> PageFooter;

    // A new line of the band at the current place; moves down by height.
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

// The page footer: the notice and the web address, each a line, and the two
// sponsor pictures beside them where the report prints them.
struct TPageFooter
{
    // The notice, a translation key, and the address every report prints.
    static QString NoticeKey();
    static QString WebAddress();

    double X = 0;
    double Width = 0;
    // The notice's distance below the footer's top and the height of its line.
    double NoticeTop = 0;
    double NoticeHeight = 4;
    bool Sponsors = false;
    QString Sponsor1File;
    QString Sponsor2File;

    static constexpr double Height = 14;

    // The notice and the address across a page of that width.
    static TPageFooter Across(double width);

    // The footer's lines at the current place of the frame.
    void Add(TPageFrame &frame) const;
    // The footer at the foot of the last page.
    void AddAtFoot(TPageFrame &frame) const;
};
