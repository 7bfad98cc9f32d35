#include "TPageFrame.h"

TPageFrame::TPageFrame(TReportDocument &doc) : m_doc(doc)
{
    m_doc.Pages.append(TReportPage());
}

TReportLine &TPageFrame::Line(const QString &band, double height)
{
    if (!m_inFooter)
        KeepTogether(height);
    LineTop = Y;
    Y += height;
    return m_doc.Pages.last().AppendLine(band);
}

void TPageFrame::KeepTogether(double height)
{
    if (Y + height > Bottom() && Y > 0)
        NewPage();
}

void TPageFrame::footer()
{
    if (!PageFooter)
        return;
    m_inFooter = true;
    Y = m_doc.ContentHeight() - FooterHeight;
    PageFooter(*this);
    m_inFooter = false;
}

void TPageFrame::NewPage()
{
    footer();
    m_doc.Pages.append(TReportPage());
    Y = 0;
    if (PageHeader)
        PageHeader(*this);
}

void TPageFrame::Finish()
{
    footer();
}

QString TPageFooter::NoticeKey()
{
    return QStringLiteral("Statistics recorded live with Parquetix");
}

QString TPageFooter::WebAddress()
{
    return QStringLiteral("https://parquetix.example");
}

TPageFooter TPageFooter::Across(double width)
{
    TPageFooter footer;
    footer.Width = width;
    return footer;
}

void TPageFooter::Add(TPageFrame &frame) const
{
    using Align = TReportCell::Align;
    const QString band = QStringLiteral("PageFooterBand1");
    TReportLine &first = frame.Line(band, NoticeHeight);
    const double y = frame.LineTop;
    if (Sponsors)
        first.Cells.append(ReportCells::Image(QStringLiteral("imgSponsor1"), Sponsor1File, 0, y, 40, Height));
    first.Cells.append(ReportCells::Caption(QStringLiteral("lblNotice"), NoticeKey(), X, y + NoticeTop, Width,
                                            4, Align::Center, false, 6.5));
    if (Sponsors)
        first.Cells.append(
            ReportCells::Image(QStringLiteral("imgSponsor2"), Sponsor2File, X + Width + 2, y, 40, Height));
    frame.Line(band, 4).Cells.append(ReportCells::Text(QStringLiteral("lblWeb"), WebAddress(), X,
                                                       frame.LineTop + NoticeTop, Width, 4, Align::Center,
                                                       false, 6.5));
}

void TPageFooter::AddAtFoot(TPageFrame &frame) const
{
    frame.KeepTogether(Height + 1);
    frame.Y = frame.Bottom() - Height;
    Add(frame);
}
