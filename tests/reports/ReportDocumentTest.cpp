#include "reports/document/TReportDocument.h"
#include "reports/painter/TReportPainter.h"
#include "support/TestHome.h"

#include "model/services/Services.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

TReportCell textCell(const QString &name, const QString &text, QRectF place, bool bold = false)
{
    TReportCell c;
    c.Name = name;
    c.Text = text;
    c.Place = place;
    c.Bold = bold;
    return c;
}

TEST(ReportDocument, JsonKeepsTheKeyOrderAndCountsLinesWithinABandAcrossPages)
{
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrTest");
    TReportCell underlined = textCell(QStringLiteral("b"), QStringLiteral("say \"hi\"\\"), {});
    underlined.Underline = true;
    doc.Pages = {
        TReportPage{{TReportBand{
            QStringLiteral("rows"),
            {TReportLine{{textCell(QStringLiteral("a"), QStringLiteral("1"), {}, true), underlined}}}}}},
        TReportPage{
            {TReportBand{QStringLiteral("rows"), {TReportLine{{textCell(QStringLiteral("a"), {}, {})}}}},
             TReportBand{QStringLiteral("end"), {TReportLine{}}}}}};
    const QByteArray expected = R"({
  "report": "TqrTest",
  "pages": 2,
  "bands": [
    {"band": "rows", "line": 0, "cells": [
      {"name": "a", "text": "1", "bold": true, "underline": false},
      {"name": "b", "text": "say \"hi\"\\", "bold": false, "underline": true}
    ]},
    {"band": "rows", "line": 1, "cells": [
      {"name": "a", "text": "", "bold": false, "underline": false}
    ]},
    {"band": "end", "line": 0, "cells": []}
  ]
}
)";
    EXPECT_EQ(doc.ToJson(), expected);
}

TEST(ReportDocument, TranslateReportTranslatesCaptionsOnlyAndOnce)
{
    struct TUpper : ITranslator
    {
        QString Translate(const QString &text, const QString &section) override
        {
            ++Calls;
            Section = section;
            return text.toUpper();
        }
        int Calls = 0;
        QString Section;
    } upper;
    TReportDocument doc;
    TReportCell caption = textCell(QStringLiteral("c"), QStringLiteral("Total"), {});
    caption.Caption = true;
    TReportCell empty = textCell(QStringLiteral("e"), QString(), {});
    empty.Caption = true;
    doc.Pages = {TReportPage{{TReportBand{
        QStringLiteral("b"),
        {TReportLine{{caption, empty, textCell(QStringLiteral("v"), QStringLiteral("Kiss"), {})}}}}}}};
    TranslateReport(doc, upper);
    TranslateReport(doc, upper);
    EXPECT_EQ(doc.Find(QStringLiteral("c"))->Text, "TOTAL");
    EXPECT_EQ(doc.Find(QStringLiteral("v"))->Text, "Kiss");
    EXPECT_EQ(upper.Calls, 1);
    EXPECT_EQ(upper.Section, "PRINT");
}

// Dark pixels of an image inside and outside a rectangle.
std::pair<int, int> darkPixels(const QImage &image, const QRect &inside)
{
    int in = 0, out = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                (inside.contains(x, y) ? in : out)++;
    return {in, out};
}

TEST(ReportPainter, DrawsTextInsideItsPlaceBelowTheMarginAndLeavesMissingImagesOut)
{
    TestHome home;
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(home.file(QStringLiteral("red.png"))));
    home.write(QStringLiteral("broken.png"), "not a picture");

    TReportDocument doc;
    doc.Landscape = false;
    TReportCell logo;
    logo.Name = QStringLiteral("imgLogo");
    logo.Picture = TReportImage::File(home.file(QStringLiteral("red.png")));
    logo.Place = QRectF(100, 100, 40, 20);
    TReportCell missing = logo;
    missing.Picture = TReportImage::File(home.file(QStringLiteral("absent.png")));
    missing.Place = QRectF(100, 150, 40, 20);
    TReportCell broken = logo;
    broken.Picture = TReportImage::File(home.file(QStringLiteral("broken.png")));
    broken.Place = QRectF(100, 200, 40, 20);
    doc.Pages = {TReportPage{{TReportBand{
        QStringLiteral("b"),
        {TReportLine{{textCell(QStringLiteral("t"), QStringLiteral("WWWW"), QRectF(10, 20, 30, 6), true),
                      logo, missing, broken}}}}}}};

    const int dpi = 100;
    const QImage page = TReportPainter::RenderPage(doc, 0, dpi);
    ASSERT_EQ(page.width(), qRound(210 * dpi / 25.4));
    ASSERT_EQ(page.height(), qRound(297 * dpi / 25.4));
    const double mm = dpi / 25.4;
    const double m = TReportDocument::MarginMm;
    // The text cell in mm from the margin: x 17..47, y 27..33 on the paper.
    const QRect textPlace = QRectF((10 + m) * mm, (20 + m) * mm, 30 * mm, 6 * mm).toAlignedRect();
    QImage withoutLogo = page.copy();
    {
        QPainter blank(&withoutLogo);
        blank.fillRect(QRectF((100 + m) * mm, (100 + m) * mm, 40 * mm, 20 * mm), Qt::white);
    }
    const auto [in, out] = darkPixels(withoutLogo, textPlace);
    EXPECT_GT(in, 50);
    EXPECT_EQ(out, 0);
    // The picture keeps its proportions (2:1) in the middle of its place.
    const QPoint centre = QRectF((100 + m) * mm, (100 + m) * mm, 40 * mm, 20 * mm).center().toPoint();
    EXPECT_EQ(QColor(page.pixel(centre)), QColor(Qt::red));
    for (const int top : {150, 200}) {
        const QPoint c = QRectF((100 + m) * mm, (top + m) * mm, 40 * mm, 20 * mm).center().toPoint();
        EXPECT_EQ(QColor(page.pixel(c)), QColor(Qt::white)) << top;
    }
}

