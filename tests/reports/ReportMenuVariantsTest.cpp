#include "BoxScoreFixture.h"

#include "desktop/reportmenu/TfrmQuarters.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

namespace {

class ReportMenuVariants : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(10); }
    void edition(const char *version)
    {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(version));
    }
};

TEST_F(ReportMenuVariants, EachChoiceStartsItsReportWithTheCopiesSet)
{
    settings.SetValue(QStringLiteral("NUMBER_OF_COPIES"), QStringLiteral("2"));
    struct Case
    {
        const char *Version, *Choice, *Report;
    };
    const Case cases[] = {
        {"FRA", "rbULEBTeamResult", "TqrULEBTeamResultsFrench"},
        {"ITA", "rbULEBTeamResult", "TqrULEBTeamResultsItaly"},
        {"HEB", "rbULEBTeamResult", "TqrULEBTeamResults"},
        {"HEB", "rbULEBTeamResultHeber", "TqrULEBTeamResultsHebrew"},
        {"ENG", "rbULEBTeamResultPress", "TqrULEBTeamResultsPress"},
        {"ITA", "rbULEBBenchTeamResults", "TqrULEBBenchTeamResults"},
    };
    for (const Case &c : cases) {
        edition(c.Version);
        TNyomtatasokLogic menu(game, translator);
        ASSERT_TRUE(menu.Select(QLatin1String(c.Choice))) << c.Choice;
        std::vector<TReportDocument> docs;
        ASSERT_EQ(menu.Ok(docs), TNyomtatasokLogic::TAction::Preview) << c.Choice;
        ASSERT_EQ(docs.size(), 1u);
        EXPECT_EQ(docs[0].ReportClass, QLatin1String(c.Report)) << c.Version << " " << c.Choice;
        EXPECT_EQ(docs[0].Copies, 2) << c.Report;
    }
}

TEST_F(ReportMenuVariants, QuarterReportsAskForThePeriodsFirst)
{
    edition("ENG");
    TNyomtatasokLogic menu(game, translator);
    ASSERT_TRUE(menu.Select(QStringLiteral("rbQuarterReports")));
    std::vector<TReportDocument> docs;
    EXPECT_EQ(menu.Ok(docs), TNyomtatasokLogic::TAction::AskPeriods);
    EXPECT_TRUE(docs.empty());
    const TReportDocument quarters = menu.QuarterReport({1});
    EXPECT_EQ(quarters.ReportClass, "TqrULEBQuarterReport");
    EXPECT_EQ(quarters.Copies, 1);
}

TEST_F(ReportMenuVariants, ThePeriodDialogOffersTheGamesPeriodsAndRefusesAnEmptyChoice)
{
    TMarkingTranslator marking;
    marking.Prefix = QStringLiteral("~");
    // Ten-minute quarters: four quarters, no overtime played.
    TfrmQuarters quarters(marking, game);
    EXPECT_EQ(quarters.windowTitle(), "~Quarters");
    ASSERT_EQ(quarters.BoxCount(), 4);
    EXPECT_EQ(quarters.Box(2)->objectName(), "cbQuarter3");
    EXPECT_EQ(quarters.Box(2)->text(), "3. ~Negyed");
}

class PeriodDialog : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(5); }
};

TEST_F(PeriodDialog, TwoPeriodsAndEachOvertimePlayedAreOfferedAndNothingTickedIsRefused)
{
    TMarkingTranslator marking;
    marking.Prefix = QStringLiteral("~");
    for (int step = 0; step < 56; ++step) {
        run(QStringLiteral("tick"));
        if (game.Clock == 20 || game.Clock == 40 || game.Clock == 48)
            run(QStringLiteral("periodend"));
    }
    TfrmQuarters dialog(marking, game);
    QStringList refusals;
    dialog.ShowError = [&](const QString &text) { refusals << text; };
    const char *names[] = {"cbQuarter1", "cbQuarter2", "cbQuarterH", "cbQuarterH2"};
    const char *captions[] = {"~1. felido", "~2. felido", "1. ~Hosszabbítás", "2. ~Hosszabbítás"};
    ASSERT_EQ(dialog.BoxCount(), 4);
    for (int i = 0; i < 4; ++i) {
        QCheckBox *box = dialog.findChild<QCheckBox *>(QLatin1String(names[i]));
        ASSERT_EQ(box, dialog.Box(i)) << names[i];
        EXPECT_FALSE(box->isChecked()) << names[i];
        EXPECT_EQ(box->text(), QString::fromUtf8(captions[i]));
    }
    dialog.show();
    QPushButton *ok = dialog.findChild<QPushButton *>(QStringLiteral("bbOK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(refusals, QStringList({"~Tick at least one period for the quarter report."}));
    EXPECT_TRUE(dialog.isVisible());
    // On the tick box itself, at the left of each line.
    for (const int box : {3, 0})
        QTest::mouseClick(dialog.Box(box), Qt::LeftButton, {}, QPoint(8, dialog.Box(box)->height() / 2));
    EXPECT_EQ(dialog.Periods(), QList<int>({1, 4}));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(refusals.size(), 1);
}

} // namespace
