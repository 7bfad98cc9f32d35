#include "BoxScoreFixture.h"

namespace {

class BoxScoreLayout : public BoxScoreFixture
{
protected:
    // Every cell inside the printable area of its page, and no two texts of a
    // page sharing any space.
    static void expectTidy(const TReportDocument &doc)
    {
        const QRectF area(0, 0, doc.ContentWidth(), doc.ContentHeight());
        for (int p = 0; p < doc.Pages.size(); ++p) {
            QList<const TReportCell *> texts;
            for (const TReportBand &band : doc.Pages[p].Bands)
                for (const TReportLine &line : band.Lines)
                    for (const TReportCell &cell : line.Cells) {
                        EXPECT_TRUE(area.contains(cell.Place)) << cell.Name.toStdString() << " on page "
                                                               << p + 1 << " of " << band.Name.toStdString();
                        if (!cell.IsImage() && !cell.Text.isEmpty())
                            texts.append(&cell);
                    }
            for (int i = 0; i < texts.size(); ++i)
                for (int j = i + 1; j < texts.size(); ++j) {
                    const QRectF common = texts[i]->Place.intersected(texts[j]->Place);
                    EXPECT_FALSE(common.width() > 0.01 && common.height() > 0.01)
                        << texts[i]->Name.toStdString() << " '" << texts[i]->Text.toStdString() << "' and "
                        << texts[j]->Name.toStdString() << " '" << texts[j]->Text.toStdString()
                        << "' on page " << p + 1;
                }
        }
    }
};

TEST_F(BoxScoreLayout, AOnePageGameFitsAndNoTextsCollide)
{
    roster(10);
    game.Attendance = 1200;
    game.Referee1 = QStringLiteral("Kiss");
    run(QStringLiteral("tick\nselect home 4\nshot home made close 120 30"));
    clockTo(165);
    const TReportDocument doc = build();
    EXPECT_EQ(doc.Pages.size(), 1);
    expectTidy(doc);
}

TEST_F(BoxScoreLayout, LongRostersGoOnToASecondPageWithTheFooterLast)
{
    roster(10);
    QString more;
    for (int i = 0; i < 14; ++i)
        for (const char *side : {"home", "away"})
            more += QStringLiteral("player %1 id=%2 webid=X%2 jersey=%3 name=\"EXTRA Player%2\" bench\n")
                        .arg(QLatin1String(side))
                        .arg(100 + 2 * i + (side[0] == 'a'))
                        .arg(30 + i);
    run(more);
    const TReportDocument doc = build();
    ASSERT_EQ(doc.Pages.size(), 2);
    EXPECT_EQ(doc.Lines(QStringLiteral("sbHazaiCsapat")).size(), 19);
    EXPECT_EQ(doc.Lines(QStringLiteral("sbVendegCsapat")).size(), 19);
    // The header once, on the first page; the footer once, on the last.
    for (const TReportBand &band : doc.Pages[1].Bands)
        EXPECT_NE(band.Name, "PageHeaderBand1");
    for (const TReportBand &band : doc.Pages[0].Bands)
        EXPECT_NE(band.Name, "PageFooterBand1");
    EXPECT_EQ(doc.Pages[1].Bands.last().Name, "PageFooterBand1");
    expectTidy(doc);
}

} // namespace
