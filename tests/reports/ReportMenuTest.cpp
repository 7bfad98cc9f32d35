#include "BoxScoreFixture.h"

#include "desktop/reportmenu/TReportPreview.h"
#include "desktop/reportmenu/TfrmNyomtatasok.h"
#include "desktop/reportmenu/TfrmQuarters.h"
#include "support/ShippedTranslations.h"
#include "support/TestHome.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

class ReportMenu : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(10); }
    void edition(const char *version)
    {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(version));
    }
};

TEST_F(ReportMenu, OutsideTheHebrewEditionTheHebrewBoxScoreIsHiddenAndTheRestMovesUp)
{
    edition("HEB");
    const TNyomtatasokLogic hebrew(game, translator);
    edition("ENG");
    const TNyomtatasokLogic english(game, translator);

    EXPECT_TRUE(hebrew.Control(QStringLiteral("rbULEBTeamResultHeber"))->Visible);
    EXPECT_FALSE(english.Control(QStringLiteral("rbULEBTeamResultHeber"))->Visible);
    EXPECT_EQ(english.Selected(), "rbULEBTeamResult");
    EXPECT_EQ(hebrew.Selected(), "rbULEBTeamResult");
    bool below = false;
    for (const TNyomtatasokLogic::TControl &c : hebrew.Controls()) {
        const TNyomtatasokLogic::TControl *e = english.Control(c.Name);
        ASSERT_NE(e, nullptr) << c.Name.toStdString();
        if (c.Name == QLatin1String("rbULEBTeamResultHeber")) {
            below = true;
            continue;
        }
        // Controls below the Hebrew row move up 16 pixels; the side buttons stay.
        const bool inGroup = c.Place.x() < hebrew.GroupBox().right();
        EXPECT_EQ(c.Place.y() - e->Place.y(), below && inGroup ? 16 : 0) << c.Name.toStdString();
    }
    EXPECT_EQ(hebrew.GroupBox().height() - english.GroupBox().height(), 16);
    EXPECT_EQ(hebrew.DialogSize().height() - english.DialogSize().height(), 16);
}

TEST_F(ReportMenu, FibaExportShowsOnlyWhenTheSettingSaysSo)
{
    for (const bool fiba : {false, true}) {
        settings.SetValue(QStringLiteral("FIBA_EXPORT"), fiba ? QStringLiteral("YES") : QStringLiteral("NO"));
        EXPECT_EQ(TNyomtatasokLogic(game, translator).Control(QStringLiteral("bbFibaExport"))->Visible, fiba);
    }
}

TEST_F(ReportMenu, TheAlternativeChartsListsFollowItsChoice)
{
    edition("ENG");
    TNyomtatasokLogic menu(game, translator);
    auto enabled = [&] {
        return menu.Control(QStringLiteral("cbDobasterkepMain"))->Enabled &&
               menu.Control(QStringLiteral("cbDobasterkepDetaild"))->Enabled;
    };
    EXPECT_FALSE(enabled());
    ASSERT_TRUE(menu.Select(QStringLiteral("rbDobasTerkep")));
    EXPECT_TRUE(enabled());
    ASSERT_TRUE(menu.Select(QStringLiteral("rbULEBEventsList")));
    EXPECT_FALSE(enabled());
    // Neither a hidden choice nor a button nor a list can be chosen.
    for (const char *name : {"rbULEBTeamResultHeber", "bbULEBOK", "cbDobasterkepMain", "nothing"})
        EXPECT_FALSE(menu.Select(QLatin1String(name))) << name;
    EXPECT_EQ(menu.Selected(), "rbULEBEventsList");
    EXPECT_EQ(menu.ScopeItems(), QStringList({QString::fromUtf8("Mindkét csapat dobásai"),
                                              QString::fromUtf8("Hazai csapat dobásai"),
                                              QString::fromUtf8("Vendég csapat dobásai")}));
}

TEST_F(ReportMenu, OkPrintAllAndF12GiveTheEditionsBoxScore)
{
    settings.SetValue(QStringLiteral("NUMBER_OF_COPIES"), QStringLiteral("3"));
    struct Case
    {
        const char *Version;
        bool F12Preview;
    };
    for (const Case c : {Case{"HUN", false}, Case{"ENG", false}, Case{"HEB", true}}) {
        edition(c.Version);
        TNyomtatasokLogic menu(game, translator);
        std::vector<TReportDocument> docs;
        ASSERT_EQ(menu.Ok(docs), TNyomtatasokLogic::TAction::Preview) << c.Version;
        ASSERT_EQ(docs.size(), 1u);
        EXPECT_EQ(docs[0].ReportClass, "TqrULEBTeamResults");
        EXPECT_EQ(docs[0].Copies, 3);
        EXPECT_EQ(docs[0].ToJson(), build().ToJson());
        // The box score, the play-by-play list, the line-up report and both teams' individual charts.
        const std::vector<TReportDocument> all = menu.PrintAll();
        ASSERT_EQ(all.size(), 5u);
        EXPECT_EQ(all[0].ToJson(), build().ToJson());
        EXPECT_EQ(all[1].ReportClass, "TqrULEBEventsList");
        EXPECT_EQ(all[2].ReportClass, "TqrULEBBenchTeamResults");
        EXPECT_EQ(all[3].ReportClass, "TqrInvidualShotingChart");
        EXPECT_EQ(all[4].ReportClass, "TqrInvidualShotingChart");
        bool preview = !c.F12Preview;
        const std::vector<TReportDocument> quick = menu.F12(preview);
        ASSERT_EQ(quick.size(), 1u);
        EXPECT_EQ(quick[0].ReportClass, c.F12Preview ? "TqrULEBTeamResultsHebrew" : "TqrULEBTeamResults");
        EXPECT_EQ(preview, c.F12Preview) << c.Version;

        // The roster sheet comes from its notes dialog, not from OK.
        ASSERT_TRUE(menu.Select(QStringLiteral("rbRosterPresentation")));
        EXPECT_EQ(menu.Ok(docs), TNyomtatasokLogic::TAction::RosterPresentation);
        EXPECT_TRUE(docs.empty());
        // Every choice the edition shows starts a report.
        for (const TNyomtatasokLogic::TControl &control : menu.Controls()) {
            if (!control.Radio || !control.Visible)
                continue;
            ASSERT_TRUE(menu.Select(control.Name));
            EXPECT_NE(menu.Ok(docs), TNyomtatasokLogic::TAction::NotAvailable) << control.Name.toStdString();
        }
    }
}

