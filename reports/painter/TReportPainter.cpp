#include "TReportPainter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

QFont cellFont(const TReportCell &cell)
{
    QFont font(TReportPainter::ResolvedFamily(cell.Font));
    font.setPointSizeF(cell.PointSize);
    font.setBold(cell.Bold);
    font.setUnderline(cell.Underline);
    return font;
}

Qt::Alignment alignment(TReportCell::Align a)
{
    switch (a) {
    case TReportCell::Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TReportCell::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TReportCell::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void paintText(const TReportCell &cell, const QRectF &target, QPainter &painter)
{
    if (cell.Text.isEmpty())
        return;
    QFont font = cellFont(cell);
    painter.setFont(font);
    // A text wider than its place shrinks a little before it is clipped. The
    // width is measured alike for every device, so a page shrinks the same
    // texts on paper, in a PDF and on screen.
    const double width = TReportPainter::TextWidthMm(cell);
    const double room = cell.Place.width();
    if (width > room && width > 0) {
        font.setPointSizeF(std::max(cell.PointSize * 0.75, cell.PointSize * room / width));
        painter.setFont(font);
    }
    painter.save();
    painter.setClipRect(target.adjusted(-0.5, -target.height(), 0.5, target.height()));
    painter.drawText(target, int(alignment(cell.Alignment)) | Qt::TextSingleLine, cell.Text);
    painter.restore();
}

} // namespace

QString TReportPainter::ResolvedFamily(const QString &family)
{
    static QHash<QString, QString> resolved;
    auto it = resolved.find(family);
    if (it != resolved.end())
        return it.value();
    QString result = family;
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        // fontconfig's choice for a missing face, asked as a sans-serif hint.
        QFont font(family);
        font.setStyleHint(QFont::SansSerif);
        result = QFontInfo(font).family();
    }
    resolved.insert(family, result);
    return result;
}

double TReportPainter::TextWidthMm(const TReportCell &cell)
{
    // Measured at a printer's resolution, where hinting hardly rounds.
    constexpr double Dpi = 600;
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(Dpi / 0.0254 + 0.5));
        image.setDotsPerMeterY(int(Dpi / 0.0254 + 0.5));
        return image;
    }();
    return QFontMetricsF(cellFont(cell), &device).horizontalAdvance(cell.Text) * 25.4 / Dpi;
}

void TReportPainter::PaintPage(const TReportDocument &document, int page, QPainter &painter, double dotsPerMm)
{
    if (page < 0 || page >= document.Pages.size())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const double margin = TReportDocument::MarginMm;
    for (const TReportBand &band : document.Pages[page].Bands)
        for (const TReportLine &line : band.Lines)
            for (const TReportCell &cell : line.Cells) {
                const QRectF mm = cell.Place;
                const QRectF target((mm.x() + margin) * dotsPerMm, (mm.y() + margin) * dotsPerMm,
                                    mm.width() * dotsPerMm, mm.height() * dotsPerMm);
                if (cell.Picture)
                    cell.Picture->Paint(painter, target);
                else
                    paintText(cell, target, painter);
            }
    painter.restore();
}

bool TReportPainter::Print(const QList<const TReportDocument *> &documents, QPagedPaintDevice &device)
{
    QPainter painter;
    bool started = false;
    for (const TReportDocument *document : documents) {
        const QPageLayout layout(QPageSize(QPageSize::A4),
                                 document->Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                 QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        for (int page = 0; page < document->Pages.size(); ++page) {
            if (!started) {
                device.setPageLayout(layout);
                if (!painter.begin(&device))
                    return false;
                started = true;
            } else {
                device.setPageLayout(layout);
                device.newPage();
            }
            // The painter's device units: the device's resolution per millimetre.
            const double dotsPerMm = device.logicalDpiX() / 25.4;
            PaintPage(*document, page, painter, dotsPerMm);
        }
    }
    if (started)
        painter.end();
    return started;
}

int TReportPainter::CopyCount(const QList<const TReportDocument *> &documents)
{
    // Print all runs as one job: the copies of its first report.
    return documents.isEmpty() ? 1 : std::max(1, documents.first()->Copies);
}

bool TReportPainter::WritePdf(const QList<const TReportDocument *> &documents, const QString &file,
                              int resolution)
{
    QPdfWriter writer(file);
    writer.setResolution(resolution);
    writer.setCreator(QStringLiteral("Parquetix"));
    if (!documents.isEmpty())
        writer.setTitle(documents.first()->ReportClass);
    return Print(documents, writer);
}

QImage TReportPainter::RenderPage(const TReportDocument &document, int page, int dotsPerInch)
{
    const double dotsPerMm = dotsPerInch / 25.4;
    const double w = document.Landscape ? 297.0 : 210.0;
    const double h = document.Landscape ? 210.0 : 297.0;
    QImage image(int(w * dotsPerMm + 0.5), int(h * dotsPerMm + 0.5), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dotsPerMm * 1000 + 0.5));
    image.setDotsPerMeterY(int(dotsPerMm * 1000 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(document, page, painter, dotsPerMm);
    return image;
}
