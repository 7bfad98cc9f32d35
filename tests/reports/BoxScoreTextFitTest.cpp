#include "BoxScoreFixture.h"

#include "reports/painter/TReportPainter.h"
#include "support/TestHome.h"

#include <QFile>
#include <QHash>

namespace {

// The report texts the program ships, read from the translation table's
// source file: HUN or ENG by language, the key where a cell is empty.
class TShippedTranslator : public ITranslator
{
public:
    explicit TShippedTranslator(const QString &language)
    {
        QFile file(sourceFolder() + QStringLiteral("/masterdata/data/translations.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        int column = -1;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QStringList fields = QString::fromUtf8(raw).split(QLatin1Char('\t'));
            if (fields.value(0) == QLatin1String("StringType"))
                column = int(fields.indexOf(language));
            else if (column > 0 && fields.size() > column && !fields[column].isEmpty())
                m_texts.insert(fields[0] + QLatin1Char('\t') + fields[1], fields[column]);
        }
    }
    QString Translate(const QString &text, const QString &section) override
    {
        return m_texts.value(section + QLatin1Char('\t') + text, text);
    }
    qsizetype Size() const { return m_texts.size(); }

private:
    QHash<QString, QString> m_texts;
};

class BoxScoreTextFit : public BoxScoreFixture
{
};

// Every caption and value of the demo game fits its column in both shipped
// languages, with room to spare for rounding: nothing shrinks or is cut.
TEST_F(BoxScoreTextFit, EveryTextOfTheDemoGameFitsItsPlaceInHungarianAndEnglish)
{
    QFile demo(sourceFolder() + QStringLiteral("/demo/demo-game.txt"));
    ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
    run(QString::fromUtf8(demo.readAll()));
    game.Attendance = 12500;
    for (const char *language : {"HUN", "ENG"}) {
        TShippedTranslator shipped{QLatin1String(language)};
        ASSERT_GT(shipped.Size(), 50) << language;
        const TReportDocument doc = TqrULEBTeamResults(game, shipped).Build();
        int texts = 0;
        for (const TReportPage &page : doc.Pages)
            for (const TReportBand &band : page.Bands)
                for (const TReportLine &line : band.Lines)
                    for (const TReportCell &c : line.Cells) {
                        if (c.IsImage() || c.Text.isEmpty())
                            continue;
                        ++texts;
                        // Screen resolutions round glyphs wider by a few per cent.
                        EXPECT_LE(TReportPainter::TextWidthMm(c), 0.97 * c.Place.width())
                            << language << " " << c.Name.toStdString() << " '" << c.Text.toStdString() << "'";
                    }
        EXPECT_GT(texts, 300) << language;
    }
}

} // namespace