TEST_F(ReportMenu, TheDialogBindsItsWidgetsToTheLogic)
{
    edition("ENG");
    TfrmNyomtatasok dialog(game, translator);
    EXPECT_EQ(dialog.size(), dialog.Logic().DialogSize());
    QAbstractButton *heber = dialog.Button(QStringLiteral("rbULEBTeamResultHeber"));
    ASSERT_NE(heber, nullptr);
    EXPECT_TRUE(heber->isHidden());
    EXPECT_TRUE(dialog.Button(QStringLiteral("rbULEBTeamResult"))->isChecked());
    auto *scope = dialog.findChild<QComboBox *>(QStringLiteral("cbDobasterkepMain"));
    ASSERT_NE(scope, nullptr);
    EXPECT_EQ(scope->count(), 3);
    EXPECT_FALSE(scope->isEnabled());
    dialog.Button(QStringLiteral("rbDobasTerkep"))->click();
    EXPECT_EQ(dialog.Logic().Selected(), "rbDobasTerkep");
    EXPECT_TRUE(scope->isEnabled());
}

TEST_F(ReportMenu, ThePreviewSavesItsDocumentsAsOnePdf)
{
    TestHome home;
    std::vector<TReportDocument> docs;
    docs.push_back(build());
    docs.push_back(build());
    TReportPreview preview(std::move(docs));
    ASSERT_TRUE(preview.SaveAsPdf(home.file(QStringLiteral("two.pdf"))));
    const QByteArray pdf = home.read(QStringLiteral("two.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    // Two box scores of one page each; the printer makes the copies.
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 2);
}

// Return in the menu starts the chosen report, as OK does, wherever the
// arrows moved the choice; it never asks for a workbook.
TEST_F(ReportMenu, ReturnStartsTheChosenReportAndNotAnExport)
{
    edition("ENG");
    TfrmNyomtatasok dialog(game, translator);
    int asked = 0, rosters = 0;
    dialog.ChooseFile = [&] {
        ++asked;
        return QString();
    };
    dialog.SetRosterPresentation([&] { ++rosters; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.Button(QStringLiteral("rbULEBTeamResult")));
    for (int i = 0; i < 12 && dialog.Logic().Selected() != QLatin1String("rbRosterPresentation"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(dialog.Logic().Selected(), "rbRosterPresentation");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(rosters, 1);
}

// The period report and its dialog say periods in both editions: a game of
// this build has halves, and one saved with quarters is served as well.
TEST_F(ReportMenu, ThePeriodReportNamesNoQuartersInEitherEdition)
{
    const struct
    {
        const char *Language;
        QRegularExpression Quarter;
    } editions[] = {
        {"ENG", QRegularExpression(QStringLiteral("quarter"), QRegularExpression::CaseInsensitiveOption)},
        {"HUN", QRegularExpression(QStringLiteral("negyed"), QRegularExpression::CaseInsensitiveOption)}};
    for (const auto &e : editions) {
        SCOPED_TRACE(e.Language);
        TShippedTranslations shipped{QLatin1String(e.Language)};
        ASSERT_TRUE(shipped.Loaded());
        edition(e.Language);
        TfrmNyomtatasok menu(game, shipped);
        const QString entry = menu.Button(QStringLiteral("rbQuarterReports"))->text();
        TfrmQuarters periods(shipped, game);
        for (const QString &shown : {entry, periods.windowTitle()}) {
            EXPECT_FALSE(shown.contains(e.Quarter)) << shown.toStdString();
            EXPECT_FALSE(shown.isEmpty());
        }
    }
}

// The preview opens over most of the screen, so the page can be read
// without first enlarging the window.
TEST_F(ReportMenu, ThePreviewOpensLargeEnoughToReadThePage)
{
    std::vector<TReportDocument> docs;
    docs.push_back(build());
    TReportPreview preview(std::move(docs));
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const QRect screen = preview.screen()->availableGeometry();
    EXPECT_GE(preview.width(), screen.width() * 8 / 10);
    EXPECT_GE(preview.height(), screen.height() * 8 / 10);
}

} // namespace
