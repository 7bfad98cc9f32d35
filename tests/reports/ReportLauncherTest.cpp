#include "BoxScoreFixture.h"

#include "desktop/reportmenu/TReportLauncher.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

namespace {

// Keeps what would go to the printer and to the preview.
class CapturingLauncher : public TReportLauncher
{
public:
    using TReportLauncher::TReportLauncher;
    QList<QByteArray> Printed, Previewed;

protected:
    void print(const std::vector<TReportDocument> &documents) override
    {
        for (const TReportDocument &d : documents)
            Printed.append(d.ToJson());
    }
    void preview(std::vector<TReportDocument> documents) override
    {
        for (const TReportDocument &d : documents)
            Previewed.append(d.ToJson());
    }
};

QList<QByteArray> json(const std::vector<TReportDocument> &documents)
{
    QList<QByteArray> all;
    for (const TReportDocument &d : documents)
        all.append(d.ToJson());
    return all;
}

class ReportLauncher : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(10); }
};

} // namespace

TEST_F(ReportLauncher, TheQuickBoxScorePrintsExceptInTheHebrewEditionWhereItIsPreviewed)
{
    for (const bool hebrew : {false, true}) {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(hebrew ? "HEB" : "HUN"));
        bool preview = false;
        const QList<QByteArray> expected = json(TNyomtatasokLogic(game, translator).F12(preview));
        ASSERT_FALSE(expected.isEmpty());
        CapturingLauncher launcher(game, translator);
        launcher.PrintBoxScore();
        EXPECT_EQ(launcher.Printed, hebrew ? QList<QByteArray>() : expected) << "Hebrew " << hebrew;
        EXPECT_EQ(launcher.Previewed, hebrew ? expected : QList<QByteArray>()) << "Hebrew " << hebrew;
    }
}

TEST_F(ReportLauncher, PrintAllPrintsTheWholeSetWithoutPreview)
{
    const QList<QByteArray> expected = json(TNyomtatasokLogic(game, translator).PrintAll());
    ASSERT_FALSE(expected.isEmpty());
    CapturingLauncher launcher(game, translator);
    launcher.PrintAll();
    EXPECT_EQ(launcher.Printed, expected);
    EXPECT_TRUE(launcher.Previewed.isEmpty());
}
