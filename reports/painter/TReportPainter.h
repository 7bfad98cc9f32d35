#pragma once

#include "reports/document/TReportDocument.h"

#include <QImage>
#include <QList>
#include <QString>

class QPainter;
class QPagedPaintDevice;

// Draws report documents. One painting path serves every device: a printer,
// the print preview, a PDF writer and images.
class TReportPainter
{
public:
    // Draws one page; the painter's device has dotsPerMm device pixels per
    // millimetre and its origin at the paper's top-left corner.
    static void PaintPage(const TReportDocument &document, int page, QPainter &painter, double dotsPerMm);

    // Sets A4 in the document's orientation without device margins and draws
    // every page of every document once, one after the other; copies are the
    // printer's to make (CopyCount). False when the device cannot be painted on.
    static int CopyCount(const QList<const TReportDocument *> &documents);
    static bool Print(const QList<const TReportDocument *> &documents, QPagedPaintDevice &device);
    static bool WritePdf(const QList<const TReportDocument *> &documents, const QString &file,
                         int resolution = 300);
    // One white A4 picture of a page.
    static QImage RenderPage(const TReportDocument &document, int page, int dotsPerInch = 150);

    // The width of a text cell's text in its own font, in millimetres; the
    // painter shrinks a wider text a little and clips what still does not fit.
    static double TextWidthMm(const TReportCell &cell);

    // The family drawn for a cell's font: the font itself when installed,
    // else the sans-serif face fontconfig chooses for it.
    static QString ResolvedFamily(const QString &family);
};