TEST(ReportPainter, TooWideTextShrinksAndNeverLeavesItsColumn)
{
    TReportDocument doc;
    doc.Pages = {
        TReportPage{{TReportBand{QStringLiteral("b"),
                                 {TReportLine{{textCell(QStringLiteral("t"), QString(80, QLatin1Char('M')),
                                                        QRectF(50, 50, 20, 5))}}}}}}};
    const int dpi = 150;
    const double mm = dpi / 25.4;
    const double m = TReportDocument::MarginMm;
    const QImage page = TReportPainter::RenderPage(doc, 0, dpi);
    const QRect place = QRectF((50 + m - 0.5) * mm, (50 + m - 5) * mm, 21 * mm, 15 * mm).toAlignedRect();
    const auto [in, out] = darkPixels(page, place.adjusted(-1, -1, 1, 1));
    EXPECT_GT(in, 0);
    EXPECT_EQ(out, 0);
}

TEST(ReportPainter, MissingFontsFallBackToAnInstalledFace)
{
    const QString family = TReportPainter::ResolvedFamily(QStringLiteral("No Such Face Parquetix"));
    EXPECT_FALSE(family.isEmpty());
    EXPECT_NE(family, "No Such Face Parquetix");
}

TEST(ReportPainter, PdfHoldsEveryPageOfEveryDocumentOnceAndPrintersMakeTheCopies)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils, installed by scripts/setup.sh) is missing";
    TestHome home;
    TReportDocument one;
    one.Pages = {TReportPage{
        {TReportBand{QStringLiteral("b"), {TReportLine{{textCell("t", "one", {0, 0, 20, 5})}}}}}}};
    TReportDocument two = one;
    two.Landscape = false;
    two.Pages.append(one.Pages.first());
    two.Copies = 2;
    const QString file = home.file(QStringLiteral("all.pdf"));
    ASSERT_TRUE(TReportPainter::WritePdf({&one, &two}, file));
    QProcess info;
    info.start(pdfinfo,
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("3"), file});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString output = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(output.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))))
        << output.toStdString();
    // Each page in its document's orientation: A4 is 595 x 842 points.
    const QString sizes[] = {QStringLiteral("842 x 595"), QStringLiteral("595 x 842"),
                             QStringLiteral("595 x 842")};
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(output.contains(
            QRegularExpression(QStringLiteral("Page\\s+%1 size:\\s+%2").arg(page).arg(sizes[page - 1]))))
            << page << output.toStdString();

    // One print job: the copies of its first document, at least one.
    EXPECT_EQ(TReportPainter::CopyCount({&two, &one}), 2);
    EXPECT_EQ(TReportPainter::CopyCount({&one, &two}), 1);
    two.Copies = 0;
    EXPECT_EQ(TReportPainter::CopyCount({&two}), 1);
    EXPECT_EQ(TReportPainter::CopyCount({}), 1);
}

} // namespace

namespace {

// A drawn picture of two items in a 40 x 20 frame.
struct TTwoItems : TReportDrawing
{
    QSizeF Size() const override { return {40, 20}; }
    QStringList Describe() const override { return {QStringLiteral("first"), QStringLiteral("second")}; }
    void Draw(QPainter &painter) const override { painter.fillRect(QRectF(0, 0, 40, 20), Qt::black); }
};

} // namespace

// Every kind of picture is an image cell and shows in the JSON; one with
// nothing to draw stays out of it, as it stays off the paper.
TEST(ReportDocument, EveryPictureIsAnImageCellAndTheJsonDescribesWhatItDraws)
{
    TestHome home;
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(home.file(QStringLiteral("red.png"))));
    const struct
    {
        const char *Name;
        TReportCell Cell;
        const char *Json; // what the JSON adds after "underline"
    } cases[] = {
        {"file", ReportCells::Image(QStringLiteral("i"), home.file(QStringLiteral("red.png")), 0, 0, 9, 9),
         R"(, "drawing": [
        "image red.png 20x10"
      ])"},
        {"no file", ReportCells::Image(QStringLiteral("i"), QString(), 0, 0, 9, 9), ""},
        {"missing file",
         ReportCells::Image(QStringLiteral("i"), home.file(QStringLiteral("absent.png")), 0, 0, 9, 9), ""},
        {"drawn", ReportCells::Picture(QStringLiteral("i"), std::make_shared<TTwoItems>(), 0, 0, 9, 9),
         R"(, "drawing": [
        "first",
        "second"
      ])"},
    };
    for (const auto &c : cases) {
        TReportDocument doc;
        doc.ReportClass = QStringLiteral("TqrTest");
        doc.Pages = {TReportPage{{TReportBand{QStringLiteral("b"), {TReportLine{{c.Cell}}}}}}};
        EXPECT_TRUE(doc.Find(QStringLiteral("i"))->IsImage()) << c.Name;
        const QByteArray expected =
            QByteArrayLiteral("{\n  \"report\": \"TqrTest\",\n  \"pages\": 1,\n  \"bands\": [\n"
                              "    {\"band\": \"b\", \"line\": 0, \"cells\": [\n"
                              "      {\"name\": \"i\", \"text\": \"\", \"bold\": false, "
                              "\"underline\": false") +
            c.Json + "}\n    ]}\n  ]\n}\n";
        EXPECT_EQ(doc.ToJson(), expected) << c.Name;
    }
}
