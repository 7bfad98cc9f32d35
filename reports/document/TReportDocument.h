#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>

class ITranslator;
class QPainter;

// The picture of an image cell: an image file, an image the report composed
// (a sponsor strip) or a picture the report draws itself (court charts,
// score graphs). The painter draws each kept in proportion and centred in
// the cell's place, and the JSON lists what each shows.
class TReportPicture
{
public:
    virtual ~TReportPicture() = default;
    // Its own frame in pixels; empty when there is nothing to draw (no file,
    // an unreadable one), which leaves it off the paper and out of the JSON.
    virtual QSizeF Size() const = 0;
    // Draws it into target, in the painter's device pixels.
    virtual void Paint(QPainter &painter, const QRectF &target) const = 0;
    // What it shows, for golden files.
    virtual QStringList Describe() const = 0;
};

// A picture a report draws itself, painted in its own pixel frame, which the
// painter scales into the cell's place, so it stays sharp on paper.
class TReportDrawing : public TReportPicture
{
public:
    void Paint(QPainter &painter, const QRectF &target) const final;

protected:
    virtual void Draw(QPainter &painter) const = 0;
};

// An image file, read once per run when first needed, or an image the report composed.
class TReportImage : public TReportPicture
{
public:
    static std::shared_ptr<const TReportImage> File(const QString &file);
    static std::shared_ptr<const TReportImage> Composed(const QImage &image);

    // Null when there is none.
    QImage Image() const;
    QSizeF Size() const override;
    void Paint(QPainter &painter, const QRectF &target) const override;
    // "image NAME WxH" for a file (its name only, so the JSON is the same in
    // every folder), "image WxH" for a composed one.
    QStringList Describe() const override;

private:
    QString m_file;
    QImage m_image;
};

// One named cell of a report line: a text or an image with its place on the
// page, in millimetres from the top-left corner inside the page margins.
struct TReportCell
{
    enum class Align
    {
        Left,
        Center,
        Right
    };

    QString Name;
    QString Text;
    QString Font = QStringLiteral("Verdana");
    double PointSize = 7.0;
    bool Bold = false;
    bool Underline = false;
    Align Alignment = Align::Left;
    QRectF Place;
    // A fixed caption: its text is a translation key until TranslateReport runs.
    bool Caption = false;
    // An image cell: its picture, shared, as documents are copied.
    std::shared_ptr<const TReportPicture> Picture;
    bool IsImage() const { return Picture != nullptr; }
};

// A line of a band: its cells from left to right, empty cells included.
struct TReportLine
{
    QList<TReportCell> Cells;
};

struct TReportBand
{
    QString Name;
    QList<TReportLine> Lines;
};

struct TReportPage
{
    QList<TReportBand> Bands;

    // A new line at the page's end: in the last band when it has that name,
    // else in a new band of that name.
    TReportLine &AppendLine(const QString &band);
};

// Cells placed in millimetres.
namespace ReportCells {

using Align = TReportCell::Align;

TReportCell Text(const QString &name, const QString &value, double x, double y, double w, double h,
                 Align align = Align::Left, bool bold = false, double size = 7);
// A fixed caption: its text is a translation key until the report is translated.
TReportCell Caption(const QString &name, const QString &key, double x, double y, double w, double h,
                    Align align = Align::Left, bool bold = false, double size = 7);
// An image cell of a file; an empty name or a missing file draws nothing.
TReportCell Image(const QString &name, const QString &file, double x, double y, double w, double h);
TReportCell Picture(const QString &name, std::shared_ptr<const TReportPicture> picture, double x, double y,
                    double w, double h);

} // namespace ReportCells

// A report as built from the model: pages of bands, bands of lines, lines of
// cells. Painters draw it; tests and the command line read it as JSON.
class TReportDocument
{
public:
    static constexpr double MarginMm = 7.0;

    QString ReportClass;
    bool Landscape = true;
    int Copies = 1;
    QList<TReportPage> Pages;

    // A4 inside the margins, in millimetres.
    double ContentWidth() const;
    double ContentHeight() const;

    // The first cell with that name on any page; null when there is none.
    const TReportCell *Find(const QString &name) const;
    // Every line of the bands with that name, over all pages, in order.
    QList<const TReportLine *> Lines(const QString &band) const;

    // {"report": ..., "pages": N, "bands": [{"band", "line", "cells": [...]}]}:
    // one entry per line, "line" counting within the band over all pages.
    QByteArray ToJson() const;
};

// An image file of the settings, relative names taken from the folder;
// none for an empty setting.
QString ReportImagePath(const QString &setting, const QString &folder);

// Translates every caption of the document in place (string type "PRINT"),
// so running a report once collects all of its texts.
void TranslateReport(TReportDocument &document, ITranslator &translator);
