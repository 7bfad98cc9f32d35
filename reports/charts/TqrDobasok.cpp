#include "TqrDobasok.h"

#include "ShotPositions.h"
#include "reports/frame/TGameHeader.h"
#include "reports/frame/TPageFrame.h"

#include "model/events/EventKinds.h"

using namespace ReportCells;

TqrDobasok::TqrDobasok(QString title, QString subtitle, bool onePlayer, QList<TGameEvent> events, int copies)
    : m_title(std::move(title)), m_subtitle(std::move(subtitle)), m_onePlayer(onePlayer),
      m_events(std::move(events)), m_copies(std::max(1, copies))
{
}

TReportDocument TqrDobasok::Build() const
{
    using namespace ShotPositions;
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrDobasok");
    doc.Landscape = true;
    doc.Copies = m_copies;
    TPageFrame layout(doc);
    const double width = layout.Width();
    layout.Line(QStringLiteral("PageHeaderBand1"), 8)
        .Cells.append(Text(QStringLiteral("lblMerkozes"), m_title, 0, layout.LineTop, width, 8, Align::Center,
                           true, 13));
    layout.Line(QStringLiteral("PageHeaderBand1"), 6)
        .Cells.append(Text(QStringLiteral("lblCim"), m_subtitle, 0, layout.LineTop, width, 6, Align::Center,
                           false, 10));

    const QSizeF frame(AlternativePicture);
    m_court = std::make_shared<TChartCanvas>(frame);
    m_court->Court(TChartCanvas::CentredCourt(frame, 2.5, true));
    int i = 1;
    for (const TGameEvent &e : m_events) {
        const TCourtPoint point = ReadPoint(e.Message, TRule::Alternative);
        if (!point.Drawn())
            continue;
        const bool made = e.Kind == Kind::ShotMade;
        const QRect rect = AlternativeMarkerRect(AlternativeCorner(point, e.Clock), made);
        m_court->Marker(rect, m_onePlayer ? e.Clock / 4 : i, made);
        ++i;
    }
    const double top = layout.Y + 2;
    const double height = layout.Bottom() - top;
    const double w = std::min(width, height * frame.width() / frame.height());
    layout.Line(QStringLiteral("DetailBand1"), height)
        .Cells.append(Picture(QStringLiteral("imgPalya"), m_court, (width - w) / 2, top, w,
                              w * frame.height() / frame.width()));
    return doc;
}
