#include "BoxScoreFixture.h"

#include "screen/dialogs/TNyomtatasokLogic.h"
#include "screen/dialogs/TfrmQuarters.h"

#include <QCheckBox>
#include <QPushButton>

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
    const TReportDocument quarters = menu.QuarterReport({true, false, false, false, false});
    EXPECT_EQ(quarters.ReportClass, "TqrULEBQuarterReport");
    EXPECT_EQ(quarters.Copies, 1);
}

TEST_F(ReportMenuVariants, ThePeriodDialogOpensClearAndGivesTheTickedPeriods)
{
    TMarkingTranslator marking;
    marking.Prefix = QStringLiteral("~");
    TfrmQuarters dialog(marking);
    EXPECT_EQ(dialog.windowTitle(), "~Quarters");
    const char *names[] = {"cbQuarter1", "cbQuarter2", "cbQuarter3", "cbQuarter4", "cbQuarterH"};
    const char *captions[] = {"First Quarter", "Second Quarter", "Third Quarter", "Fourth Quarter",
                              "Hosszabbítás"};
    for (int i = 0; i < 5; ++i) {
        QCheckBox *box = dialog.findChild<QCheckBox *>(QLatin1String(names[i]));
        ASSERT_EQ(box, dialog.Box(i)) << names[i];
        EXPECT_FALSE(box->isChecked()) << names[i];
        EXPECT_EQ(box->text(), QStringLiteral("~") + QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(dialog.Periods(), (std::array<bool, 5>{}));
    dialog.Box(2)->setChecked(true);
    dialog.Box(4)->setChecked(true);
    EXPECT_EQ(dialog.Periods(), (std::array<bool, 5>{false, false, true, false, true}));
    dialog.findChild<QPushButton *>(QStringLiteral("bbOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
